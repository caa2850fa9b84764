#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Quick start: install what is missing, build, and run the whole test suite
# headless. Give "asan" to run it under AddressSanitizer and UBSan instead.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-default}
"$here/scripts/setup.sh" "$preset"
cd "$here"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)"
