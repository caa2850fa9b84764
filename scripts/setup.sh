#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
#   setup.sh [PRESET [PACKAGE...]]
#
# Installs the Debian 12 packages Noctalis needs (only those missing), then
# configures and builds the given CMake preset (default: "default"; "none"
# builds nothing). Further arguments name further packages to install.
# The preset "clock" needs and builds only the programs (no tests,
# benchmarks or fuzzers).
#
# Packages are installed with apt-get, as root or through sudo. Where
# neither is possible, the script prints the command to run as root and
# exits with status 3 (missing packages), having changed nothing.
# When the environment variable CI is set (and not "false" or "0"), the
# build treats compiler warnings as errors.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-default}
shift || true

# What building the clock needs.
packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  # alarm sounds: wave files and the bell through the desktop's sound server
  libcanberra-dev
  # the catalogues: CMake's Qt6LinguistTools, lupdate and lrelease, and Qt's
  # own catalogues of its standard buttons and dialogs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libnova-dev
  # the IANA time zones QTimeZone reads: the city list's and observer files'
  # zone ids, and the principal cities of zones (zone1970.tab)
  tzdata
)
# What the tests, benchmarks and fuzzers need besides.
if [ "$preset" != clock ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    # the Tonight benchmark's reference (bench/tonight/pyephem_tonight.py)
    python3-ephem
    clang libclang-rt-14-dev clang-format
    xvfb xauth xdotool
    # a message bus of their own for the tests of the clock on the session bus
    dbus-daemon
    python3
    # the check of the installed tree: manual pages, desktop entry, AppStream
    gzip man-db groff-base desktop-file-utils appstream
  )
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

tell_root_command() {
  {
    echo "Noctalis needs these Debian packages: ${missing[*]}"
    echo "Install them as root, then run this script again:"
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}"
  } >&2
  exit 3
}

if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    # sudo that may ask for a password only where someone can type it
    command -v sudo >/dev/null 2>&1 || tell_root_command
    if ! sudo -n true 2>/dev/null && ! [ -t 0 ]; then
      tell_root_command
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq || tell_root_command
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" \
    || tell_root_command
fi

[ "$preset" != none ] || exit 0
cd "$here"
configure=()
case "${CI:-}" in
  "" | false | 0) ;;
  *) configure+=(-DNOCTALIS_WERROR=ON) ;;
esac
cmake --preset "$preset" "${configure[@]}" >/dev/null
cmake --build --preset "$preset"
