#!/usr/bin/env bash
# Starts the game in a real window under Xvfb and photographs the loading screen until the
# sprite sheets are loaded: the loading text must show, and the progress sword must be
# seen at two or more places, further right each time. Then closes the game.
set -u
game=$1 data=$2 wm_close=$3
tmp=$(mktemp -d)
fail() { echo "FAIL: $*"; echo "--- log"; cat "$tmp/log" 2>/dev/null; echo "--- stderr"; cat "$tmp/err" 2>/dev/null; exit 1; }

for needed in strings.txt sfx graphics/agents/129.png; do
  if [ ! -e "$data/$needed" ]; then
    echo "data folder has no $needed yet: nothing to load, test not run"
    exit 0
  fi
done

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
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

(cd "$data" && exec "$game") >"$tmp/log" 2>"$tmp/err" &
game_pid=$!
window=$(timeout 60 xdotool search --sync --name '^Ironvale II$' | head -n 1)
[ -n "$window" ] || fail "no window titled 'Ironvale II'"

# Photographs until the loading is over; a photograph taken after "Done." may already
# show the menu, so only those taken before it count.
shots=0
for _ in $(seq 300); do
  grep -q $'^\t\tLoading sprite sheets...$' "$tmp/log" || { sleep 0.05; continue; }
  import -window "$window" "$tmp/shot$shots.png" 2>/dev/null || break
  grep -q $'^\t\t\tDone.$' "$tmp/log" && break
  shots=$((shots + 1))
done
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
echo "loading screen photographed ${#positions[@]} times with its text; sword at x = ${positions[*]}"
