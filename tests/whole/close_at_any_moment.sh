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
source "$(dirname "$0")/../../tools/xvfb.sh"
begin_session
fail() { echo "FAIL [${cases[$case]}]: $*"; sed 's/^/  log: /' "$work/$case/log" 2>/dev/null; exit 1; }

# start [PREFS]: a data folder of the case's own and the program on it. The
# files are given with bare LF line ends: a save writes CR LF, so a file that
# was written at the end can be told from one that was not.
start() {
  data=$work/$case
  prefs=${1:-'1\n0\n0\n1\n'}
  mkdir -p "$data"
  [[ -e "$data/scores.txt" ]] || low_table >"$data/scores.txt"
  printf "$prefs" >"$data/prefs.txt"
  "$program" --data-dir "$data" >"$data/log" 2>&1 &
  pid=$!
  wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
  window_geometry "$wid"
  focus_window "$wid" || fail "the window never got the keyboard"
}
new_game() { start_game "$wid" || fail "no game started"; }

# Ends the program with a close or the signal named: it must be gone within
# 10 s, with status 0.
end_with() {
  if [[ $1 == close ]]; then close_window "$wid"; else kill -"$1" "$pid"; fi
  wait_exit "$pid" 10
  pid=""
  [[ $EXIT_STATUS == 0 ]] || fail "exit status $EXIT_STATUS"
}
# Both files written back: the table as it was, prefs.txt as started or PREFS.
table_saved() { cmp -s <(low_table | sed 's/$/\r/') "$data/scores.txt" || fail "scores.txt: $(cat -A "$data/scores.txt")"; }
prefs_saved() { cmp -s <(printf "${1:-$prefs}" | sed 's/$/\r/') "$data/prefs.txt" || fail "prefs.txt: $(cat -A "$data/prefs.txt")"; }

# up_then_end GAME X Y NAME HOW: in a game or not (-), the click at (X, Y)
# brings up the window named so; then the end comes.
up_then_end() {
  start
  if [[ $1 == game ]]; then new_game; fi
  click_at "$2" "$3"
  wait_window "$4" >/dev/null || fail "nothing named $4 came up"
  end_with "$5"
  table_saved
  prefs_saved
}

name_typed_not_entered() {
  start
  new_game
  top_out || fail "the hall of fame never asked for a name"
  focus_window "$sid" || fail "the hall of fame never got the keyboard"
  xdotool key Tab
  xdotool type --delay 20 "Nobody"
  end_with close
  table_saved
}

# Options changed in the run reach the file whatever ends the program.
signal_in_a_game() {
  start '0\n0\n0\n1\n'
  click_at 532 204                    # OPTIONS; the Monochrome box's white indicator shows
  wait_until 10 lit "$wid" 8x8+417+277 '> 150' || fail "no options panel"
  click_at 426 284                    # Monochrome board
  click_at 572 352                    # OK
  new_game
  end_with "$1"
  table_saved
  prefs_saved '0\n0\n1\n1\n'
  window_gone '^gyrock$' || fail "a box came up"
}

# A folder where scores.txt should be: the save fails and the player is told,
# but a second close ends the program even while the notice is up; after a
# signal the failure is told on the terminal, with no box.
failed_save() {
  mkdir -p "$work/$case/scores.txt"
  start
  if [[ $1 == close ]]; then
    close_window "$wid"
    # The window has gone; the notice is all that is left to close.
    wid=$(wait_window '^gyrock$') || fail "no notice of the failed save"
  fi
  end_with "$1"
  prefs_saved
  grep -q "Could not save" "$data/log" || [[ $1 == close ]] || fail "the failure was not reported"
}

# A running game paused, or played with Down held, when the close comes.
in_a_game_then_close() {
  start
  new_game
  if [[ $1 == paused ]]; then
    xdotool key p
    wait_until 10 lit "$wid" 60x14+195+122 "> 60" || fail "PAUSED never showed"
  else
    xdotool keydown Down
  fi
  end_with close
  xdotool keyup Down
  table_saved
  prefs_saved
}

cases=(
  "up_then_end - 286 222 ^gyrock$ close"      # Stakko, which answers with a message
  "up_then_end game 532 324 ^gyrock$ close"   # RESTART, which asks
  "up_then_end game 532 244 ^scores$ close"   # HIGH SCORES
  "up_then_end - 532 244 ^scores$ TERM"
  name_typed_not_entered
  "signal_in_a_game TERM"
  "signal_in_a_game INT"
  "signal_in_a_game HUP"
  "in_a_game_then_close paused"
  "in_a_game_then_close falling"
  "failed_save close"
  "failed_save TERM"
)
start_xvfb
[[ ${2:-openbox} == none ]] || start_window_manager || { echo "no window manager"; exit 1; }
for case in "${!cases[@]}"; do
  echo "${cases[$case]}"
  ${cases[$case]}
done
echo "${#cases[@]} passed, 0 failed"
