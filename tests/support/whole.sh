# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Shared by the scripts that run the real program whole: the X session of
# tools/xvfb.sh, and the steps they all take with the program and its two
# files. Sourcing it makes the scratch folder $work, cleared on exit, and
# $log, where the program's output goes.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"
begin_session

# Fails the script, naming the row under way ($case) and showing the
# program's output and every other log in $work.
fail() { echo "FAIL${case:+ [$case]}: $*"; tail -n +1 "$log" "$work"/*.log 2>/dev/null; exit 1; }

# A hall of fame with three negative scores, so that a lost game, usually at
# 0 points, enters it and the test does not hang on luck. LF line ends: a
# save writes CR LF, so a file written at the end can be told from one that
# was not.
low_table() {
  local scores=(-30 -20 -10 5 10 20 40 80 160 320) names=(ten nine eight seven six five four three two one) k
  for k in "${!scores[@]}"; do printf '%s\n"%s"\n' "${scores[$k]}" "${names[$k]}"; done
}

# The file holds these lines (the low table unless given) as the program
# writes them, with CR LF line ends.
saved() { cmp -s <(printf '%s\n' "${2-$(low_table)}" | sed 's/$/\r/') "$1" || fail "$1 holds: $(cat -A "$1" 2>&1)"; }

# Ends the program with a close, as a window manager asks for it, or with the
# signal named: it must be gone within 10 s, with status 0.
end_with() {
  if [[ $1 == close ]]; then close_window "$wid"; else kill -"$1" "$pid"; fi
  wait_exit "$pid" 10
  pid=""
  [[ $EXIT_STATUS == 0 ]] || fail "exit status $EXIT_STATUS"
}

# Drops every piece straight down until the well tops out and the hall of
# fame asks for a name; sets sid to that window. The feeder finishes its round
# when told, so no Down is left held.
top_out() {
  touch "$work/feeding"
  ( while [[ -e "$work/feeding" ]]; do xdotool keydown Down; sleep 0.5; xdotool keyup Down; sleep 0.05; done ) &
  keys=$!
  sid=$(wait_window '^scores$' 90) || true
  rm "$work/feeding"
  wait "$keys" || true
  keys=""
  [[ -n $sid ]]
}
