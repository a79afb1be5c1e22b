#!/usr/bin/env bash
# Starts the game in a real window under Xvfb, checks the window and the start-up log,
# asks the window to close as a window manager does, and checks the shutdown and exit status.
set -u
game=$1 data=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/game_window.bash"

start_display
start_game
geometry=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
[ "$width" = 800 ] && [ "$height" = 600 ] || fail "window is ${width}x${height}, not 800x600"

# Start-up is over once the block of the subsystems closes.
wait_for_line $'\t\tSuccess.' 600 || fail "start-up did not finish"
[ -n "${IRONVALE_SCREENSHOT:-}" ] && import -window "$window" "$IRONVALE_SCREENSHOT"
close_game

# Each line of the log must match the pattern on the same line of the expected file.
mapfile -t patterns < <(sed 's/\\t/\t/g' "$here/startup_shutdown.expected")
mapfile -t lines <"$tmp/log"
[ "${#lines[@]}" = "${#patterns[@]}" ] || fail "log has ${#lines[@]} lines, expected ${#patterns[@]}"
for i in "${!patterns[@]}"; do
  [[ "${lines[$i]}" =~ ${patterns[$i]} ]] || fail "log line $((i + 1)) '${lines[$i]}' does not match '${patterns[$i]}'"
done
echo "window 800x600 'Ironvale II', ${#lines[@]} log lines as expected, exit status 0"
