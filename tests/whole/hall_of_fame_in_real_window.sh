#!/usr/bin/env bash
# A whole game in the real window: plays until the stack reaches the top,
# enters a name in the hall of fame, changes an option, closes the program and
# reads both files back. Usage: hall_of_fame_in_real_window.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; [[ -f "$work/log" ]] && cat "$work/log"; exit 1; }

# A lost game usually ends at 0 points, which ranks only above a negative
# score; the prepared table has three, so the test does not hang on luck.
mkdir "$work/data"
scores=(-30 -20 -10 5 10 20 40 80 160 320)
names=(ten nine eight seven six five four three two one)
for k in "${!scores[@]}"; do printf '%s\r\n"%s"\r\n' "${scores[$k]}" "${names[$k]}"; done >"$work/data/scores.txt"
# Music off, antialias on, monochrome on, remain paused off.
printf '0\r\n1\r\n1\r\n0\r\n' >"$work/data/prefs.txt"

start_xvfb
"$program" --data-dir "$work/data" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the window never showed"
window_geometry "$wid"

click_at 286 222                      # opt_stakko
msg=$(wait_window '^gyrock$' 5) || fail "no Stakko message"
xdotool windowfocus --sync "$msg" key Return
sleep 0.3
click_at 236 272                      # NEW GAME

# Dropping every piece straight down tops out the well in a few seconds.
( while true; do xdotool keydown Down; sleep 0.5; xdotool keyup Down; sleep 0.05; done ) &
keys=$!
sid=$(wait_window '^scores$' 90) || fail "the hall of fame never asked for a name"
kill "$keys"; wait "$keys" 2>/dev/null || true; keys=""
xdotool keyup Down

# The focus starts on OK; the name box comes next in the tab order. The
# pauses let the program take the focus in before the keys arrive: keys
# that beat it go to the blocked game window and are lost.
name='Zed, "the" tester'
sleep 0.5
xdotool windowfocus --sync "$sid"
sleep 0.3
xdotool key Tab ctrl+a
xdotool type --delay 20 "$name"
xdotool key shift+Tab space           # OK: enters the name, shows the table
sleep 0.5
xdotool key space                     # OK again: back to the game window
within() { local limit=$1 _; shift; for _ in $(seq $((limit * 10))); do "$@" && return 0; sleep 0.1; done; return 1; }
scores_gone() { ! xdotool search --onlyvisible --name '^scores$' >/dev/null; }
within 5 scores_gone || fail "the scores window stayed open"

# Saved at once, before the program is closed.
within 5 grep -q '^"Zed, ""the"" tester"' "$work/data/scores.txt" ||
  fail "the new entry was not saved right away: $(cat -A "$work/data/scores.txt")"

# Antialias off through the options panel.
click_at 532 204                      # OPTIONS
sleep 0.3
click_at 426 252                      # opt_aa
click_at 572 352                      # OK
sleep 0.3

close_window "$wid"
wait_exit "$pid" 3
status=$EXIT_STATUS
pid=""
[[ $status == 0 ]] || fail "exit status $status"

expected=$work/expected.txt
scores=(-20 -10 0 5 10 20 40 80 160 320)
names=(nine eight 'Zed, ""the"" tester' seven six five four three two one)
for k in "${!scores[@]}"; do printf '%s\r\n"%s"\r\n' "${scores[$k]}" "${names[$k]}"; done >"$expected"
cmp -s "$expected" "$work/data/scores.txt" || {
  diff <(cat -A "$expected") <(cat -A "$work/data/scores.txt") || true
  fail "scores.txt is not the table with the new entry"
}
[[ "$(cat "$work/data/prefs.txt")" == $'0\r\n0\r\n1\r\n0\r' ]] || fail "prefs.txt: $(cat -A "$work/data/prefs.txt")"
[[ ! -e "$work/data/scores.txt.bak" && ! -e "$work/data/prefs.txt.bak" ]] || fail "a sound file was backed up"
echo "1 passed, 0 failed"
