#!/usr/bin/env bash
# Installs the game into a temporary prefix and plays it as a player would: the launcher
# starts it in a real window under Xvfb with a folder of the player's own, the story opens
# through that folder, the game closes with status 0 and nothing under the prefix changed.
# Then, without a window: a story installed later appears, saved progress stays, the game's
# options pass through the launcher and XDG_DATA_HOME is obeyed.
set -u
cmake=$1 build=$2 wm_close=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../window/support/game_window.bash"

prefix="$tmp/prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
  fail "cmake --install failed: $(cat "$tmp/install.log")"
[ -x "$prefix/bin/ironvale" ] || fail "no launcher in bin/"
shared="$prefix/share/ironvale"
[ -s "$shared/Stories/index.txt" ] && [ -d "$shared/graphics" ] || fail "no data in share/ironvale"
for size in 48 64 128 256; do
  icon=$(ls "$prefix/share/icons/hicolor/${size}x$size/apps/"*.png 2>/dev/null)
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] ||
    fail "no ${size} px icon"
done
ls "$prefix"/share/applications/*.desktop "$prefix"/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "no desktop entry or metainfo"

snapshot() { (cd "$prefix" && find . -printf '%p %y %s %T@ %m\n' | sort); }
snapshot >"$tmp/before"

export HOME="$tmp/home"
unset XDG_DATA_HOME
mkdir -p "$HOME" "$tmp/elsewhere"
mine="$HOME/.local/share/ironvale"
story="Stories/The Ironvale Road"
game="$prefix/bin/ironvale" data="$tmp/elsewhere"
start_display
start_game
wait_for_line $'\t\tSuccess.' 600 || fail "start-up did not finish"
sleep 1
# The first item plays the story's first level, which opens with a page.
press space
wait_for_line $'\t\tOpen: Stories/The Ironvale Road/Village Duel/intro.txt' 100 ||
  fail "the story did not open"
# Whatever the game writes goes to its working folder.
[ "$(readlink -f "/proc/$game_pid/cwd")" = "$(readlink -f "$mine")" ] ||
  fail "the game does not run in $mine"
close_game
stop_display

[ -d "$mine" ] || fail "no folder of the player's at $mine"
[ -f "$mine/$story/save.txt" ] && [ ! -L "$mine/$story/save.txt" ] ||
  fail "the story's progress is not a file of the player's"
[ "$(readlink -f "$mine/$story/summary.txt")" = "$(readlink -f "$shared/$story/summary.txt")" ] ||
  fail "the story's levels are not linked from the shared data"
snapshot | diff "$tmp/before" - >"$tmp/changed" || fail "the prefix changed: $(cat "$tmp/changed")"
echo "installed, played from $mine, exit status 0, nothing written under the prefix"

# A later install adds a story; the player has made progress meanwhile.
cp -r "$shared/$story" "$shared/Stories/Second Road"
printf '\nSecond Road' >>"$shared/Stories/index.txt"
printf '3' >"$mine/$story/save.txt"
"$prefix/bin/ironvale" --help >"$tmp/help" 2>&1 || fail "--help through the launcher failed"
grep -q -- '--scale' "$tmp/help" || fail "the options do not pass through: $(cat "$tmp/help")"
(cd "$tmp/elsewhere" && "$prefix/bin/ironvale" --replay none.rec) >"$tmp/replay.log" 2>&1
grep -qF "Replay: Cannot read '$tmp/elsewhere/none.rec'" "$tmp/replay.log" ||
  fail "a recording is not looked for where the player named it: $(cat "$tmp/replay.log")"
[ -L "$mine/Stories/Second Road/summary.txt" ] || fail "a story installed later does not appear"
[ "$(cat "$mine/$story/save.txt")" = 3 ] || fail "saved progress was replaced"
XDG_DATA_HOME="$tmp/xdg" "$prefix/bin/ironvale" --help >/dev/null 2>&1 &&
  [ -L "$tmp/xdg/ironvale/Stories/index.txt" ] || fail "XDG_DATA_HOME is not obeyed"
echo "a later story appears, progress kept, options and recordings' paths pass through, XDG_DATA_HOME obeyed"
