# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Run by `cmake --install`: writes the D-Bus service file of the clock from
# NOCTALIS_SERVICE_TEMPLATE into NOCTALIS_SERVICE_FILE, with Exec naming the
# program under the prefix of this install, and installs it into
# NOCTALIS_DATADIR/dbus-1/services (DESTDIR is honoured by file(INSTALL)).
# Given besides: NOCTALIS_APP_ID (the bus name) and NOCTALIS_BINDIR.
if(IS_ABSOLUTE "${NOCTALIS_BINDIR}")
  set(program "${NOCTALIS_BINDIR}/noctalis")
else()
  set(program "${CMAKE_INSTALL_PREFIX}/${NOCTALIS_BINDIR}/noctalis")
endif()
# The bus reads Exec as a shell would, without expanding anything: the path
# goes in double quotes, a backslash or a double quote in it escaped.
string(REPLACE "\\" "\\\\" program "${program}")
string(REPLACE "\"" "\\\"" program "${program}")
set(NOCTALIS_PROGRAM "\"${program}\"")
configure_file("${NOCTALIS_SERVICE_TEMPLATE}" "${NOCTALIS_SERVICE_FILE}" @ONLY)
if(IS_ABSOLUTE "${NOCTALIS_DATADIR}")
  set(services "${NOCTALIS_DATADIR}/dbus-1/services")
else()
  set(services "${CMAKE_INSTALL_PREFIX}/${NOCTALIS_DATADIR}/dbus-1/services")
endif()
file(INSTALL "${NOCTALIS_SERVICE_FILE}" DESTINATION "${services}")
