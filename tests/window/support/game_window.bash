# Shared by the window tests: a private Xvfb display, the game started in it, and closing
# the game as a window manager does. Source it after setting game, data and wm_close.
tmp=$(mktemp -d)
game_pid=""
xvfb_pid=""

fail() {
  echo "FAIL: $*"
  echo "--- log"; cat "$tmp/log" 2>/dev/null
  echo "--- stderr"; cat "$tmp/err" 2>/dev/null
  exit 1
}

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Starts a private X server whose screen is $1 (1024x768 unless given).
start_display() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  [ -s "$tmp/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$tmp/display")"
}

stop_display() {
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=""
  rm -f "$tmp/display"
}

# Starts the game in its data folder with the options given, logging to $tmp/log, and
# sets `window` to its window.
start_game() {
  unset SDL_VIDEODRIVER
  export SDL_AUDIODRIVER=dummy
  # In a sanitizer build, the X11 client libraries' own allocations at exit are not ours
  # to judge (some come from modules already unloaded); the unit tests check our leaks.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
  (cd "$data" && exec "$game" "$@") >"$tmp/log" 2>"$tmp/err" &
  game_pid=$!
  window=$(timeout 60 xdotool search --sync --name '^Ironvale II$' | head -n 1)
  [ -n "$window" ] || fail "no window titled 'Ironvale II'"
}

# Presses keys in the game's window, as a player does (xdotool key names).
press() {
  xdotool windowfocus --sync "$window" key --delay 150 "$@"
}

# The size of the window's picture, as "WIDTHxHEIGHT".
window_size() {
  xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'
}

# Waits until the log has a line equal to $1 (at most $2 tenths of a second).
wait_for_line() {
  for _ in $(seq "$2"); do grep -qxF -- "$1" "$tmp/log" && return 0; sleep 0.1; done
  return 1
}

# Asks the window to close and expects the game to exit with status 0. A window that is
# still being set up may miss the first request; ask again as a patient window manager would.
close_game() {
  for _ in $(seq 10); do
    "$wm_close" "Ironvale II" || fail "could not send the close request"
    for _ in $(seq 20); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2>/dev/null || break
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit on the close request"
  wait "$game_pid"
  local status=$?
  game_pid=""
  [ "$status" = 0 ] || fail "exit status $status"
}

# Sends the game a signal (TERM or INT), as a session's logout does, and expects it to exit
# with status 0.
signal_game() {
  kill -"$1" "$game_pid"
  for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit on SIG$1"
  wait "$game_pid"
  local status=$?
  game_pid=""
  [ "$status" = 0 ] || fail "exit status $status after SIG$1"
}

# Expects the log to end with the lines given, tabs written as \t.
log_ends_with() {
  local expected actual
  expected=$(printf '%b\n' "$@")
  actual=$(tail -n "$#" "$tmp/log")
  [ "$actual" = "$expected" ] || fail "the log does not end with:"$'\n'"$expected"
}
