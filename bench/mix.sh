#!/bin/bash
# Records the sound of a busy fight in the rain with music (build/bench/MixBench) four
# times at once, the whole mix and each part alone, and measures each recording with sox:
# its loudness (RMS) and peak, how many samples reach full scale (clipped) and in how many
# seconds. The recordings play in real time.
#
# Usage: bench/mix.sh [SECONDS [DATA_FOLDER [BUILD_FOLDER]]]
#   defaults: 150, build/data, build; MIX_OUT=folder keeps the recordings there.
set -euo pipefail
seconds=${1:-150}
data=${2:-build/data}
build=${3:-build}
out=${MIX_OUT:-$(mktemp -d)}
mkdir -p "$out"
raw=(-t raw -r 22050 -e signed -b 16 -c 2)
# The first two seconds are the sound device opening while the pictures load.
skip=2
parts=(all music loops effects)

for part in "${parts[@]}"; do
  only=()
  [[ $part == all ]] || only=(--only "$part")
  "$build/bench/MixBench" "$data" "$out/$part.raw" --seconds "$seconds" "${only[@]}" 2>/dev/null &
done
wait

printf '%-8s %9s %10s %9s %16s\n' part "RMS dBFS" "peak dBFS" clipped "clipped seconds"
for part in "${parts[@]}"; do
  file=$out/$part.raw
  stats=$(sox "${raw[@]}" "$file" -n trim "$skip" stats 2>&1)
  rms=$(awk '/^RMS lev dB/ {print $4}' <<<"$stats")
  peak=$(awk '/^Pk lev dB/ {print $4}' <<<"$stats")
  # A 16-bit sample at full scale reads as 1 or -1 (32767 as 0.99997).
  read -r clipped clipped_seconds < <(sox "${raw[@]}" "$file" -t dat - trim "$skip" |
    awk 'function full(x) { return x >= 0.9999 || x <= -0.9999 }
         !/^;/ { k = full($2) + full($3); if (k) { n += k; s[int($1)] = 1 } }
         END { print n + 0, length(s) + 0 }')
  printf '%-8s %9s %10s %9s %16s\n' "$part" "$rms" "$peak" "$clipped" "$clipped_seconds"
done
[[ -n ${MIX_OUT:-} ]] || rm -rf "$out"
