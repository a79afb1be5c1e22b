#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "Biquad.h"

namespace contentgen {
// Helpers shared by the effect recipes: rendering a mono signal sample by sample and reshaping
// finished signals (trimming, speed curves, saturation, length fitting).
class Shaping {
public:
    using Mono = std::vector<float>;

    // Calls `sample(t)` for every sample of `seconds`, t in seconds.
    static Mono render(double seconds, const std::function<float(float t)>& sample);
    // Cuts leading and trailing parts quieter than `threshold`.
    static void trim(Mono& signal, float threshold);
    // Plays the signal back at a speed that moves linearly from `from` to `to` (1 = unchanged);
    // speed < 1 lowers the pitch and lengthens the sound. `wobble` adds vibrato depth at `wobble_hz`.
    static Mono warp(const Mono& signal, float from, float to, float wobble = 0.0f, float wobble_hz = 6.0f);
    // Soft clipping that thickens a sound without hard edges.
    static void saturate(Mono& signal, float drive);
    // Cuts to at most `max_seconds` (fading out) and pads with silence to at least `min_seconds`.
    static void fit(Mono& signal, double min_seconds, double max_seconds);
    static void normalise(Mono& signal, float target);
    static void fade(Mono& signal, double in_seconds, double out_seconds);
    // Runs the signal through one biquad filter.
    static void filter(Mono& signal, Biquad::Kind kind, float freq, float q, float gain_db = 0.0f);
    // Adds band-passed noise that follows the signal's loudness (an envelope follower at
    // `follow_hz`): breath riding on a voice.
    static void add_breath(Mono& signal, std::uint64_t seed, float level, float centre_hz, float q,
                           float follow_hz);
};
}
