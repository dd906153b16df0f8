#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# CPU use and resident memory of the real program over SECONDS of play and then
# of pause, and how late its timed wake-ups come, on an X server of its own.
# Usage: bench/cpu_while_playing.sh PROGRAM [SECONDS=20]
# A spinning loop would show 100% of one core; the game should stay near idle.
set -euo pipefail
program=${1:?usage: cpu_while_playing.sh PROGRAM [SECONDS]}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/xvfb.sh"
begin_session
start_xvfb

GYROCK_WAKE_LOG=$work/wake.txt launch "$program" --data-dir "$work" || { cat "$log"; exit 1; }
start_game "$wid" || { echo "NEW GAME did not start a game" >&2; exit 1; }
sleep 1

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
measure() {
  local before after
  before=$(cpu); sleep "$seconds"; after=$(cpu)
  awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f%% of one core\n", 100 * d / t / s }'
}
rss() { awk '/VmRSS/ {printf "%.1f MB", $2 / 1024}' "/proc/$pid/status"; }
# Hold Down now and then so pieces keep locking and rows keep being scanned.
( for _ in $(seq $((seconds * 2))); do xdotool keydown Down; sleep 0.2; xdotool keyup Down; sleep 0.3; done ) &
keys=$!
echo "playing: $(measure), resident $(rss)"
wait $keys || true
keys=""
xdotool windowfocus --sync "$wid" key p
sleep 0.5
echo "paused:  $(measure), resident $(rss)"
close_window "$wid"
wait "$pid" || true
pid=""
sort -n "$work/wake.txt" | awk '{ v[NR] = $1 } END {
  if (NR == 0) { print "wake-ups: none recorded"; exit }
  printf "wake-ups: %d timed, late by %.2f ms median, %.2f ms at the 99th percentile, %.2f ms at most\n",
         NR, v[int((NR + 1) / 2)] / 1000, v[(int(NR * 0.99) > 0) ? int(NR * 0.99) : 1] / 1000, v[NR] / 1000 }'
