#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Quick start: install what is missing, build the programs (not the tests),
# and start the clock.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" clock
exec "$here/build/clock/bin/noctalis" "$@"
