#!/usr/bin/env bash
# Starts the real program on its own X server, plays a little, pauses, and
# closes the window the way a desktop does. Usage: play_in_real_window.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; exit 1; }
shot() { import -window root "$work/shot.png"; }

start_xvfb
mkdir "$work/data"
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
window_geometry "$wid"
[[ "$WIDTH" == 625 && "$HEIGHT" == 482 ]] || fail "client area is ${WIDTH}x$HEIGHT"

# Stakko keeps the board upright, so its pixels are where we expect them.
click_at 286 222                      # opt_stakko
msg=$(wait_window '^gyrock$' 5) || fail "no Stakko message"
xdotool windowfocus --sync "$msg" key Return
sleep 0.3
click_at 236 272                      # NEW GAME
sleep 1.5
shot
wall=$(pixel_of "$work/shot.png" $((X + 130)) $((Y + 420)))
IFS=, read -r r g b <<<"$wall"
(( r > 25 && r < 110 && g > 25 && g < 110 && b > 25 && b < 110 )) || fail "no grey wall at the board's left edge: $wall"
frame=$(pixel_of "$work/shot.png" $((X + 240)) $((Y + 250)))
[[ "$frame" != "0,0,0" ]] || fail "the board is not drawn"

xdotool windowfocus --sync "$wid" key p
sleep 0.5
shot
# "PAUSED" is yellow text centred in its banner at (152,112) 177x33.
yellow=$(convert "$work/shot.png" -crop 177x33+$((X + 152))+$((Y + 112)) -fx "(r>0.8&&g>0.8&&b<0.3)?1:0" \
  -format "%[fx:int(mean*w*h)]" info:)
(( yellow > 50 )) || fail "PAUSED is not shown ($yellow yellow pixels)"

start=$(date +%s%N)
close_window "$wid"
wait_exit "$pid" 2
status=$EXIT_STATUS
pid=""
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[[ $status != running ]] || fail "still running 2 s after the window was closed"
[[ $status == 0 ]] || fail "exit status $status"
[[ -s "$work/data/scores.txt" && -s "$work/data/prefs.txt" ]] || fail "files not saved at close"
echo "1 passed, 0 failed (closed in $elapsed ms)"
