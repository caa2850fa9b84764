#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Builds the Debian package build/package/noctalis_<version>_<arch>.deb:
# a release build for the prefix /usr with Debian's hardening flags, packed
# by CPack (dependencies found by dpkg-shlibdeps), then checked by lintian,
# which fails the script on an error and lists its warnings.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build/package

"$here/scripts/setup.sh" none dpkg-dev fakeroot file lintian

# The compiler and linker flags of a Debian package build. dpkg-buildflags
# maps the folder it runs in to "." in file names compiled into the
# binaries; the map is given here as well, so that no path of this machine
# ends up in the package whatever the dpkg version and its options.
eval "$(cd "$here" && DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=+all" dpkg-buildflags --export=sh)"
export CFLAGS="$CFLAGS -ffile-prefix-map=$here=."
export CXXFLAGS="$CXXFLAGS $CPPFLAGS -ffile-prefix-map=$here=."

cmake -S "$here" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DNOCTALIS_BUILD_TESTS=OFF -DNOCTALIS_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/noctalis_*.deb
(cd "$build" && cpack -G DEB)

deb=$(ls "$build"/noctalis_*.deb)
echo "Checking $deb"
lintian --fail-on error --display-info "$deb"

# The clock loads libcanberra at its first sound, so dpkg-shlibdeps does not
# see it: the package has to name it all the same.
if ! dpkg-deb -f "$deb" Depends | grep -q '\blibcanberra0\b'; then
  echo "The package does not depend on libcanberra0: $(dpkg-deb -f "$deb" Depends)" >&2
  exit 1
fi

# Reproducible: no file of the package names the folders it was built in,
# in 8-bit text or in the UTF-16 of Qt's string literals.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
leaks=()
while IFS= read -r -d '' f; do
  if { strings -a "$f"; strings -a -el "$f"; } | grep -F "$here" >/dev/null; then
    leaks+=("${f#"$unpacked"}")
  fi
done < <(find "$unpacked" -type f -print0)
if [ ${#leaks[@]} -gt 0 ]; then
  echo "The package names the build folder $here in: ${leaks[*]}" >&2
  exit 1
fi
