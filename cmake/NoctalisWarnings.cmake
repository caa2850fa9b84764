# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Warnings for our own targets; the whole project builds without any, and
# with NOCTALIS_WERROR (in CI) a new one fails the build.
function(noctalis_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(NOCTALIS_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
