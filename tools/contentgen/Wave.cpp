#include "Wave.h"

#include <algorithm>
#include <cmath>

namespace contentgen {
Wave::Wave(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

Wave Wave::of_seconds(double seconds) { return Wave(static_cast<std::size_t>(seconds * RATE)); }

void Wave::resize(std::size_t n) {
    left.resize(n, 0.0f);
    right.resize(n, 0.0f);
}

void Wave::add_mono(const std::vector<float>& mono, std::size_t offset, float gain, float pan) {
    // Constant-power panning.
    const float angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * 0.25f * 3.14159265f;
    const float gl = gain * std::cos(angle) * 1.41421356f;
    const float gr = gain * std::sin(angle) * 1.41421356f;
    if (offset + mono.size() > frames()) resize(offset + mono.size());
    for (std::size_t i = 0; i < mono.size(); ++i) {
        left[offset + i] += mono[i] * gl;
        right[offset + i] += mono[i] * gr;
    }
}

void Wave::add(const Wave& other, std::size_t offset, float gain) {
    if (offset + other.frames() > frames()) resize(offset + other.frames());
    for (std::size_t i = 0; i < other.frames(); ++i) {
        left[offset + i] += other.left[i] * gain;
        right[offset + i] += other.right[i] * gain;
    }
}

float Wave::peak() const {
    float p = 0.0f;
    for (std::size_t i = 0; i < frames(); ++i) p = std::max({p, std::fabs(left[i]), std::fabs(right[i])});
    return p;
}

float Wave::rms() const {
    double sum = 0.0;
    for (std::size_t i = 0; i < frames(); ++i) sum += left[i] * left[i] + right[i] * right[i];
    return frames() == 0 ? 0.0f : static_cast<float>(std::sqrt(sum / (2.0 * frames())));
}

void Wave::normalise(float target) {
    const float p = peak();
    if (p > 0.0f) scale(target / p);
}

void Wave::scale(float gain) {
    for (std::size_t i = 0; i < frames(); ++i) {
        left[i] *= gain;
        right[i] *= gain;
    }
}

void Wave::fade_edges(double in_seconds, double out_seconds) {
    const std::size_t n = frames();
    const std::size_t fin = std::min(n, static_cast<std::size_t>(in_seconds * RATE));
    const std::size_t fout = std::min(n, static_cast<std::size_t>(out_seconds * RATE));
    for (std::size_t i = 0; i < fin; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(fin);
        left[i] *= g;
        right[i] *= g;
    }
    for (std::size_t i = 0; i < fout; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(fout);
        left[n - 1 - i] *= g;
        right[n - 1 - i] *= g;
    }
}

void Wave::crossfade_loop(std::size_t length) {
    const std::size_t overlap = std::min(length, frames() - std::min(frames(), length));
    for (std::size_t i = 0; i < overlap; ++i) {
        // Equal-power fade suits uncorrelated noise textures.
        const float t = (static_cast<float>(i) + 0.5f) / static_cast<float>(overlap);
        const float gin = std::sin(t * 1.5707963f);
        const float gout = std::cos(t * 1.5707963f);
        left[i] = left[i] * gin + left[length + i] * gout;
        right[i] = right[i] * gin + right[length + i] * gout;
    }
    resize(length);
}

void Wave::wrap_tail(std::size_t length) {
    for (std::size_t i = length; i < frames(); ++i) {
        left[(i - length) % length] += left[i];
        right[(i - length) % length] += right[i];
    }
    resize(length);
}
}
