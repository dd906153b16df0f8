#!/usr/bin/env bash
# CPU use of the real program over SECONDS of play and then of pause, on an X
# server of its own. Usage: bench/cpu_while_playing.sh PROGRAM [SECONDS=20]
# A spinning loop would show 100% of one core; the game should stay near idle.
set -euo pipefail
program=${1:?usage: cpu_while_playing.sh PROGRAM [SECONDS]}
seconds=${2:-20}
work=$(mktemp -d)
cleanup() { kill "${pid:-}" "${xpid:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
for n in $(seq 150 190); do [[ -e /tmp/.X$n-lock ]] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -ac -nolisten tcp >/dev/null 2>&1 & xpid=$!
export DISPLAY=$display SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

start=$(date +%s%N)
"$program" --data-dir "$work" >/dev/null 2>&1 & pid=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --name GYROCK | head -1)
echo "window shown after $(( ($(date +%s%N) - start) / 1000000 )) ms"
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 236)) $((Y + 272)) click 1   # NEW GAME
sleep 1

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
measure() {
  local before after
  before=$(cpu); sleep "$seconds"; after=$(cpu)
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f%% of one core\n", 100 * d / t / s }'
}
# Hold Down now and then so pieces keep locking and rows keep being scanned.
( for _ in $(seq $((seconds * 2))); do xdotool keydown Down; sleep 0.2; xdotool keyup Down; sleep 0.3; done ) &
keys=$!
echo "playing: $(measure), resident $(awk '/VmRSS/ {print $2 / 1024 " MB"}' /proc/$pid/status)"
wait $keys || true
xdotool windowfocus --sync "$wid" key p
sleep 0.5
echo "paused:  $(measure)"
python3 "$(dirname "$0")/../tests/support/wm_close.py" "$wid"
wait "$pid"
