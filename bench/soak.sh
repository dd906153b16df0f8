#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Plays the real program like a restless player for SECONDS: random keys, held
# arrows and clicks on every button, answering every question and hall-of-fame
# entry that comes up. Checks every 10 s that the window still answers and
# records resident memory; at the end closes the window and expects a clean
# exit and both files readable.
# Usage: bench/soak.sh PROGRAM [SECONDS=600] [SEED=$RANDOM]
set -euo pipefail
program=${1:?usage: soak.sh PROGRAM [SECONDS] [SEED]}
seconds=${2:-600}
seed=${3:-$RANDOM}
RANDOM=$seed
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/xvfb.sh"
begin_session
fail() { echo "FAIL after $(( $(date +%s) - begin )) s: $*"; exit 1; }

# Some negative scores, so that lost games at 0 points still reach name entry.
mkdir "$work/data"
for s in -50 -40 -30 -20 -10 10 20 40 80 160; do printf '%s\r\n"soak"\r\n' "$s"; done >"$work/data/scores.txt"

start_xvfb
GYROCK_WAKE_LOG=$work/wake.txt launch "$program" --data-dir "$work/data" || fail "the window never showed"
window_geometry "$wid"

# Every control of the main window, at its centre.
buttons=(
  "190 222"  # opt_gyrock
  "286 222"  # opt_stakko
  "236 272"  # NEW GAME
  "532 204"  # OPTIONS
  "532 244"  # HIGH SCORES
  "532 284"  # HELP
  "532 324"  # RESTART
  "430 220"  # opt_mus
  "440 252"  # opt_aa
  "440 284"  # opt_color
  "440 316"  # opt_remainp
  "508 352"  # Defaults
  "572 352"  # OK of the options
  "572 368"  # OK of the help
)
key_names=(Left Right Up Down Left Right Up Down p P space Return Tab Escape a)
actions=0 clicks=0 answered=0 names=0 newgames=0
rss() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }
pings=() rsses=()
begin=$(date +%s)
next_check=$begin
warm_rss=""

# Answers whatever modal window is up; returns 1 when there is none.
answer_dialogs() {
  local w
  w=$(xdotool search --onlyvisible --name '^scores$' 2>/dev/null | head -1 || true)
  if [[ -n "$w" ]]; then
    xdotool windowfocus --sync "$w" 2>/dev/null || return 0
    if (( RANDOM % 2 )); then
      xdotool key Tab ctrl+a type --delay 5 "p$RANDOM, \"x\""
      xdotool key shift+Tab
      names=$((names + 1))
    fi
    xdotool key space
    answered=$((answered + 1))
    return 0
  fi
  w=$(xdotool search --onlyvisible --name '^gyrock$' 2>/dev/null | head -1 || true)
  if [[ -n "$w" ]]; then
    xdotool windowfocus --sync "$w" 2>/dev/null || return 0
    case $((RANDOM % 3)) in
      0) xdotool key Return ;;          # the default button
      1) xdotool key Escape ;;          # No, where there is one
      2) xdotool key Tab space ;;       # the other button
    esac
    answered=$((answered + 1))
    return 0
  fi
  return 1
}

while (( $(date +%s) - begin < seconds )); do
  kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$log")"
  if (( $(date +%s) >= next_check )); then
    next_check=$((next_check + 10))
    ms=$(ping_window "$wid" 2) || fail "the window did not answer within 2 s"
    pings+=("$ms")
    r=$(rss); rsses+=("$r")
    (( $(date +%s) - begin >= 60 )) && [[ -z "$warm_rss" ]] && warm_rss=$r
  fi
  answer_dialogs && continue
  actions=$((actions + 1))
  if (( RANDOM % 10 < 4 )); then
    b=${buttons[$((RANDOM % ${#buttons[@]}))]}
    [[ $b == "236 272" ]] && newgames=$((newgames + 1))
    click_at $b
    clicks=$((clicks + 1))
  else
    xdotool windowfocus "$wid" 2>/dev/null || true
    k=${key_names[$((RANDOM % ${#key_names[@]}))]}
    if [[ $k == Down || $k == Left || $k == Right ]] && (( RANDOM % 3 == 0 )); then
      xdotool keydown "$k"; sleep 0.$((RANDOM % 9 + 1)); xdotool keyup "$k"
    else
      xdotool key "$k"
    fi
  fi
  sleep 0.0$((RANDOM % 9 + 1))
done

end_rss=$(rss)
close_window "$wid"
wait_exit "$pid" 3
status=$EXIT_STATUS
pid=""
[[ $status == 0 ]] || fail "exit status $status after the close"
[[ -s "$work/data/scores.txt" && -s "$work/data/prefs.txt" ]] || fail "files missing after the close"
[[ ! -e "$work/data/scores.txt.bak" && ! -e "$work/data/prefs.txt.bak" ]] || fail "a file was damaged: a .bak appeared"

[[ -n "$warm_rss" ]] || warm_rss=${rsses[0]}
max_rss=$(printf '%s\n' "${rsses[@]}" "$end_rss" | sort -n | tail -1)
max_ping=$(printf '%s\n' "${pings[@]}" | sort -n | tail -1)
echo "seed $seed, $seconds s: $actions actions ($clicks clicks, about $newgames on NEW GAME), $answered dialogs answered, $names names typed"
awk -v w="$warm_rss" -v m="$max_rss" -v e="$end_rss" 'BEGIN {
  printf "resident: %.1f MB after a minute, %.1f MB at most, %.1f MB at the end (%+.1f%%)\n", w / 1024, m / 1024, e / 1024, 100 * (m - w) / w }'
echo "window answered every ping, slowest ${max_ping} ms; clean exit after the close"
sort -n "$work/wake.txt" | awk '{ v[NR] = $1 } END {
  if (NR) printf "wake-ups: %d timed, late by %.2f ms median, %.2f ms at most\n", NR, v[int((NR + 1) / 2)] / 1000, v[NR] / 1000 }'
awk -v w="$warm_rss" -v m="$max_rss" 'BEGIN { exit !(m <= w * 1.10) }' || fail "memory grew by more than 10%"
echo "soak passed"
