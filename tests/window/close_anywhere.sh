#!/usr/bin/env bash
# A request to close the window ends the game in order (the usual shutdown, exit status 0)
# wherever it comes: on the intro page, inside a level, on the instructions page; so does
# SIGTERM inside a level.
set -u
game=$1 data=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/game_window.bash"

level=$'\t\tOpen: Stories/The Ironvale Road/Village Duel/level.txt'
closing='\t\tStory: Level closed: the game is closing'
shutdown=('\tShutting down all subsystems...' '\t\tSuccess.')

# Starts the game and waits for the menu.
to_menu() {
  start_game
  wait_for_line $'\t\tSuccess.' 600 || fail "start-up did not finish"
  # The menu drops what was pressed before it opened.
  sleep 1
}

# Space on the first item plays the story's first level, which opens with a page.
to_intro() {
  to_menu
  press space
  wait_for_line $'\t\tOpen: Stories/The Ironvale Road/Village Duel/intro.txt' 100 ||
    fail "no intro page"
  sleep 0.5
}

to_level() {
  to_intro
  press space
  wait_for_line "$level" 100 || fail "the level did not start"
  sleep 1
}

start_display

to_intro
close_game
log_ends_with "$closing" "${shutdown[@]}"
grep -qxF "$level" "$tmp/log" && fail "the level started after the intro page was closed"
echo "intro page: closed in order"

to_level
close_game
log_ends_with "$closing" "${shutdown[@]}"
echo "level: closed in order"

to_menu
# Up twice from the first item reaches the instructions.
press Up Up space
wait_for_line $'\tOpen: instructions.txt' 100 || fail "no instructions page"
sleep 0.5
close_game
log_ends_with "${shutdown[@]}"
grep -q 'Story: Starting level' "$tmp/log" && fail "a level started from the instructions page"
echo "instructions page: closed in order"

to_level
signal_game TERM
log_ends_with "$closing" "${shutdown[@]}"
echo "level: SIGTERM ends it in order"
