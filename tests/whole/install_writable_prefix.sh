#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Installs into a prefix the player may write to (as with ~/.local), runs the
# installed program as that player and closes it: the data files must land in
# the per-user folder, never beside the program, and a player's files that an
# older version left beside the program are carried over.
# Usage: install_writable_prefix.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/xvfb.sh"
begin_session
chmod 755 "$work"
fail() { echo "FAIL [$case]: $*"; [[ -f "$work/$case.log" ]] && cat "$work/$case.log"; exit 1; }

# Root may write anywhere: then the player is nobody, owning prefix and home.
as_player=()
if [[ $(id -u) == 0 ]]; then as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --); fi

old_table=$'7\r\n"older"\r\n'
for k in 2 3 4 5 6 7 8 9 10; do old_table+=$'0\r\n""\r\n'; done

# case: what lies beside the installed program before its first run.
run_case() {
  case=$1
  local prefix=$work/$case/prefix home=$work/$case/home
  cmake --install "$build" --prefix "$prefix" >"$work/$case.install.log" || fail "install"
  mkdir -p "$home/.local/share"
  [[ $case == older_files_beside ]] && printf '%s' "$old_table" >"$prefix/bin/scores.txt"
  [[ $(id -u) == 0 ]] && chown -R nobody "$prefix" "$home"
  HOME=$home XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR="" \
    "${as_player[@]}" "$prefix/bin/gyrock" >"$work/$case.log" 2>&1 &
  pid=$!
  wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "no window ($(kill -0 "$pid" 2>/dev/null && echo still running || echo the program ended))"
  close_and_wait "$wid" || fail "exit status $EXIT_STATUS"

  local data=$home/.local/share/gyrock
  [[ -s "$data/scores.txt" && -s "$data/prefs.txt" ]] || fail "no data files in $data: $(ls -la "$data" 2>&1)"
  [[ ! -e "$prefix/bin/prefs.txt" ]] || fail "prefs.txt was written beside the program"
  if [[ $case == older_files_beside ]]; then
    cmp -s <(printf '%s' "$old_table") "$data/scores.txt" || fail "not carried over: $(cat -A "$data/scores.txt")"
    cmp -s <(printf '%s' "$old_table") "$prefix/bin/scores.txt" || fail "the original beside the program changed"
  else
    [[ ! -e "$prefix/bin/scores.txt" ]] || fail "scores.txt was written beside the program"
  fi
  echo "$case: passed"
}

start_xvfb
for c in fresh_player older_files_beside; do run_case "$c"; done
echo "2 passed, 0 failed"
