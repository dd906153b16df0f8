# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Shared by the scripts that drive the real program on an X server of its own.
# Source it, call begin_session, then start_xvfb.

here_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Starts Xvfb on a display it finds free itself (-displayfd): a server's
# abstract socket can be taken without any file in /tmp telling so, and a
# probe that finds someone else's server would hand that one to the test.
# -noreset: without it the server resets whenever its last client leaves,
# and a client that connects just then can be turned away.
start_xvfb() {
  XVFB_LOG=$work/xvfb.log
  Xvfb -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp -noreset 3>"$work/display" >"$XVFB_LOG" 2>&1 &
  XVFB_PID=$!
  wait_until 10 test -s "$work/display" || true
  export DISPLAY=:$(tr -dc '0-9' <"$work/display") SDL_AUDIODRIVER=dummy
  unset QT_QPA_PLATFORM
  [[ $DISPLAY != : ]] && wait_until 10 x_answers && return 0
  echo "Xvfb on '$DISPLAY' did not start:" >&2
  cat "$XVFB_LOG" >&2
  return 1
}
x_answers() { xdpyinfo >/dev/null 2>&1; }

# Starts openbox on that server and waits until it manages the screen, as a
# desktop would: it decides which window gets the focus when one opens.
start_window_manager() {
  openbox >"$work/openbox.log" 2>&1 &
  wm=$!
  wait_until 10 wm_running || { echo "openbox did not start:" >&2; cat "$work/openbox.log" >&2; return 1; }
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Makes the scratch folder $work, with $log for the program's output, and
# cleans up on exit: ends the program
# ($pid) and a helper ($keys: a key feeder, another copy, a compositor),
# waiting for them since a program ended so saves its files first, stops the
# window manager ($wm) and the X server and removes $work, made writable
# first since a test may have locked parts of it.
begin_session() {
  work=$(mktemp -d)
  log=$work/log
  trap end_session EXIT
}
end_session() {
  local p
  for p in "${pid:-}" "${keys:-}"; do [[ -n "$p" ]] && kill "$p" 2>/dev/null || true; done
  for p in "${pid:-}" "${keys:-}"; do [[ -n "$p" ]] && wait_until 10 process_ended "$p" || true; done
  for p in "${wm:-}" "${XVFB_PID:-}"; do [[ -n "$p" ]] && kill "$p" 2>/dev/null || true; done
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}

# Runs the command until it succeeds, for up to SECONDS; fails after that,
# at once and telling why if the X server itself has ended.
wait_until() {
  local deadline=$(( ${EPOCHREALTIME//[.,]/} + $1 * 1000000 ))
  shift
  until "$@"; do
    if [[ -n "${XVFB_PID:-}" ]] && ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "the X server on ${DISPLAY:-} has ended:" >&2
      cat "$XVFB_LOG" >&2
      return 1
    fi
    (( ${EPOCHREALTIME//[.,]/} < deadline )) || return 1
    sleep 0.1
  done
}

# Prints the id of a visible window whose name matches the pattern, waiting
# up to SECONDS (30) for it to show, or waits for it to go.
window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }
window_gone() { ! window_id "$1" >/dev/null; }
wait_window() { wait_until "${2:-30}" window_id "$1"; }
wait_window_gone() { wait_until "${2:-30}" window_gone "$1"; }

# Starts the command, its output to $log, and waits for the game's main
# window: sets pid and wid, and fails when the window never shows.
launch() {
  "$@" >"$log" 2>&1 &
  pid=$!
  wid=$(wait_window "GYROCK v1.00 by Kzoltner")
}

# Gives the window the keyboard focus, as a window manager would, and waits
# until the server has it there: keys sent before then go to another window.
focus_window() { wait_until "${2:-30}" take_focus "$1"; }
take_focus() {
  [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]] && return 0
  xdotool windowfocus "$1" 2>/dev/null || true
  return 1
}

# Answers the message box named so with a key once it shows and has the
# keyboard, and waits until it is gone: a click that comes sooner is refused.
answer_message() {
  local box
  box=$(wait_window "$1") && focus_window "$box" && xdotool key "$2" && wait_window_gone "$1"
}

# Sets X, Y, WIDTH and HEIGHT of a window (client area, screen coordinates).
# xwininfo, not xdotool: under a reparenting window manager xdotool counts
# the frame twice and every click lands off by the title bar.
window_geometry() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 }
                                    /Width:/ { print "WIDTH=" $2 } /Height:/ { print "HEIGHT=" $2 }')"
}

# Left click at a point of the window whose top-left corner is (X, Y), or of
# the window given.
click_at() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
click_in() { window_geometry "$1"; click_at "$2" "$3"; }

# True when the mean brightness (0-255) of a region WxH+X+Y of the window
# passes the test, e.g. lit "$wid" 40x12+552+346 '> 150'.
lit() { (( $(import -window "$1" -crop "$2" -format '%[fx:int(255*mean)]' info:) $3 )); }
# "r,g,b" (0-255) of one pixel of a window (pixel_at) or a PNG (pixel_of).
pixel_at() { import -window "$1" -crop "1x1+$2+$3" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
pixel_of() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

# Clicks NEW GAME and waits until the button has given way to the board.
start_game() { click_in "$1" 236 272 && wait_until 10 lit "$1" 60x20+206+262 '< 120'; }

# Asks the window to close the way a window manager does, or asks whether
# it answers (prints the round trip in ms; fails after LIMIT seconds, 2).
close_window() { python3 "$here_tools/xwindow.py" close "$1"; }
ping_window() { python3 "$here_tools/xwindow.py" ping "$1" "${2:-2}"; }

# Waits up to SECONDS (10) for the process (a child of this shell) to end and
# sets EXIT_STATUS to its status, or to "running" if it did not end. Not in
# $(...): a subshell cannot wait for its parent's children.
wait_exit() {
  if wait_until "${2:-10}" process_ended "$1"; then
    wait "$1" && EXIT_STATUS=0 || EXIT_STATUS=$?
  else
    EXIT_STATUS=running
  fi
}
process_ended() { ! kill -0 "$1" 2>/dev/null; }
