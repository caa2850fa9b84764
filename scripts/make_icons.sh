#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Renders the program's icon into the PNG sizes of the hicolor theme:
# desktop/icons/<size>/noctalis.png, 16 to 256 pixels (installed under the
# application id). Sizes up
# to 24 come from the small drawing (no ticks, strokes on the pixel grid),
# the others from the full one. The PNGs are committed; run this after
# changing either SVG. Needs rsvg-convert (Debian package librsvg2-bin),
# which neither the build nor the tests use.
set -euo pipefail
icons=$(cd "$(dirname "$0")/../desktop/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
  source=$icons/noctalis.svg
  [ "$size" -le 24 ] && source=$icons/noctalis-small.svg
  mkdir -p "$icons/$size"
  rsvg-convert --width "$size" --height "$size" "$source" --output "$icons/$size/noctalis.png"
done
