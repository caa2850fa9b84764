#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# Installs a build folder into a temporary DESTDIR under a prefix no one
# uses, and checks the installed tree as a user meets it: the programs find
# their engine plugin relative to their own folder, print their version,
# the clock speaks the user's language, starts and keeps running, the
# launcher and AppStream files validate, the manual pages render without
# warnings, every file the desktop and the package expect is there (the user
# guide among them), and no build path is compiled into the programs.
#
# Usage: check_install.sh BUILD_DIR
# The environment gives the layout, as the test suite registers it:
#   NOCTALIS_VERSION, NOCTALIS_APP_ID, and the folders below the prefix
#   BINDIR, PLUGINDIR, DATADIR, MANDIR, DOCDIR.
set -uo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix="/opt/night sky/noctalis"
top=$work/root$prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -f "$top/$1" ] || fail "not installed: $1"; }
expect_output() {  # what, wanted, got
  [ "$2" = "$3" ] || fail "$1: wanted '$2', got '$3'"
}

if ! DESTDIR=$work/root cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# Every file in its place.
id=$NOCTALIS_APP_ID
for program in noctalis ephemkit; do
  [ -x "$top/$BINDIR/$program" ] || fail "not installed: $BINDIR/$program"
  expect_file "$MANDIR/man1/$program.1.gz"
done
expect_file "$PLUGINDIR/libEphemkit.so"
expect_file "$DATADIR/applications/$id.desktop"
expect_file "$DATADIR/metainfo/$id.metainfo.xml"
expect_file "$DATADIR/dbus-1/interfaces/org.noctalis.Clock.xml"
expect_file "$DATADIR/dbus-1/services/$id.service"
expect_file "$DATADIR/icons/hicolor/scalable/apps/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
  expect_file "$DATADIR/icons/hicolor/${size}x$size/apps/$id.png"
done
for doc in README.md LICENSE copyright changelog.gz; do
  expect_file "$DOCDIR/$doc"
done
# The user guide that Help and F1 open, in the data folder.
for page in "$source_dir"/doc/guide/*; do
  expect_file "$DATADIR/noctalis/guide/$(basename "$page")"
done
# No path of the build or source tree is compiled into the programs' data
# (their debugging information may name the sources).
for program in "$top/$BINDIR/noctalis" "$top/$PLUGINDIR/libEphemkit.so"; do
  objcopy -O binary --only-section=.rodata "$program" "$work/rodata"
  for tree in "$source_dir" "$(cd "$build" && pwd)"; do
    grep -qaF "$tree" "$work/rodata" && fail "$(basename "$program") holds the path $tree"
  done
done
# The data files the program reads (the city list, the world map) go with it.
for data in "$source_dir"/data/latlngtz.txt "$source_dir"/data/*.png "$source_dir"/data/*.jpg; do
  [ -f "$data" ] && expect_file "$DATADIR/noctalis/$(basename "$data")"
done

# The engine from a shell, run from elsewhere: it finds its plugin from bin/.
ephemkit=$top/$BINDIR/ephemkit
expect_output "installed ephemkit" 13.6973745421238 \
  "$(cd / && "$ephemkit" LNG=75 UTDate=2000-01-01T12:00:00 LMST 2>&1)"
expect_output "ephemkit --version" "ephemkit $NOCTALIS_VERSION" "$("$ephemkit" --version 2>&1)"
# Steps from standard input, once per instant, east-positive.
expect_output "installed ephemkit, a table from standard input" \
  "$(printf 'UTDate,LMST\n2000-01-01T12:00:00,13.6973745421238')" \
  "$(cd / && echo "LNG=-75 LMST" | "$ephemkit" --east --csv --from 2000-01-01T13:00+01:00 --to 2000-01-01T12:00Z \
     --step 60 - 2>&1)"
# The manual page lists the members from the program's own table.
zcat "$top/$MANDIR/man1/ephemkit.1.gz" | grep -qF 'property: degrees north, \-90 to 90.' ||
  fail "the manual page of ephemkit lists no members"

# The clock: --version needs no display; started offscreen it keeps running,
# and with its log on it reports no step skipped (the engine was found).
noctalis=$top/$BINDIR/noctalis
expect_output "noctalis --version" "noctalis $NOCTALIS_VERSION" \
  "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$noctalis" --version 2>&1)"
# The catalogue goes with the program: a German user reads German, whatever
# LANG says, and the C locale leaves the English text.
help_description() {  # environment settings...
  env -u LC_ALL -u LC_MESSAGES -u DISPLAY -u WAYLAND_DISPLAY "$@" "$noctalis" --help 2>&1 | sed -n 2p
}
expect_output "noctalis --help for LANGUAGE=de" "Sternzeituhr und Alarme für astronomische Beobachter." \
  "$(help_description LANGUAGE=de LANG=C.UTF-8)"
expect_output "noctalis --help for LANG=C" "Sidereal clock and alarms for astronomical observers." \
  "$(help_description LANGUAGE= LANG=C)"
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
env XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" QT_LOGGING_RULES='noctalis.*=true' \
  timeout 4 "$noctalis" >"$work/noctalis.log" 2>&1
status=$?
[ $status -eq 124 ] || fail "noctalis ended by itself within 4 s (status $status): $(cat "$work/noctalis.log")"
if grep -q "skipped" "$work/noctalis.log"; then
  fail "noctalis skipped steps at start-up: $(grep skipped "$work/noctalis.log")"
fi

# The launcher and the AppStream description, as the desktop reads them.
desktop=$top/$DATADIR/applications/$id.desktop
# Hints pass: the menu's categories Education and Science are both main ones,
# which the validator points out.
report=$(desktop-file-validate "$desktop" 2>&1 | grep -v ": hint: ")
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Exec=noctalis" "$desktop" || fail "the launcher does not start noctalis"
grep -qx "Icon=$id" "$desktop" || fail "the launcher's icon is not $id"
# The D-Bus service file starts the installed clock by its full path,
# quoted for the prefix's blank; the interface description is well formed.
service=$top/$DATADIR/dbus-1/services/$id.service
grep -qx "Name=$id" "$service" || fail "the D-Bus service file does not name $id"
grep -qxF "Exec=\"$prefix/$BINDIR/noctalis\"" "$service" \
  || fail "the D-Bus service file does not start $prefix/$BINDIR/noctalis: $(grep Exec= "$service")"
if command -v xmllint >/dev/null 2>&1; then
  report=$(xmllint --noout "$top/$DATADIR/dbus-1/interfaces/org.noctalis.Clock.xml" 2>&1) \
    || fail "xmllint of the D-Bus interface: $report"
fi
metainfo=$top/$DATADIR/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
expect_output "newest release in the AppStream file" "$NOCTALIS_VERSION" "$newest"

# The manual pages render without a warning (in the C locale: a session
# locale the machine lacks would be a warning of its own).
for program in noctalis ephemkit; do
  report=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$top/$MANDIR/man1/$program.1.gz" 2>&1 >/dev/null)
  [ -z "$report" ] || fail "man $program: $report"
done

if [ $failures -gt 0 ]; then
  echo "$failures check(s) of the installed tree failed"
  exit 1
fi
echo "The installed tree under '$prefix' passed every check"
