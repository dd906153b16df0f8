#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Starts the real program on its own X server, plays a little, pauses, and
# closes the window the way a desktop does. Usage: play_in_real_window.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; exit 1; }

start_xvfb
mkdir "$work/data"
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
window_geometry "$wid"
[[ "$WIDTH" == 625 && "$HEIGHT" == 482 ]] || fail "client area is ${WIDTH}x$HEIGHT"

# Stakko keeps the board upright, so its pixels are where we expect them.
click_in "$wid" 286 222               # opt_stakko
answer_message '^gyrock$' Return || fail "the Stakko message did not come and go"
start_game "$wid" || fail "no game started"
wall_drawn() {
  IFS=, read -r r g b <<<"$(pixel_at "$wid" 130 420)"
  (( r > 25 && r < 110 && g > 25 && g < 110 && b > 25 && b < 110 ))
}
wait_until 10 wall_drawn || fail "no grey wall at the board's left edge: $(pixel_at "$wid" 130 420)"
[[ "$(pixel_at "$wid" 240 250)" != "0,0,0" ]] || fail "the board is not drawn"

# "PAUSED" is yellow text centred in its banner at (152,112) 177x33.
yellow() {
  import -window "$wid" -crop 177x33+152+112 png:- |
    convert - -fx "(r>0.8&&g>0.8&&b<0.3)?1:0" -format "%[fx:int(mean*w*h)]" info:
}
paused_shown() { (( $(yellow) > 50 )); }
focus_window "$wid" || fail "the game window never got the keyboard"
xdotool key p
wait_until 10 paused_shown || fail "PAUSED is not shown ($(yellow) yellow pixels)"

close_and_wait "$wid" || fail "exit status $EXIT_STATUS (running: still there 10 s after the close)"
[[ -s "$work/data/scores.txt" && -s "$work/data/prefs.txt" ]] || fail "files not saved at close"
echo "1 passed, 0 failed"
