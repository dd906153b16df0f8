# Shared by the scripts that drive the real program on an X server of its own.
# Source it, call begin_session, then start_xvfb.

here_support=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Starts Xvfb on a display it finds free itself (-displayfd): a server's
# abstract socket can be taken without any file in /tmp telling so, and a
# probe that finds someone else's server would hand that one to the test.
start_xvfb() {
  XVFB_LOG=$(mktemp)
  local number_file _
  number_file=$(mktemp)
  # -noreset: without it the server resets whenever its last client leaves,
  # and a client that connects just then can be turned away.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -ac -nolisten tcp -noreset 3>"$number_file" >"$XVFB_LOG" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s "$number_file" ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  XVFB_DISPLAY=:$(tr -dc '0-9' <"$number_file")
  rm -f "$number_file"
  if [[ $XVFB_DISPLAY == : ]]; then
    echo "Xvfb did not start:" >&2
    cat "$XVFB_LOG" >&2
    return 1
  fi
  export DISPLAY=$XVFB_DISPLAY SDL_AUDIODRIVER=dummy
  unset QT_QPA_PLATFORM
  for _ in $(seq 50); do
    kill -0 "$XVFB_PID" 2>/dev/null || break
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb on $XVFB_DISPLAY does not answer:" >&2
  cat "$XVFB_LOG" >&2
  return 1
}

stop_xvfb() {
  [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null || true
  [[ -n "${XVFB_LOG:-}" ]] && rm -f "$XVFB_LOG" || true
}

# Makes the scratch folder $work and cleans up on exit: ends the processes
# whose ids the caller keeps in $pid (the program) and $keys (a key feeder),
# stops the X server and removes $work, made writable first since a test may
# have locked parts of it.
begin_session() {
  work=$(mktemp -d)
  trap end_session EXIT
}

end_session() {
  local p
  for p in "${pid:-}" "${keys:-}"; do
    [[ -n "$p" ]] && kill "$p" 2>/dev/null || true
  done
  stop_xvfb
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}

# Prints the id of the visible window whose name matches the pattern, waiting
# up to SECONDS (10). Tells why when the server itself is gone.
wait_window() {
  local deadline=$((SECONDS + ${2:-10})) id
  while ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    if ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "the X server on $DISPLAY has ended:" >&2
      cat "$XVFB_LOG" >&2
      return 1
    fi
    sleep 0.1
  done
  return 1
}

# Sets X, Y, WIDTH and HEIGHT of a window (client area, screen coordinates).
window_geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }

# Left click at a point of the window whose top-left corner is (X, Y).
click_at() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

# Asks the window to close the way a window manager does.
close_window() { python3 "$here_support/wm_close.py" "$1"; }

# Waits up to SECONDS for the process (a child of this shell) to end and sets
# EXIT_STATUS to its status, or to "running" if it did not end. Not in $(...):
# a subshell cannot wait for its parent's children.
wait_exit() {
  local pid=$1 limit=${2:-2} _
  for _ in $(seq $((limit * 20))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$pid" 2>/dev/null; then EXIT_STATUS=running; return; fi
  wait "$pid" && EXIT_STATUS=0 || EXIT_STATUS=$?
}

# "r,g,b" (0-255) of one pixel of a PNG.
pixel_of() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
