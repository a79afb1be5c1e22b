#include "Instrument.h"

#include <algorithm>
#include <cmath>

#include "Biquad.h"
#include "OnePole.h"
#include "Noise.h"
#include "Oscillator.h"
#include "Rng.h"
#include "Wave.h"

namespace contentgen {
namespace {
// Filter designs cost a few trigonometric calls: sweeps update them every few samples only.
constexpr std::size_t CONTROL_STEP = 32;

// Sustained-note envelope: linear attack, hold, then an exponential-looking release.
float sustain(float t, float held, float attack, float release) {
    if (t < attack) return t / attack;
    if (t < held) return 1.0f;
    const float r = (t - held) / release;
    return r >= 1.0f ? 0.0f : (1.0f - r) * (1.0f - r);
}

std::size_t samples(float seconds) { return static_cast<std::size_t>(seconds * Wave::RATE); }

// Even a plucked or struck note needs a moment's rise and fall, or it clicks.
void fade_ends(std::vector<float>& s, float in_seconds, float out_seconds) {
    const std::size_t in = std::min(samples(in_seconds), s.size());
    const std::size_t out = std::min(samples(out_seconds), s.size());
    for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}
}

std::vector<float> Instrument::render(Kind kind, float freq, float seconds, float velocity, std::uint64_t seed) {
    switch (kind) {
    case Kind::PLUCK: return pluck(freq, seconds, velocity, seed);
    case Kind::BOWED: return bowed(freq, seconds, velocity, seed);
    case Kind::BRASS: return brass(freq, seconds, velocity, seed);
    case Kind::CHOIR: return choir(freq, seconds, velocity, seed);
    case Kind::DRUM: return drum(freq, velocity, seed);
    }
    return {};
}

std::vector<float> Instrument::pluck(float freq, float seconds, float velocity, std::uint64_t seed) {
    // A delay line one period long, filled with noise and averaged on every pass: the
    // averaging darkens and damps the string as a real one does.
    const float ring = std::clamp(seconds + 0.8f, 0.5f, 2.2f);
    std::vector<float> out(samples(ring));
    // The two-point average delays by half a sample: take that off the line's length.
    const std::size_t len = std::max<std::size_t>(2, static_cast<std::size_t>(Wave::RATE / freq));
    std::vector<float> line(len);
    Noise noise(seed);
    OnePole soften(std::min(freq * 8.0f, 6000.0f));
    for (float& x : line) x = soften.process(noise.white()) * velocity;
    // Loss per pass chosen so the string falls by about 50 dB over its ring time.
    const float loss = std::pow(10.0f, -2.5f / (ring * freq));
    std::size_t pos = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t next_pos = pos + 1 == len ? 0 : pos + 1;
        const float current = line[pos];
        line[pos] = (current + line[next_pos]) * 0.5f * loss;
        // A plucked string's energy is spent at once: lift it to stand beside the sustained parts.
        out[i] = current * 3.0f;
        pos = next_pos;
    }
    fade_ends(out, 0.0015f, 0.05f);
    return out;
}

std::vector<float> Instrument::bowed(float freq, float seconds, float velocity, std::uint64_t seed) {
    const float attack = 0.18f, release = 0.35f;
    std::vector<float> out(samples(seconds + release));
    Rng rng(seed);
    Oscillator a(Oscillator::Shape::SAW, rng.unit()), b(Oscillator::Shape::SAW, rng.unit()), c(Oscillator::Shape::SAW, rng.unit());
    Oscillator vibrato(Oscillator::Shape::SINE);
    Biquad body(Biquad::Kind::LOWPASS, std::min(freq * 5.0f, 3500.0f), 0.8f);
    Biquad resonance(Biquad::Kind::PEAK, 1000.0f, 1.0f, 4.0f);
    const float vib_rate = rng.range(4.8f, 5.6f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / Wave::RATE;
        // Vibrato grows in after the bow has settled.
        const float depth = 0.004f * std::min(1.0f, t / 0.5f);
        const float f = freq * (1.0f + depth * vibrato.next(vib_rate));
        const float tone = a.next(f) + b.next(f * 1.003f) + c.next(f * 0.997f);
        out[i] = resonance.process(body.process(tone)) * 0.3f * velocity * sustain(t, seconds, attack, release);
    }
    return out;
}

