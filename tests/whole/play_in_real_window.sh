#!/usr/bin/env bash
# Starts the real program on its own X server, plays a little, pauses, and
# closes the window the way a desktop does. Usage: play_in_real_window.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
display=""
cleanup() {
  [[ -n "${pid:-}" ]] && kill "$pid" 2>/dev/null || true
  [[ -n "${xpid:-}" ]] && kill "$xpid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 90 140); do
  if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=:$n; break; fi
done
Xvfb "$display" -screen 0 1024x768x24 -ac -nolisten tcp >/dev/null 2>&1 &
xpid=$!
export DISPLAY=$display SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "FAIL: $*"; exit 1; }
pixel() { convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
shot() { import -window root "$work/shot.png"; }

mkdir "$work/data"
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --name "GYROCK v1.00 by Kzoltner" | head -1) \
  || fail "the window never showed"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ "$WIDTH" == 625 && "$HEIGHT" == 482 ]] || fail "client area is ${WIDTH}x$HEIGHT"

# Stakko keeps the board upright, so its pixels are where we expect them.
xdotool mousemove $((X + 104 + 20)) $((Y + 192 + 30)) click 1   # opt_stakko
sleep 0.5
xdotool key Return                                            # its message box
sleep 0.5
xdotool mousemove $((X + 152 + 32 + 52)) $((Y + 192 + 56 + 24)) click 1   # NEW GAME
sleep 1.5
shot
wall=$(pixel $((X + 130)) $((Y + 420)))
IFS=, read -r r g b <<<"$wall"
(( r > 25 && r < 110 && g > 25 && g < 110 && b > 25 && b < 110 )) || fail "no grey wall at the board's left edge: $wall"
frame=$(pixel $((X + 240)) $((Y + 250)))
[[ "$frame" != "0,0,0" ]] || fail "the board is not drawn"

xdotool windowfocus --sync "$wid" key p
sleep 0.5
shot
# "PAUSED" is yellow text centred in its banner at (152,112) 177x33.
yellow=$(convert "$work/shot.png" -crop 177x33+$((X + 152))+$((Y + 112)) -fx "(r>0.8&&g>0.8&&b<0.3)?1:0" \
  -format "%[fx:int(mean*w*h)]" info:)
(( yellow > 50 )) || fail "PAUSED is not shown ($yellow yellow pixels)"

start=$(date +%s%N)
python3 "$here/../support/wm_close.py" "$wid"
for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "still running 2 s after the window was closed"
wait "$pid" && status=0 || status=$?
pid=""
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[[ $status == 0 ]] || fail "exit status $status"
[[ -s "$work/data/scores.txt" && -s "$work/data/prefs.txt" ]] || fail "files not saved at close"
echo "1 passed, 0 failed (closed in $elapsed ms)"
