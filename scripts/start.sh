#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Quick start: install what is missing, build, and start the clock.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" default
exec "$here/build/default/bin/noctalis" "$@"
