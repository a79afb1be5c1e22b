#!/usr/bin/env bash
# The window opens at the largest half step of scale that fits the desktop, --scale chooses
# another, F10 goes through those that fit and keeps a page that waits for a key on screen.
set -u
game=$1 data=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/game_window.bash"

expect_size() {
  local size
  for _ in $(seq 20); do
    size=$(window_size)
    [ "$size" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2: the window is $size, not $1"
}

start_display 1920x1080
start_game
wait_for_line $'\t\tSuccess.' 600 || fail "start-up did not finish"
expect_size 1200x900 "on a 1920x1080 desktop"
sleep 1
# Up twice from the first item reaches the instructions, a page drawn once.
press Up Up space
wait_for_line $'\tOpen: instructions.txt' 100 || fail "no instructions page"
sleep 0.5
press F10
expect_size 800x600 "F10 after the largest scale"
shot="$tmp/page.png"
import -window "$window" "$shot"
bright=$(convert "$shot" -format '%[fx:mean>0.01]' info:)
[ "$bright" = 1 ] || fail "the page is gone after F10"
press F10
expect_size 1200x900 "F10 again"
close_game
stop_display
echo "1920x1080 desktop: 1200x900, F10 gives 800x600 and back, the page stays"

start_display 3840x2160
start_game --scale 2
wait_for_line $'\t\tSuccess.' 600 || fail "start-up did not finish"
expect_size 1600x1200 "--scale 2"
[ -n "${IRONVALE_SCREENSHOT:-}" ] && sleep 2 && import -window "$window" "$IRONVALE_SCREENSHOT"
close_game
echo "--scale 2: 1600x1200"
