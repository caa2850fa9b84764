#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
#
# scripts/setup.sh with stand-ins for dpkg-query, id, sudo and apt-get on
# PATH: who installs what, and what a user without root or sudo is told.
#   test_setup.sh SOURCE_DIR
set -uo pipefail
setup="$1/scripts/setup.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# stand-in NAME BODY: a command on the stand-ins' PATH.
stand_in() {
  printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1"
  chmod +x "$work/bin/$1"
}

# scenario UID MISSING SUDO: fresh stand-ins. MISSING is the packages
# dpkg-query reports absent; SUDO is "none" (no sudo), "refuses" (not in
# the sudoers file) or "allows". Every apt-get and sudo call is logged.
scenario() {
  rm -rf "$work/bin" "$work/log"
  mkdir -p "$work/bin"
  : >"$work/log"
  # the basic tools the script uses, and nothing else of this machine's
  # (a real sudo or apt-get must never be reached)
  for tool in sh bash grep dirname cat true; do
    ln -s "$(type -P "$tool")" "$work/bin/$tool"
  done
  stand_in id "echo $1"
  stand_in dpkg-query "for p in $2; do case \"\$*\" in *\" \$p\") exit 1;; esac; done; echo 'install ok installed'"
  stand_in apt-get "echo \"apt-get \$*\" >>'$work/log'"
  case "$3" in
    refuses) stand_in sudo "echo \"sudo \$*\" >>'$work/log'; echo 'user is not in the sudoers file.' >&2; exit 1" ;;
    allows) stand_in sudo "echo \"sudo \$*\" >>'$work/log'; [ \"\$1\" = -n ] && shift; exec \"\$@\"" ;;
  esac
}

run_setup() {
  # stdin is no terminal
  PATH="$work/bin" "$work/bin/bash" "$setup" none "$@" </dev/null >"$work/out" 2>&1
}

# Without sudo, or with a sudo that refuses, the user is told the command
# to run as root, the script stops with status 3 and installs nothing.
for sudo in none refuses; do
  scenario 1000 "libnova-dev tzdata" "$sudo"
  run_setup
  status=$?
  [ "$status" -eq 3 ] || fail "sudo $sudo: exit status $status, expected 3"
  grep -qx '  apt-get update && apt-get install --no-install-recommends libnova-dev tzdata' "$work/out" \
    || fail "sudo $sudo: no root command in: $(cat "$work/out")"
  ! grep -q '^apt-get' "$work/log" || fail "sudo $sudo: apt-get ran: $(cat "$work/log")"
done

# Nothing missing: no apt-get at all, not even an update.
scenario 1000 "" none
run_setup || fail "nothing missing: exit status $?"
[ ! -s "$work/log" ] || fail "nothing missing: ran $(cat "$work/log")"

# A user with sudo: the update and the install of just what is missing,
# further packages named on the command line included.
scenario 1000 "tzdata extra-pkg" allows
run_setup extra-pkg || fail "sudo allows: exit status $?"
grep -q '^sudo apt-get update' "$work/log" || fail "sudo allows: no update: $(cat "$work/log")"
grep -q '^apt-get install -y -qq --no-install-recommends tzdata extra-pkg$' "$work/log" \
  || fail "sudo allows: install: $(cat "$work/log")"

# Root installs directly, without sudo.
scenario 0 "tzdata" none
run_setup || fail "root: exit status $?"
grep -q '^apt-get install .* tzdata$' "$work/log" || fail "root: install: $(cat "$work/log")"

[ "$failures" -eq 0 ] && echo "setup.sh: all cases passed"
exit $((failures > 0))
