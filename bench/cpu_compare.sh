#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
#
# Processor time of the game and the X server together, against a bare Qt
# window that repaints 480 x 480 every 25 ms, under Xvfb with a window manager
# (openbox). Rounds alternate the cases so that a busy machine weighs on all
# alike; the medians are printed with their ratio to the bare window.
# Usage: bench/cpu_compare.sh GYROCK BARE_WINDOW [SECONDS=10] [ROUNDS=3]
# BASELINE=OTHER_GYROCK measures each game case with that program too, right
# after the same case of GYROCK (rows "was ..."), to hold a change against
# what it replaces in the same run.
# Music is clear in every case (its decoding is not drawing). Cases: the bare
# window, a game in the turning mode, one in the upright mode, the bare window
# and a turning game with Left held down, a paused game, the game before a game.
# build/virtual_pad_gyrock as GYROCK measures the same with a pad plugged in.
set -euo pipefail
gyrock=${1:?usage: cpu_compare.sh GYROCK BARE_WINDOW [SECONDS] [ROUNDS]}
bare=${2:?usage: cpu_compare.sh GYROCK BARE_WINDOW [SECONDS] [ROUNDS]}
seconds=${3:-10}
rounds=${4:-3}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/xvfb.sh"
begin_session
start_xvfb
openbox >/dev/null 2>&1 & wm=$!
trap 'kill $wm 2>/dev/null || true; end_session' EXIT
sleep 1

# Nanoseconds on a processor, all threads of a process together.
cpu_ns() {
  local total=0 ran _
  for f in /proc/"$1"/task/*/schedstat; do
    read -r ran _ <"$f" 2>/dev/null || continue
    total=$((total + ran))
  done
  echo "$total"
}
# % of one core the program and the X server use over the next $seconds.
measure() {
  local p0 x0 p1 x1
  p0=$(cpu_ns "$pid"); x0=$(cpu_ns "$XVFB_PID")
  sleep "$seconds"
  p1=$(cpu_ns "$pid"); x1=$(cpu_ns "$XVFB_PID")
  awk -v d=$((p1 - p0 + x1 - x0)) -v s="$seconds" 'BEGIN { printf "%.3f", 100 * d / (s * 1e9) }'
}
rss_mb() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"; }

stop_program() {
  [[ -z "${pid:-}" ]] && return
  [[ -n "${wid:-}" ]] && close_window "$wid" 2>/dev/null || true
  wait_exit "$pid" 3
  if [[ $EXIT_STATUS == running ]]; then kill "$pid"; wait "$pid" 2>/dev/null || true; fi
  pid=""
}

open_program() {
  rm -rf "$work/data"; mkdir -p "$work/data"
  printf '0\r\n0\r\n0\r\n1\r\n' >"$work/data/prefs.txt"   # music, antialias, monochrome clear
  launch "$gyrock" --data-dir "$work/data" || { cat "$log"; exit 1; }
  window_geometry "$wid"
  sleep 1
}
# Started and given a second to settle before anything is measured.
new_game() { start_game "$wid" || { echo "NEW GAME did not start a game" >&2; exit 1; }; sleep 1; }
choose_stakko() {
  click_at 262 222
  # Without the box the click missed, and the upright figures would be the turning mode's.
  answer_message '^gyrock$' Return || { echo "choosing the upright mode showed no box" >&2; exit 1; }
  focus_window "$wid"
}

case_bare() {
  "$bare" >/dev/null 2>&1 & pid=$!
  wid=$(wait_window "bare window" 20)
  sleep 1
  measure
  stop_program
}
case_bare_arrow() {
  "$bare" >/dev/null 2>&1 & pid=$!
  wid=$(wait_window "bare window" 20)
  xdotool windowfocus --sync "$wid" keydown Left
  sleep 1
  measure
  xdotool keyup Left
  stop_program
}
case_idle() { open_program; measure; stop_program; }
case_turning() {
  open_program; new_game; measure
  rss_mb >"$work/rss"
  stop_program
}
case_upright() {
  open_program; choose_stakko; new_game
  [[ -n "${SHOT:-}" ]] && import -window root "$SHOT"
  measure; stop_program
}
case_arrow() {
  open_program; new_game
  xdotool keydown Left
  measure
  xdotool keyup Left
  stop_program
}
case_paused() { open_program; new_game; xdotool key p; sleep 0.5; measure; stop_program; }

cases=(bare turning upright bare_arrow arrow paused idle)
# CASES="bare upright" measures only those (the bare window's always comes first).
[[ -n "${CASES:-}" ]] && read -r -a cases <<<"$CASES"
declare -A results
for round in $(seq "$rounds"); do
  line="round $round:"
  for c in "${cases[@]}"; do
    v=$("case_$c")
    results[$c]="${results[$c]:-} $v"
    line="$line $c $v%"
    if [[ -n "${BASELINE:-}" && $c != bare* ]]; then
      v=$(gyrock=$BASELINE "case_$c")
      results[was_$c]="${results[was_$c]:-} $v"
      line="$line was_$c $v%"
    fi
  done
  echo "$line"
done

median() { tr ' ' '\n' | awk NF | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
base=$(echo "${results[bare]}" | median)
base_arrow=$(echo "${results[bare_arrow]:-}" | median)
echo "medians of $rounds rounds of ${seconds} s, program + X server, % of one core:"
rows=()
for c in "${cases[@]}"; do
  rows+=("$c")
  [[ -n "${BASELINE:-}" && $c != bare* ]] && rows+=("was_$c")
done
for c in "${rows[@]}"; do
  m=$(echo "${results[$c]}" | median)
  # An arrow held down costs every window its key events: held against the
  # bare window with the same arrow held.
  b=$base; [[ $c == arrow || $c == was_arrow ]] && b=$base_arrow
  awk -v c="$c" -v m="$m" -v b="$b" 'BEGIN { printf "  %-10s %7.3f%%  %5.2fx the bare window\n", c, m, (b > 0 ? m / b : 0) }'
done
[[ -f "$work/rss" ]] && echo "resident memory while playing (last round): $(cat "$work/rss") MB"
