#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Makes the README's picture: the real program on an X server of its own,
# a Gyrock game played for a while with random keys, paused, and the window
# captured. Usage: tools/screenshot.sh OUT.png [PROGRAM=build/gyrock] [SECONDS=14]
set -euo pipefail
out=$1
program=${2:-build/gyrock}
seconds=${3:-14}
source "$(dirname "$0")/xvfb.sh"
begin_session

# Music off, antialias on, monochrome off, remain paused on.
printf '0\r\n1\r\n0\r\n1\r\n' >"$work/prefs.txt"
start_xvfb
launch "$program" --data-dir "$work" || { cat "$log"; exit 1; }
window_geometry "$wid"
start_game "$wid" || { cat "$log"; exit 1; }   # NEW GAME in Gyrock mode

# The game samples the arrows' state at its 70 ms move tick, so each press
# is held a little longer than that to count once.
tap() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep 0.05; }

# Pieces spread over the well so that the stack looks like a game: each one
# is sent to the next column of a fixed round, then dropped.
shifts=(-5 3 -2 5 0 -4 2 -1 4 -3 1)
end=$((SECONDS + seconds))
k=0
while ((SECONDS < end)); do
  ((k % 3 == 1)) && tap Up
  shift=${shifts[$((k % ${#shifts[@]}))]}
  side=$( ((shift < 0)) && echo Left || echo Right)
  for _ in $(seq 1 ${shift#-}); do tap "$side"; done
  xdotool keydown Down; sleep 0.7; xdotool keyup Down
  k=$((k + 1))
  xdotool search --onlyvisible --name '^scores$' >/dev/null && break   # topped out
done
# Paused when the board is turned: upright, its grey wall covers the corner
# at (131, 51); turned a few degrees, the background shows there instead.
upright() {
  local r g b
  IFS=, read -r r g b <<<"$(pixel_of "$1" 131 51)"
  ((r > 25 && (r - g) * (r - g) < 100 && (g - b) * (g - b) < 100))
}
for _ in $(seq 30); do
  xdotool key p
  sleep 0.3
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
  upright "$out" || break
  xdotool key p
  sleep 0.7
done
echo "wrote $out"
