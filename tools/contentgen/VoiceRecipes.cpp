#include "VoiceRecipes.h"

#include <cmath>
#include <string>

#include "Biquad.h"
#include "Reverb.h"
#include "Shaping.h"
#include "Voice.h"
#include "Wander.h"

namespace contentgen {
namespace {
using Mono = Shaping::Mono;

// Breath noise under the voice makes a synthetic syllable sound strained.
void add_breath(Mono& s, std::uint64_t seed, float level) {
    Shaping::add_breath(s, seed, level, 1800.0f, 0.7f, 30.0f);
}

// Fast uneven wavering of loudness: the strain of a throat forced by pain.
void roughen(Mono& s, std::uint64_t seed, float depth) {
    Wander shake(seed + 5, 45.0f);
    for (float& x : s) x *= 1.0f - depth + 2.0f * depth * shake.next();
}

Wave place(const Mono& s, float pan, float wet, float room) {
    Wave w;
    w.add_mono(s, 0, 1.0f, pan);
    if (wet > 0.0f) {
        Reverb reverb(room, 0.4f, 0.78f);
        const std::size_t n = w.frames();
        reverb.apply(w, wet, 0.25);
        w.resize(n);  // the caller's length limit rules; the tail was only for the reverb's build-up
    }
    w.fade_edges(0.004, 0.05);
    w.normalise(0.7f);
    return w;
}

Voice::Settings male(int pitch, int rate) { return {"en+m3", pitch, 40, rate}; }
}

Wave VoiceRecipes::grunt(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = Voice::speak(p.text, male(static_cast<int>(p.a), 260));
    Shaping::trim(s, 0.01f);
    s = Shaping::warp(s, p.b, p.b * 0.85f);
    add_breath(s, seed, 0.5f);
    roughen(s, seed, 0.2f);
    Shaping::filter(s, Biquad::Kind::HIGHPASS, 90.0f, 0.7f);
    Shaping::filter(s, Biquad::Kind::LOWPASS, 3200.0f, 0.7f);
    Shaping::saturate(s, 2.5f);
    Shaping::fit(s, 0.2, p.c);
    Shaping::fade(s, 0.003, 0.06);
    return place(s, 0.0f, 0.15f, 0.4f);
}

Wave VoiceRecipes::death_cry(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = Voice::speak(p.text, {"en+m3", static_cast<int>(p.a), 70, 90});
    Shaping::trim(s, 0.01f);
    // The cry sinks and slows as the man falls.
    s = Shaping::warp(s, 0.95f, p.b, 0.02f, 5.5f);
    add_breath(s, seed, 0.6f);
    roughen(s, seed, 0.25f);
    Shaping::filter(s, Biquad::Kind::HIGHPASS, 100.0f, 0.7f);
    Shaping::filter(s, Biquad::Kind::PEAK, 1100.0f, 1.0f, 4.0f);
    Shaping::filter(s, Biquad::Kind::LOWPASS, 3500.0f, 0.7f);
    Shaping::saturate(s, 3.0f);
    Shaping::fit(s, 0.6, p.c);
    Shaping::fade(s, 0.004, 0.25);
    return place(s, 0.0f, 0.3f, 0.6f);
}

Wave VoiceRecipes::scream(std::uint64_t seed, const SoundEffects::Params& p) {
    const std::string voice = "en+f" + std::to_string(static_cast<int>(p.b));
    Mono s = Voice::speak(p.text, {voice, 99, 90, 110});
    Shaping::trim(s, 0.01f);
    // A fast tremble of pitch is what makes a held vowel sound frightened.
    s = Shaping::warp(s, p.a, p.a * 1.06f, 0.035f, 7.5f);
    add_breath(s, seed, 0.2f);
    Shaping::filter(s, Biquad::Kind::HIGHPASS, 250.0f, 0.7f);
    Shaping::filter(s, Biquad::Kind::PEAK, 2800.0f, 1.2f, 5.0f);
    Shaping::saturate(s, 2.0f);
    Shaping::fit(s, 0.5, p.c);
    Shaping::fade(s, 0.004, 0.15);
    return place(s, 0.0f, 0.25f, 0.5f);
}

Wave VoiceRecipes::taunt(std::uint64_t seed, const SoundEffects::Params& p) {
    Mono s = Voice::speak(p.text, {"en+m1", 5, 30, static_cast<int>(p.c)});
    Shaping::trim(s, 0.01f);
    s = Shaping::warp(s, p.a, p.a);
    // A second, slightly slower copy of the voice thickens it into something inhuman.
    const Mono twin = Shaping::warp(s, 0.97f, 0.97f);
    Mono mixed(twin.size());
    for (std::size_t i = 0; i < twin.size(); ++i) mixed[i] = twin[i] * 0.6f + (i < s.size() ? s[i] : 0.0f);
    add_breath(mixed, seed, 0.3f);
    Shaping::filter(mixed, Biquad::Kind::PEAK, 180.0f, 0.8f, 6.0f);
    Shaping::filter(mixed, Biquad::Kind::LOWPASS, 2800.0f, 0.7f);
    Shaping::saturate(mixed, 1.8f);
    Shaping::fit(mixed, 1.0, 2.6);
    Wave w;
    w.add_mono(mixed, 0, 1.0f, 0.0f);
    Reverb hall(1.3f, 0.5f, 0.84f);
    hall.apply(w, p.b, 0.4);
    if (w.seconds() > 3.0) w.resize(static_cast<std::size_t>(2.95 * Wave::RATE));
    w.fade_edges(0.004, 0.3);
    w.normalise(0.7f);
    return w;
}
}
