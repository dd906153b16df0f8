#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# A whole game in the real window: plays until the stack reaches the top,
# enters a name in the hall of fame, changes an option, closes the program and
# reads both files back. Usage: hall_of_fame_in_real_window.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; [[ -f "$work/log" ]] && cat "$work/log"; exit 1; }

# A lost game usually ends at 0 points, which ranks only above a negative
# score; the prepared table has three, so the test does not hang on luck.
mkdir "$work/data"
scores=(-30 -20 -10 5 10 20 40 80 160 320)
names=(ten nine eight seven six five four three two one)
for k in "${!scores[@]}"; do printf '%s\r\n"%s"\r\n' "${scores[$k]}" "${names[$k]}"; done >"$work/data/scores.txt"
# Music off, antialias on, monochrome on, remain paused off.
printf '0\r\n1\r\n1\r\n0\r\n' >"$work/data/prefs.txt"

start_xvfb
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
click_in "$wid" 286 222               # opt_stakko
answer_message '^gyrock$' Return || fail "the Stakko message did not come and go"
start_game "$wid" || fail "no game started"
focus_window "$wid" || fail "the game window never got the keyboard"

# Dropping every piece straight down tops out the well in a few seconds. The
# feeder finishes its round when told, so no Down is left held.
touch "$work/feeding"
( while [[ -e "$work/feeding" ]]; do xdotool keydown Down; sleep 0.5; xdotool keyup Down; sleep 0.05; done ) &
keys=$!
sid=$(wait_window '^scores$' 90) || fail "the hall of fame never asked for a name"
rm "$work/feeding"
wait "$keys" || true
keys=""

# Keys sent before the window has the keyboard go to the game window and are
# lost. The click puts the text cursor in the name box whether the focus
# started there or on OK (a stray Down moves it between them).
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

# Antialias off through the options panel.
click_in "$wid" 532 204               # OPTIONS
wait_until 10 lit "$wid" 40x12+552+346 '> 150' || fail "the options did not open"
click_in "$wid" 426 252               # opt_aa
wait_until 10 lit "$wid" 10x10+418+247 '> 250' || fail "antialias is still ticked"
click_in "$wid" 572 352               # OK
wait_until 10 lit "$wid" 40x12+552+346 '< 100' || fail "the options did not close"

close_and_wait "$wid" || fail "exit status $EXIT_STATUS"

expected=$work/expected.txt
scores=(-20 -10 0 5 10 20 40 80 160 320)
names=(nine eight 'Zed, ""the"" tester' seven six five four three two one)
for k in "${!scores[@]}"; do printf '%s\r\n"%s"\r\n' "${scores[$k]}" "${names[$k]}"; done >"$expected"
cmp -s "$expected" "$work/data/scores.txt" || {
  diff <(cat -A "$expected") <(cat -A "$work/data/scores.txt") || true
  fail "scores.txt is not the table with the new entry"
}
[[ "$(cat "$work/data/prefs.txt")" == $'0\r\n0\r\n1\r\n0\r' ]] || fail "prefs.txt: $(cat -A "$work/data/prefs.txt")"
[[ ! -e "$work/data/scores.txt.bak" && ! -e "$work/data/prefs.txt.bak" ]] || fail "a sound file was backed up"
echo "1 passed, 0 failed"
