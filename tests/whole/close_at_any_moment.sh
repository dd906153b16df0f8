#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Ends the real program while something else holds the screen (a message box,
# the hall of fame, the notice of a failed save) and with each signal a
# session or a terminal sends. Every time it must end promptly with status 0,
# with both files written and an unconfirmed name left out.
# Usage: close_at_any_moment.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/xvfb.sh"
begin_session
passed=0 failed=0

# The files are given with bare LF line ends: a save writes CR LF, so a file
# that was written at the close can be told from one that was not.
original_scores() {
  local scores=(-30 -20 -10 5 10 20 40 80 160 320) names=(ten nine eight seven six five four three two one) k
  for k in "${!scores[@]}"; do printf '%s\n"%s"\n' "${scores[$k]}" "${names[$k]}"; done
}
saved_scores() { original_scores | sed 's/$/\r/'; }

# start [PREFS]: a data folder of the case's own and the program on it.
start() {
  data=$work/$case
  mkdir -p "$data"
  [[ -e "$data/scores.txt" ]] || original_scores >"$data/scores.txt"
  printf "${1:-1\n0\n0\n1\n}" >"$data/prefs.txt"
  "$program" --data-dir "$data" >"$data/log" 2>&1 &
  pid=$!
  echo "$pid" >"$data/pid"
  wid=$(wait_window "GYROCK v1.00 by Kzoltner") || { echo "the window never showed"; return 1; }
  window_geometry "$wid"
  focus_window "$wid"
}

new_game() { start_game "$wid" || { echo "no game started"; return 1; }; }

# ended: the program is gone within the deadline, with status 0.
ended() {
  local start_ns=$(date +%s%N)
  wait_exit "$pid" 10
  pid=""
  [[ $EXIT_STATUS == 0 ]] || { echo "exit status $EXIT_STATUS"; return 1; }
  echo "  ended in $(( ($(date +%s%N) - start_ns) / 1000000 )) ms"
}

expect_file() {
  cmp -s <(printf "$2") "$data/$1" || { echo "$1 holds: $(cat -A "$data/$1")"; return 1; }
}
expect_scores_saved() { cmp -s <(saved_scores) "$data/scores.txt" || { echo "scores.txt: $(cat -A "$data/scores.txt")"; return 1; }; }

close_with_message_box() {
  start
  click_at 286 222                    # Stakko, which answers with a message
  wait_window '^gyrock$' >/dev/null || { echo "no Stakko message"; return 1; }
  close_window "$wid"
  ended
  expect_scores_saved
  expect_file prefs.txt '1\r\n0\r\n0\r\n1\r\n'
}

close_with_restart_question() {
  start '0\n0\n0\n1\n'
  new_game
  click_at 532 324                    # RESTART
  wait_window '^gyrock$' >/dev/null || { echo "no restart question"; return 1; }
  close_window "$wid"
  ended
  expect_scores_saved
  expect_file prefs.txt '0\r\n0\r\n0\r\n1\r\n'
}

close_with_table_open_in_a_game() {
  start
  new_game
  click_at 532 244                    # HIGH SCORES
  wait_window '^scores$' >/dev/null || { echo "no hall of fame"; return 1; }
  close_window "$wid"
  ended
  expect_scores_saved
}

signal_with_the_table_open() {
  start
  click_at 532 244                    # HIGH SCORES
  wait_window '^scores$' >/dev/null || { echo "no hall of fame"; return 1; }
  kill -TERM "$pid"
  ended
  expect_scores_saved
}

close_with_a_name_typed_but_not_entered() {
  start
  new_game
  # Dropping every piece straight down tops out the well in a few seconds;
  # a lost game's 0 beats the table's negative scores.
  ( while true; do xdotool keydown Down; sleep 0.5; xdotool keyup Down; sleep 0.05; done ) &
  keys=$!
  echo "$keys" >"$data/keys"
  sid=$(wait_window '^scores$' 90) || { echo "the hall of fame never asked for a name"; return 1; }
  kill "$keys"; wait "$keys" 2>/dev/null || true; keys=""
  xdotool keyup Down
  focus_window "$sid"
  xdotool key Tab
  xdotool type --delay 20 "Nobody"
  close_window "$wid"
  ended
  expect_scores_saved
}

# Options changed in the run reach the file whatever ends the program.
signal_during_a_game() {
  start '1\n0\n0\n1\n'
  click_at 532 204                    # OPTIONS; the Monochrome box's white indicator shows
  wait_until 10 lit "$wid" 8x8+417+277 '> 150' || { echo "no options panel"; return 1; }
  click_at 426 284                    # Monochrome board
  click_at 572 352                    # OK
  new_game
  kill -"$1" "$pid"
  ended
  expect_scores_saved
  expect_file prefs.txt '1\r\n0\r\n1\r\n1\r\n'
  if xdotool search --onlyvisible --name '^gyrock$' >/dev/null 2>&1; then echo "a box came up"; return 1; fi
}

# A folder where scores.txt should be: the save fails and the player is told,
# but a second close ends the program even while the notice is up.
second_close_ends_the_failed_save_notice() {
  mkdir -p "$work/$case/scores.txt"
  start
  close_window "$wid"
  wait_window '^gyrock$' >/dev/null || { echo "no notice of the failed save"; return 1; }
  close_window "$wid"
  ended
  expect_file prefs.txt '1\r\n0\r\n0\r\n1\r\n'
}

signal_after_a_failed_save_shows_no_box() {
  mkdir -p "$work/$case/scores.txt"
  start
  kill -TERM "$pid"
  ended
  grep -q "Could not save" "$data/log" || { echo "the failure was not reported"; return 1; }
}

cases=(
  close_with_message_box
  close_with_restart_question
  close_with_table_open_in_a_game
  signal_with_the_table_open
  close_with_a_name_typed_but_not_entered
  "signal_during_a_game TERM"
  "signal_during_a_game INT"
  "signal_during_a_game HUP"
  second_close_ends_the_failed_save_notice
  signal_after_a_failed_save_shows_no_box
)

start_xvfb
for entry in "${cases[@]}"; do
  case=${entry// /_}
  echo "$entry"
  # Each case in a subshell of its own that stops at its first failing step.
  set +e
  ( set -e; $entry )
  status=$?
  set -e
  if ((status == 0)); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $entry"
    [[ -f "$work/$case/log" ]] && sed 's/^/  log: /' "$work/$case/log"
  fi
  # Nothing of a failed case may linger into the next one.
  for leftover in "$work/$case/pid" "$work/$case/keys"; do
    [[ -f $leftover ]] && kill -9 "$(cat "$leftover")" 2>/dev/null || true
  done
done
echo "$passed passed, $failed failed"
((failed == 0))
