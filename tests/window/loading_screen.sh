#!/usr/bin/env bash
# Starts the game in a real window under Xvfb and photographs the loading screen until the
# sprite sheets are loaded: the loading text must show, and the progress sword must be
# seen at two or more places, further right each time. Then closes the game.
set -u
game=$1 data=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/game_window.bash"

start_display
start_game

# Photographs until the loading is over; a photograph taken after "Done." may already
# show the menu, so only those taken before it count. Loading is quicker than a
# photograph, so the game runs in short steps and stands still while it is photographed.
shots=0
for _ in $(seq 1000); do
  kill -STOP "$game_pid"
  if grep -q $'^\t\tLoading sprite sheets...$' "$tmp/log"; then
    grep -q $'^\t\t\tDone.$' "$tmp/log" && break
    import -window "$window" "$tmp/shot$shots.png" 2>/dev/null || break
    shots=$((shots + 1))
  fi
  kill -CONT "$game_pid"
  sleep 0.01
done
kill -CONT "$game_pid"
grep -q $'^\t\t\tDone.$' "$tmp/log" || fail "no \"Done.\" one level inside \"Loading sprite sheets...\""

# The marker is 32 rows high from y = 400; its left edge is the first column that is not black.
positions=()
for ((i = 0; i < shots; i++)); do
  text=$(convert "$tmp/shot$i.png" -crop 800x40+0+195 +repage -format '%[fx:maxima.r]' info:)
  [ "$text" != 0 ] || continue
  left=$(convert "$tmp/shot$i.png" -crop 800x32+0+400 +repage -trim -format '%X' info: 2>/dev/null)
  [ -n "$left" ] && positions+=("${left#+}")
done
[ "${#positions[@]}" -ge 2 ] || fail "the loading screen was photographed ${#positions[@]} times with text and sword, need 2 (of $shots photographs)"
distinct=$(printf '%s\n' "${positions[@]}" | sort -n -u | wc -l)
[ "$distinct" -ge 2 ] || fail "the sword stood still at x = ${positions[*]}"
sorted=$(printf '%s\n' "${positions[@]}" | sort -n | tr '\n' ' ')
[ "$sorted" = "$(printf '%s\n' "${positions[@]}" | tr '\n' ' ')" ] || fail "the sword moved left: x = ${positions[*]}"

close_game
echo "loading screen photographed ${#positions[@]} times with its text; sword at x = ${positions[*]}"
