#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Two lost games in the real window, each entering the hall of fame. As the
# name entry opens the player is still pressing the game's Down and then types
# a letter: both must leave the name alone, since the entry opens with the
# focus on OK, the first time and after the player clicked into the box the
# time before. Usage: name_entry_opens_on_ok.sh PROGRAM [openbox|none]
set -euo pipefail
program=$1
source "$(dirname "$0")/../../tools/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; cat -A "$work/data/scores.txt"; cat "$work/log"; exit 1; }

mkdir "$work/data"
low_table >"$work/data/scores.txt"
printf '0\n0\n0\n1\n' >"$work/data/prefs.txt"  # music off
start_xvfb
[[ ${2:-openbox} == none ]] || start_window_manager || fail "no window manager"
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"

# The table is saved as each name is entered.
entered() { [[ $(grep -c '^"EmptyAnn"' "$work/data/scores.txt") == "$1" ]]; }
for entry in 1 2; do
  focus_window "$wid" || fail "the game window never got the keyboard"
  start_game "$wid" || fail "no game $entry started"
  top_out || fail "the hall of fame never asked for name $entry"
  focus_window "$sid" || fail "name entry $entry never got the keyboard"
  xdotool key Down q
  if ((entry == 1)); then
    click_in "$sid" 112 300           # the name box, holding "Empty"
    xdotool key End
    xdotool type --delay 20 Ann
  fi
  click_in "$sid" 104 348             # OK: enters the name
  wait_until 10 entered "$entry" || fail "name $entry is not the one kept"
  click_in "$sid" 104 348             # OK again: closes the table
  wait_window_gone '^scores$' || fail "the scores window stayed open"
done
close_and_wait "$wid" || fail "exit status $EXIT_STATUS"
echo "1 passed, 0 failed"
