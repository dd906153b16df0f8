#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Two whole games in the real window, each lost into the hall of fame: Stakko
# chosen through its message, played until the stack reaches the top. As the name entry opens the player is still pressing the
# game's Down and then types a letter: both must leave the name alone, since
# the entry opens with the focus on OK, the first time and after the player
# clicked into the box the time before. The first name is changed in the box,
# the second kept; each is saved as it is entered, and the table is read back
# after the close.
# Usage: hall_of_fame_in_real_window.sh PROGRAM [openbox|none]
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/whole.sh"
scores=$work/data/scores.txt

mkdir "$work/data"
low_table >"$scores"
printf '0\n0\n0\n1\n' >"$work/data/prefs.txt"  # music off
start_xvfb
[[ ${2:-openbox} == none ]] || start_window_manager || fail "no window manager"
launch "$program" --data-dir "$work/data" || fail "the window never showed"
click_in "$wid" 286 222               # opt_stakko
answer_message '^gyrock$' Return || fail "the Stakko message did not come and go"

# The box holds "Empty" at first; a name with quotes is saved with them doubled.
entered() { [[ $(grep -c '^"Empty, ""the"" tester"' "$scores") == "$1" ]]; }

for entry in 1 2; do
  focus_window "$wid" || fail "the game window never got the keyboard"
  start_game "$wid" || fail "no game $entry started"
  top_out || fail "the hall of fame never asked for name $entry"
  # Keys sent before the entry has the keyboard go to the game window and are lost.
  focus_window "$sid" || fail "name entry $entry never got the keyboard"
  xdotool key Down q
  if ((entry == 1)); then
    click_in "$sid" 112 300           # the name box, the text cursor put in it
    xdotool key End
    xdotool type --delay 20 ', "the" tester'
  fi
  click_in "$sid" 104 348             # OK: enters the name
  wait_until 10 entered "$entry" || fail "name $entry is not the one kept: $(cat -A "$scores")"
  click_in "$sid" 104 348             # OK again: closes the table
  wait_window_gone '^scores$' || fail "the scores window stayed open"
done
end_with close

# The two lowest entries (lines 1-4) give way to the new ones after the next.
saved "$scores" "$(low_table | sed -n '5,6p'; printf '0\n"Empty, ""the"" tester"\n%.0s' 1 2; low_table | sed -n '7,$p')"
[[ $(ls "$work/data") == $'prefs.txt\nscores.txt' ]] || fail "the data folder holds: $(ls "$work/data")"
echo "1 passed, 0 failed"
