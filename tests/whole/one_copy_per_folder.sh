#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# A second copy on a data folder in use brings the running copy to the front
# and ends with status 0; a copy on another folder runs on its own; a lock
# left by a killed copy does not stop the next start.
# Usage: one_copy_per_folder.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/whole.sh"

# The visible window of one process, once it shows.
window_of() { wait_until 30 window_of_pid "$1"; }
window_of_pid() { xdotool search --all --onlyvisible --pid "$1" --name GYROCK 2>/dev/null | head -1 | grep .; }
has_focus() { [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]; }

start_xvfb
mkdir "$work/one" "$work/other"
"$program" --data-dir "$work/one" >"$work/first.log" 2>&1 &
pid=$!
first=$(window_of "$pid") || fail "the first copy showed no window"
"$program" --data-dir "$work/other" >"$work/other.log" 2>&1 &
keys=$!                                 # the clean-up ends it like the program
other=$(window_of "$keys") || fail "a copy on another folder did not start"
xdotool windowfocus --sync "$other"

"$program" --data-dir "$work/one/." >"$work/second.log" 2>&1 &
wait_exit $! 10
[[ $EXIT_STATUS == 0 ]] || fail "the second copy on the folder: exit status $EXIT_STATUS"
wait_until 30 has_focus "$first" || fail "the running copy did not come to the front"
kill -0 "$pid" || fail "the first copy ended"
kill -0 "$keys" || fail "the copy on the other folder ended"

# Killed, it leaves its lock behind; the next copy starts regardless.
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
"$program" --data-dir "$work/one" >"$work/after-kill.log" 2>&1 &
pid=$!
wid=$(window_of "$pid") || fail "no start after a killed copy"
end_with close
[[ -s "$work/one/scores.txt" && -s "$work/one/prefs.txt" ]] || fail "the files were not saved"
echo "1 passed, 0 failed"
