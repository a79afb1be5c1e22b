#include "Shaping.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "OnePole.h"
#include "Wave.h"

namespace contentgen {
Shaping::Mono Shaping::render(double seconds, const std::function<float(float)>& sample) {
    const std::size_t n = static_cast<std::size_t>(seconds * Wave::RATE);
    Mono out(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = sample(static_cast<float>(i) / Wave::RATE);
    return out;
}

void Shaping::trim(Mono& s, float threshold) {
    std::size_t first = 0;
    while (first < s.size() && std::fabs(s[first]) < threshold) ++first;
    std::size_t last = s.size();
    while (last > first && std::fabs(s[last - 1]) < threshold) --last;
    s = Mono(s.begin() + static_cast<long>(first), s.begin() + static_cast<long>(last));
}

Shaping::Mono Shaping::warp(const Mono& s, float from, float to, float wobble, float wobble_hz) {
    Mono out;
    if (s.empty()) return out;
    double pos = 0.0;
    const double length = static_cast<double>(s.size());
    while (pos < length - 1.0) {
        const double progress = pos / length;
        const double t = static_cast<double>(out.size()) / Wave::RATE;
        const double speed = (from + (to - from) * progress) * (1.0 + wobble * std::sin(6.28318531 * wobble_hz * t));
        const std::size_t k = static_cast<std::size_t>(pos);
        const double frac = pos - static_cast<double>(k);
        out.push_back(static_cast<float>(s[k] + (s[k + 1] - s[k]) * frac));
        pos += std::max(speed, 0.05);
    }
    return out;
}

void Shaping::saturate(Mono& s, float drive) {
    const float norm = 1.0f / std::tanh(drive);
    for (float& x : s) x = std::tanh(x * drive) * norm;
}

void Shaping::fit(Mono& s, double min_seconds, double max_seconds) {
    const std::size_t max_n = static_cast<std::size_t>(max_seconds * Wave::RATE);
    if (s.size() > max_n) {
        s.resize(max_n);
        fade(s, 0.0, 0.08);
    }
    const std::size_t min_n = static_cast<std::size_t>(min_seconds * Wave::RATE);
    if (s.size() < min_n) s.resize(min_n, 0.0f);
}

void Shaping::normalise(Mono& s, float target) {
    float p = 0.0f;
    for (float x : s) p = std::max(p, std::fabs(x));
    if (p > 0.0f)
        for (float& x : s) x *= target / p;
}

void Shaping::fade(Mono& s, double in_seconds, double out_seconds) {
    const std::size_t n = s.size();
    const std::size_t fin = std::min(n, static_cast<std::size_t>(in_seconds * Wave::RATE));
    const std::size_t fout = std::min(n, static_cast<std::size_t>(out_seconds * Wave::RATE));
    for (std::size_t i = 0; i < fin; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(fin);
    for (std::size_t i = 0; i < fout; ++i) s[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(fout);
}
void Shaping::filter(Mono& signal, Biquad::Kind kind, float freq, float q, float gain_db) {
    Biquad f(kind, freq, q, gain_db);
    for (float& x : signal) x = f.process(x);
}

void Shaping::add_breath(Mono& signal, std::uint64_t seed, float level, float centre_hz, float q,
                         float follow_hz) {
    Noise noise(seed);
    Biquad band(Biquad::Kind::BANDPASS, centre_hz, q);
    OnePole follow(follow_hz);
    for (float& x : signal) {
        const float env = follow.process(std::fabs(x));
        x += band.process(noise.white()) * env * level;
    }
}
}
