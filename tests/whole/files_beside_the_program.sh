#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Where the real program keeps the player's files, under openbox. A copy laid
# out as the game ships for players (the program and its music in one folder,
# no marker) shows the options of the prefs.txt beside it and writes both
# files back there, leaving the per-user folder alone. The same files beside
# an installed program are carried over to the per-user folder, which then
# receives what the program writes. Usage: files_beside_the_program.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../../tools/xvfb.sh"
begin_session
layout=install
fail() { echo "FAIL [$layout]: $*"; cat "$work/log"; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >"$work/log" || fail "install"
mkdir "$work/unpacked"
cp "$work/prefix/bin/gyrock" "$(find "$work/prefix" -name stakko_remix.mp3)" "$work/unpacked/"
start_xvfb
start_window_manager || fail "no window manager"
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share
unset XDG_CONFIG_HOME

# The options panel's four boxes top to bottom, 1 for ticked: a tick darkens
# the middle of its white box.
ticks() {
  local y
  for y in 217 249 281 314; do lit "$wid" 7x7+420+$y '< 200' && printf 1 || printf 0; done
}
shows() { [[ $(ticks) == "$1" ]]; }

# keeps_files PROGRAM_FOLDER DATA_FOLDER: the files prepared beside the
# program are the ones shown, and Defaults reaches DATA_FOLDER on closing.
keeps_files() {
  rm -rf "$XDG_DATA_HOME"
  mkdir -p "$XDG_DATA_HOME"
  # LF line ends: the program writes CR LF.
  low_table >"$1/scores.txt"
  printf '0\n1\n1\n0\n' >"$1/prefs.txt"
  "$1/gyrock" >"$work/log" 2>&1 &
  pid=$!
  wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
  click_in "$wid" 532 204             # OPTIONS
  wait_until 10 shows 0110 || fail "the options panel shows $(ticks), not the prepared 0110"
  click_in "$wid" 508 352             # Defaults
  wait_until 10 shows 1001 || fail "Defaults shows $(ticks)"
  close_and_wait "$wid" || fail "exit status $EXIT_STATUS"
  cmp -s <(printf '1\r\n0\r\n0\r\n1\r\n') "$2/prefs.txt" || fail "prefs.txt in $2: $(cat -A "$2/prefs.txt" 2>&1)"
  cmp -s <(low_table | sed 's/$/\r/') "$2/scores.txt" || fail "scores.txt in $2: $(cat -A "$2/scores.txt" 2>&1)"
}

layout=unpacked
keeps_files "$work/unpacked" "$work/unpacked"
[[ -z $(ls -A "$XDG_DATA_HOME") ]] || fail "the per-user folder received: $(find "$XDG_DATA_HOME")"
layout=install
keeps_files "$work/prefix/bin" "$XDG_DATA_HOME/gyrock"
cmp -s <(printf '0\n1\n1\n0\n') "$work/prefix/bin/prefs.txt" || fail "prefs.txt beside the program was written"
echo "1 passed, 0 failed"
