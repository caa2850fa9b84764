# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# cmake -DGENERATOR=program -DPAGE=page -DOUTPUT=file -P FillManMembers.cmake
# Writes PAGE to OUTPUT with its line '.\" member table' replaced by what
# GENERATOR prints: the member list of ephemkit(1), from the driver's table.
execute_process(COMMAND ${GENERATOR} OUTPUT_VARIABLE members RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed: ${status}")
endif()
file(READ ${PAGE} page)
string(FIND "${page}" ".\\\" member table\n" marker)
if(marker EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no line '.\\\" member table'")
endif()
string(REPLACE ".\\\" member table\n" "${members}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
