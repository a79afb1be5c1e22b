#!/usr/bin/env bash
# Starts the game in a real window under Xvfb and photographs the loading screen until the
# sprite sheets are loaded: the loading text must show, and the progress sword must be
# seen at two or more places, further right each time. Then closes the game.
set -u
game=$1 data=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/support/game_window.bash"

start_display
# The loading takes a fraction of a second, less than one photograph: the game is held
# still from the moment it starts loading, and let go a little between photographs.
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
(cd "$data" && exec "$game") >"$tmp/log" 2>"$tmp/err" &
game_pid=$!
loading=$'^\t\tLoading sprite sheets...$'
for _ in $(seq 3000); do grep -q "$loading" "$tmp/log" && break; sleep 0.005; done
kill -STOP "$game_pid"
grep -q "$loading" "$tmp/log" || fail "no \"Loading sprite sheets...\" one level inside \"Initialising all subsystems...\""
window=$(xdotool search --name '^Ironvale II$' | head -n 1)
[ -n "$window" ] || fail "no window titled 'Ironvale II' while loading"

# A photograph taken after "Done." may already show the menu, so only those taken before
# it count.
shots=0
for _ in $(seq 300); do
  grep -q $'^\t\t\tDone.$' "$tmp/log" && break
  import -window "$window" "$tmp/shot$shots.png" 2>/dev/null || break
  shots=$((shots + 1))
  kill -CONT "$game_pid"
  sleep 0.01
  kill -STOP "$game_pid"
done
kill -CONT "$game_pid"
wait_for_line $'\t\t\tDone.' 600 || fail "no \"Done.\" one level inside \"Loading sprite sheets...\""

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
