#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# The program under a Wayland compositor (weston, headless): the compositor
# takes its window and shows it on its output, the program prints nothing but
# the protocol trace asked for, and SIGTERM, as a session that ends sends it,
# ends it cleanly.
# Usage: wayland.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/whole.sh"
fail() { echo "FAIL: $*"; echo "--- weston:"; cat "$work/weston.log"; echo "--- program:"; grep -v '^\[' "$work/err" || true; exit 1; }

# A compositor of our own, reachable only through a private runtime folder.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=gyrock-test --idle-time=0 --log="$work/weston.log" &
keys=$!                                 # the clean-up ends it like the program
wait_until 20 test -S "$XDG_RUNTIME_DIR/gyrock-test" || fail "weston did not open its socket"

# The client's side of the protocol is the one trace that shows the window
# being taken and shown: its title set, then the surface entering an output.
# In a sanitizer build: Qt's Wayland plugin and libwayland leave allocations at
# exit that LeakSanitizer cannot even name (the plugin is unloaded by then);
# the program's own leaks are looked for by the X11 and off-screen tests.
env -u DISPLAY WAYLAND_DISPLAY=gyrock-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" --data-dir "$work/data" >"$work/out" 2>"$work/err" &
pid=$!
shown() {
  process_ended "$pid" && fail "the program ended before its window was shown"
  awk '/xdg_toplevel@[0-9]+\.set_title\("GYROCK v1.00 by Kzoltner"\)/ { titled = 1 }
       titled && /wl_surface@[0-9]+\.enter\(wl_output@/ { found = 1 }
       END { exit !found }' "$work/err"
}
wait_until 30 shown || fail "the compositor never showed the window"

end_with TERM
[[ -f $work/data/prefs.txt && ! -e $work/data/.gyrock.lock ]] || fail "options not saved, or the folder left locked"
said=$(grep -v '^\[' "$work/err" "$work/out" || true)
[[ -z $said ]] || fail "the program said: $said"
echo "1 passed, 0 failed"
