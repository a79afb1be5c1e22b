#!/usr/bin/env bash
# Without a usable video driver the game halts at once with the screen's message and status 1.
set -u
game=$1 data=$2
log=$(cd "$data" && SDL_VIDEODRIVER=no-such-driver SDL_AUDIODRIVER=dummy "$game")
status=$?
expected=$'Ironvale 2 launched\n\tInitialising all subsystems...\n\t\tGraphics: SDL failed to initialise'
if [ "$status" != 1 ] || [ "$log" != "$expected" ]; then
  echo "FAIL: exit status $status, log:"
  printf '%s\n' "$log"
  exit 1
fi
echo "halted with status 1 and the expected log"
