#!/usr/bin/env bash
# Quick start: install what is missing, build, and start the clock.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" default
exec "$here/build/default/bin/noctalis" "$@"
