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

# The compiler and linker flags of a Debian package build.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"

cmake -S "$here" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DNOCTALIS_BUILD_TESTS=OFF -DNOCTALIS_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/noctalis_*.deb
(cd "$build" && cpack -G DEB)

deb=$(ls "$build"/noctalis_*.deb)
echo "Checking $deb"
lintian --fail-on error --display-info "$deb"
