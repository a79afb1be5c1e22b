#!/usr/bin/env bash
# Assembling the data folder again copies new texts but keeps a player's saved progress.
set -eu
assemble=$1 font=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/src/Stories/Tale"
printf 'First\nSecond' >"$tmp/src/Stories/Tale/summary.txt"
printf '0' >"$tmp/src/Stories/Tale/save.txt"
run() { cmake -DSOURCE="$tmp/src" -DDEST="$tmp/out" -DFONT="$font" -P "$assemble" >/dev/null; }
run
[ "$(cat "$tmp/out/Stories/Tale/save.txt")" = 0 ] || { echo "FAIL: save.txt not copied"; exit 1; }
[ -s "$tmp/out/simfang.ttf" ] || { echo "FAIL: font not copied"; exit 1; }
printf '1' >"$tmp/out/Stories/Tale/save.txt"
printf 'First\nSecond\nThird' >"$tmp/src/Stories/Tale/summary.txt"
run
[ "$(cat "$tmp/out/Stories/Tale/save.txt")" = 1 ] || { echo "FAIL: saved progress overwritten"; exit 1; }
[ "$(tail -n 1 "$tmp/out/Stories/Tale/summary.txt")" = Third ] || { echo "FAIL: summary not updated"; exit 1; }
echo "saved progress kept, other files updated"
