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
work=$(mktemp -d)
weston_pid=""
pid=""
cleanup() {
  [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null || true
  [[ -n $weston_pid ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; echo "--- weston:"; cat "$work/weston.log"; echo "--- program:"; grep -v '^\[' "$work/err" || true; exit 1; }

# A compositor of our own, reachable only through a private runtime folder.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=gyrock-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --log="$work/weston.log" &
weston_pid=$!
deadline=$((SECONDS + 20))
until [[ -S $XDG_RUNTIME_DIR/$socket ]]; do
  kill -0 "$weston_pid" 2>/dev/null || fail "weston ended"
  ((SECONDS < deadline)) || fail "weston did not open its socket"
  sleep 0.1
done

# The client's side of the protocol is the one trace that shows the window
# being taken and shown: its title set, then the surface entering an output.
: >"$work/err"
# In a sanitizer build: Qt's Wayland plugin and libwayland leave allocations at
# exit that LeakSanitizer cannot even name (the plugin is unloaded by then);
# the program's own leaks are looked for by the X11 and off-screen tests.
env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$program" --data-dir "$work/data" >"$work/out" 2>"$work/err" &
pid=$!
shown() {
  awk '/xdg_toplevel@[0-9]+\.set_title\("GYROCK v1.00 by Kzoltner"\)/ { titled = 1 }
       titled && /wl_surface@[0-9]+\.enter\(wl_output@/ { found = 1 }
       END { exit !found }' "$work/err"
}
deadline=$((SECONDS + 30))
until shown; do
  kill -0 "$pid" 2>/dev/null || fail "the program ended before its window was shown"
  ((SECONDS < deadline)) || fail "the compositor never showed the window"
  sleep 0.1
done

kill -TERM "$pid"
deadline=$((SECONDS + 10))
while kill -0 "$pid" 2>/dev/null; do
  ((SECONDS < deadline)) || fail "SIGTERM did not end the program"
  sleep 0.05
done
wait "$pid" && status=0 || status=$?
pid=""
[[ $status == 0 ]] || fail "exit status $status after SIGTERM"
said=$(grep -v '^\[' "$work/err" "$work/out" || true)
[[ -z $said ]] || fail "the program said: $said"
echo "1 passed, 0 failed"
