#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Ends the real program while something else holds the screen (a message box,
# the hall of fame, a name typed but not entered, the notice of a failed save)
# and with each signal a session or a terminal sends. Every time it must end
# promptly with status 0, with both files written and an unconfirmed name left out.
# Usage: close_at_any_moment.sh PROGRAM [openbox|none]
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/whole.sh"

# start [PREFS]: a data folder of the row's own, holding the low table and
# the options given (music on by default), and the program on it.
start() {
  prefs=${1:-$'1\n0\n0\n1'}
  mkdir -p "$data"
  [[ -e "$data/scores.txt" ]] || low_table >"$data/scores.txt"
  printf '%s\n' "$prefs" >"$data/prefs.txt"
  launch "$program" --data-dir "$data" || fail "the window never showed"
  window_geometry "$wid"
  focus_window "$wid" || fail "the window never got the keyboard"
}
new_game() { start_game "$wid" || fail "no game started"; }
up() { click_at "$1" "$2" && wait_window "$3" >/dev/null || fail "nothing named $3 came up"; }

name_typed() {
  top_out || fail "the hall of fame never asked for a name"
  focus_window "$sid" || fail "the hall of fame never got the keyboard"
  xdotool key Tab
  xdotool type --delay 20 "Nobody"
}
paused() {
  xdotool key p
  wait_until 10 lit "$wid" 60x14+195+122 "> 60" || fail "PAUSED never showed"
}

# Options changed in the run reach the file whatever ends the program.
monochrome() {
  start $'0\n0\n0\n1'
  click_at 532 204                    # OPTIONS; the Monochrome box's white indicator shows
  wait_until 10 lit "$wid" 8x8+417+277 '> 150' || fail "no options panel"
  click_at 426 284                    # Monochrome board
  click_at 572 352                    # OK
  prefs=$'0\n0\n1\n1'
}

# A folder where scores.txt should be: the save fails and the player is told,
# but a second close ends the program even while the notice is up; after a
# signal the failure is told on the terminal, with no box.
no_table() { mkdir -p "$data/scores.txt"; }
notice() {
  close_window "$wid"
  # The window has gone; the notice is all that is left to close.
  wid=$(wait_window '^gyrock$') || fail "no notice of the failed save"
}
told() { grep -q "Could not save" "$log" || fail "the failure was not reported"; }

# What brings up what is on the screen | how the program is ended | what is
# checked after, besides both files.
rows=(
  "start; up 286 222 '^gyrock$'|close"              # Stakko, which answers with a message
  "start; new_game; up 532 324 '^gyrock$'|close"    # RESTART, which asks
  "start; new_game; up 532 244 '^scores$'|close"    # HIGH SCORES
  "start; up 532 244 '^scores$'|TERM"
  "start; new_game; name_typed|close"
  "monochrome; new_game|TERM"
  "monochrome; new_game|INT"
  "monochrome; new_game|HUP"
  "start; new_game; paused|close"
  "start; new_game; xdotool keydown Down|close|xdotool keyup Down"
  "no_table; start; notice|close"
  "no_table; start|TERM|told"
)
start_xvfb
[[ ${2:-openbox} == none ]] || start_window_manager || fail "no window manager"
for n in "${!rows[@]}"; do
  IFS='|' read -r steps how after <<<"${rows[$n]}"
  case="$steps, then $how"
  echo "$case"
  data=$work/$n
  log=$data/log
  eval "$steps"
  end_with "$how"
  eval "$after"
  [[ -d $data/scores.txt ]] || saved "$data/scores.txt"
  saved "$data/prefs.txt" "$prefs"
done
echo "${#rows[@]} passed, 0 failed"
