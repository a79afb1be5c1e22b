#!/usr/bin/env bash
# Starts the game in a real window under Xvfb, checks the window and the start-up log,
# asks the window to close as a window manager does, and checks the shutdown and exit status.
set -u
game=$1 data=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
fail() { echo "FAIL: $*"; echo "--- log"; cat "$tmp/log" 2>/dev/null; echo "--- stderr"; cat "$tmp/err" 2>/dev/null; exit 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
game_pid=""
cleanup() { [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null; kill "$xvfb" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$tmp/display")"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
# In a sanitizer build, the X11 client libraries' own allocations at exit are not ours to
# judge (some come from modules already unloaded); the unit tests check our leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

(cd "$data" && exec "$game") >"$tmp/log" 2>"$tmp/err" &
game_pid=$!

window=$(timeout 60 xdotool search --sync --name '^Ironvale II$' | head -n 1)
[ -n "$window" ] || fail "no window titled 'Ironvale II'"
geometry=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
[ "$width" = 800 ] && [ "$height" = 600 ] || fail "window is ${width}x${height}, not 800x600"

# Start-up is over once the block of the subsystems closes.
for _ in $(seq 600); do grep -qx $'\t\tSuccess.' "$tmp/log" && break; sleep 0.1; done
grep -qx $'\t\tSuccess.' "$tmp/log" || fail "start-up did not finish"
[ -n "${IRONVALE_SCREENSHOT:-}" ] && import -window "$window" "$IRONVALE_SCREENSHOT"

# A window that is still being set up may miss the first request; ask again as a
# patient window manager would.
for _ in $(seq 10); do
  "$wm_close" "Ironvale II" || fail "could not send the close request"
  for _ in $(seq 20); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null || break
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit on the close request"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "exit status $status"

# Each line of the log must match the pattern on the same line of the expected file.
mapfile -t patterns < <(sed 's/\\t/\t/g' "$here/startup_shutdown.expected")
mapfile -t lines <"$tmp/log"
[ "${#lines[@]}" = "${#patterns[@]}" ] || fail "log has ${#lines[@]} lines, expected ${#patterns[@]}"
for i in "${!patterns[@]}"; do
  [[ "${lines[$i]}" =~ ${patterns[$i]} ]] || fail "log line $((i + 1)) '${lines[$i]}' does not match '${patterns[$i]}'"
done
echo "window 800x600 'Ironvale II', ${#lines[@]} log lines as expected, exit status 0"
