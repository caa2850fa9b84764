# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# The Debian package, made by "cpack -G DEB" in a build folder configured
# with the prefix /usr (scripts/package.sh does both): noctalis_<version>_<arch>.deb,
# its dependencies found by dpkg-shlibdeps, no maintainer scripts.
set(CPACK_PACKAGE_NAME noctalis)
set(CPACK_PACKAGE_VENDOR "The Noctalis developers")
set(CPACK_PACKAGE_CONTACT "The Noctalis developers <developers@noctalis.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${NOCTALIS_HOME_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sidereal clock and alarms for astronomical observers")
set(CPACK_PACKAGE_DESCRIPTION [=[Noctalis is a small desktop clock for observers at the telescope. It shows
the local mean sidereal time (LMST) of your longitude, right to the second,
and optionally Universal Time; it raises sidereal alarms (a notice with
sound, a program started, or the LMST sent over TCP to a listener on this
machine), converts civil time to sidereal time and back, and remembers where
you observe from.

It ships with Ephemkit, an astronomy engine (sidereal time, horizon and
equatorial coordinates, Sun, Moon and planets, transits, rise and set) that
the clock loads at run time and that the ephemkit command runs from a shell.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries dpkg-shlibdeps finds: Qt's window-system plugins,
# which the Qt GUI library only recommends, and libcanberra, which the clock
# loads at its first sound and so links no more (the version is that of its
# shlibs file).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcanberra0 (>= 0.30)")
# Qt's own catalogues, for standard buttons and dialogs in the user's
# language (the program's catalogues are compiled into it); Qt's Wayland
# plugin, without which the clock cannot start on a desktop that offers no
# X display.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
# libcanberra plays through ALSA by itself; its PulseAudio module talks to
# the sound server (PulseAudio or PipeWire) directly.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libcanberra-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
