#include "Biquad.h"

#include <algorithm>
#include <cmath>

#include "Wave.h"

namespace contentgen {
Biquad::Biquad(Kind kind, float freq, float q, float gain_db) { design(kind, freq, q, gain_db); }

void Biquad::design(Kind kind, float freq, float q, float gain_db) {
    const float f = std::clamp(freq, 10.0f, Wave::RATE * 0.45f);
    const float w = 2.0f * 3.14159265f * f / Wave::RATE;
    const float cw = std::cos(w);
    const float alpha = std::sin(w) / (2.0f * std::max(q, 0.05f));
    float a0 = 1.0f;
    switch (kind) {
    case Kind::LOWPASS:
        b0 = (1.0f - cw) * 0.5f;
        b1 = 1.0f - cw;
        b2 = b0;
        a0 = 1.0f + alpha;
        a1 = -2.0f * cw;
        a2 = 1.0f - alpha;
        break;
    case Kind::HIGHPASS:
        b0 = (1.0f + cw) * 0.5f;
        b1 = -(1.0f + cw);
        b2 = b0;
        a0 = 1.0f + alpha;
        a1 = -2.0f * cw;
        a2 = 1.0f - alpha;
        break;
    case Kind::BANDPASS:
        b0 = alpha;
        b1 = 0.0f;
        b2 = -alpha;
        a0 = 1.0f + alpha;
        a1 = -2.0f * cw;
        a2 = 1.0f - alpha;
        break;
    case Kind::PEAK: {
        const float A = std::pow(10.0f, gain_db / 40.0f);
        b0 = 1.0f + alpha * A;
        b1 = -2.0f * cw;
        b2 = 1.0f - alpha * A;
        a0 = 1.0f + alpha / A;
        a1 = -2.0f * cw;
        a2 = 1.0f - alpha / A;
        break;
    }
    }
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
    a1 /= a0;
    a2 /= a0;
}

float Biquad::process(float x) {
    // Transposed direct form II.
    const float y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
}

void Biquad::reset() { z1 = z2 = 0.0f; }
}