std::vector<float> Instrument::brass(float freq, float seconds, float velocity, std::uint64_t seed) {
    const float attack = 0.04f, release = 0.18f;
    std::vector<float> out(samples(seconds + release));
    Rng rng(seed);
    Oscillator a(Oscillator::Shape::SAW, rng.unit()), b(Oscillator::Shape::SAW, rng.unit());
    Oscillator vibrato(Oscillator::Shape::SINE);
    Biquad filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / Wave::RATE;
        if (i % CONTROL_STEP == 0) {
            // The tone opens on the attack and mellows while held: the brass "blat".
            const float bright = 1.5f + velocity * (2.5f + 4.0f * std::exp(-t / 0.12f));
            filter.design(Biquad::Kind::LOWPASS, std::min(freq * bright, 5000.0f), 1.1f);
        }
        const float depth = 0.003f * std::min(1.0f, t / 0.4f);
        const float f = freq * (1.0f + depth * vibrato.next(5.2f));
        out[i] = filter.process(a.next(f) + b.next(f * 1.002f)) * 0.4f * velocity * sustain(t, seconds, attack, release);
    }
    return out;
}

std::vector<float> Instrument::choir(float freq, float seconds, float velocity, std::uint64_t seed) {
    const float attack = 0.35f, release = 0.6f;
    std::vector<float> out(samples(seconds + release));
    Rng rng(seed);
    Oscillator voices[4] = {Oscillator(Oscillator::Shape::SAW, rng.unit()), Oscillator(Oscillator::Shape::SAW, rng.unit()),
                            Oscillator(Oscillator::Shape::SAW, rng.unit()), Oscillator(Oscillator::Shape::SAW, rng.unit())};
    const float detune[4] = {1.0f, 1.004f, 0.996f, 1.007f};
    Oscillator vibrato(Oscillator::Shape::SINE, rng.unit());
    // Formants of an open "ah".
    Biquad f1(Biquad::Kind::BANDPASS, 730.0f, 5.0f), f2(Biquad::Kind::BANDPASS, 1090.0f, 6.0f), f3(Biquad::Kind::BANDPASS, 2440.0f, 8.0f);
    Biquad warmth(Biquad::Kind::LOWPASS, 3000.0f, 0.7f);
    Noise breath(seed + 1);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / Wave::RATE;
        const float v = 1.0f + 0.005f * vibrato.next(5.0f);
        float tone = 0.0f;
        for (int k = 0; k < 4; ++k) tone += voices[k].next(freq * detune[k] * v);
        tone += breath.white() * 0.3f;
        const float sung = f1.process(tone) + 0.7f * f2.process(tone) + 0.35f * f3.process(tone) + 0.15f * tone;
        out[i] = warmth.process(sung) * 0.35f * velocity * sustain(t, seconds, attack, release);
    }
    return out;
}

std::vector<float> Instrument::drum(float freq, float velocity, std::uint64_t seed) {
    Noise noise(seed);
    Oscillator skin(Oscillator::Shape::SINE);
    const bool deep = freq < 200.0f;
    const float length = deep ? 0.6f : 0.25f;
    std::vector<float> out(samples(length));
    Biquad slap(Biquad::Kind::BANDPASS, deep ? 400.0f : 1800.0f, deep ? 1.0f : 1.5f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / Wave::RATE;
        const float f = freq * (1.0f + 0.6f * std::exp(-t / 0.02f));
        const float body = skin.next(f) * std::exp(-t / (deep ? 0.2f : 0.05f));
        const float hit = slap.process(noise.white()) * std::exp(-t / (deep ? 0.02f : 0.03f)) * (deep ? 1.0f : 2.2f);
        out[i] = (body * (deep ? 1.0f : 0.4f) + hit) * velocity * 0.8f;
    }
    fade_ends(out, 0.001f, 0.03f);
    return out;
}
}
