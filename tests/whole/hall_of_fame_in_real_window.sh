#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# A whole game in the real window: Stakko chosen through its message, the
# board drawn upright, paused and resumed, played until the stack reaches the
# top, a name entered in the hall of fame, the program closed and the table
# read back. Usage: hall_of_fame_in_real_window.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../../tools/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; cat "$work/log"; exit 1; }

mkdir "$work/data"
low_table | sed 's/$/\r/' >"$work/data/scores.txt"
# Music off, the other options as the design sets them.
printf '0\r\n0\r\n0\r\n1\r\n' >"$work/data/prefs.txt"

start_xvfb
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
click_in "$wid" 286 222               # opt_stakko
answer_message '^gyrock$' Return || fail "the Stakko message did not come and go"
start_game "$wid" || fail "no game started"

# Stakko keeps the board upright, so the grey wall is at its left edge.
wall_drawn() {
  IFS=, read -r r g b <<<"$(pixel_at "$wid" 130 420)"
  (( r > 25 && r < 110 && g > 25 && g < 110 && b > 25 && b < 110 ))
}
wait_until 10 wall_drawn || fail "no grey wall at the board's left edge: $(pixel_at "$wid" 130 420)"

# "PAUSED" is yellow text centred in its banner at (152,112) 177x33. A game
# left paused by the second p would never reach the hall of fame below.
yellow() {
  import -window "$wid" -crop 177x33+152+112 png:- |
    convert - -fx "(r>0.8&&g>0.8&&b<0.3)?1:0" -format "%[fx:int(mean*w*h)]" info:
}
paused_shown() { (( $(yellow) > 50 )); }
focus_window "$wid" || fail "the game window never got the keyboard"
xdotool key p
wait_until 10 paused_shown || fail "PAUSED is not shown ($(yellow) yellow pixels)"
xdotool key p
top_out || fail "the hall of fame never asked for a name"

# Keys sent before the window has the keyboard go to the game window and are
# lost. The window opens on OK; the click puts the text cursor in the name box.
focus_window "$sid" || fail "the scores window never got the keyboard"
box() { import -window "$sid" -crop 119x17+53+292 +repage png:-; }
box >"$work/box.png"
typed() { (( $(box | compare -metric AE "$work/box.png" - null: 2>&1) > 100 )); }
click_in "$sid" 112 300               # the name box
xdotool key ctrl+a
xdotool type --delay 20 'Zed, "the" tester'
wait_until 10 typed || fail "the name never showed in the name box"
click_in "$sid" 104 348               # OK: enters the name, shows the table
wait_until 10 grep -q '^"Zed, ""the"" tester"' "$work/data/scores.txt" ||
  fail "the new entry was not saved right away: $(cat -A "$work/data/scores.txt")"
click_in "$sid" 104 348               # OK again: back to the game window
wait_window_gone '^scores$' || fail "the scores window stayed open"

close_and_wait "$wid" || fail "exit status $EXIT_STATUS"

# The lowest entry (lines 1-2) gives way to the new one after the next two.
expected=$(low_table | sed -n '3,6p'; printf '0\n"Zed, ""the"" tester"\n'; low_table | sed -n '7,$p')
cmp -s <(sed 's/$/\r/' <<<"$expected") "$work/data/scores.txt" || {
  diff <(sed 's/$/\r/' <<<"$expected" | cat -A) <(cat -A "$work/data/scores.txt") || true
  fail "scores.txt is not the table with the new entry"
}
[[ ! -e "$work/data/scores.txt.bak" && ! -e "$work/data/prefs.txt.bak" ]] || fail "a sound file was backed up"
echo "1 passed, 0 failed"
