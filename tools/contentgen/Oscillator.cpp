#include "Oscillator.h"

#include <cmath>

#include "Wave.h"

namespace contentgen {
namespace {
// Band-limiting correction around the waveform's jumps, so bright tones do not alias.
float blep(float t, float dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt) {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}
}

Oscillator::Oscillator(Shape s, float p) : shape(s), phase(p) {}

float Oscillator::next(float freq) {
    const float dt = freq / Wave::RATE;
    float out = 0.0f;
    switch (shape) {
    case Shape::SINE:
        out = std::sin(phase * 6.28318531f);
        break;
    case Shape::SAW:
        out = 2.0f * phase - 1.0f - blep(phase, dt);
        break;
    case Shape::SQUARE: {
        float half = phase + 0.5f;
        if (half >= 1.0f) half -= 1.0f;
        out = (phase < 0.5f ? 1.0f : -1.0f) + blep(phase, dt) - blep(half, dt);
        break;
    }
    case Shape::TRIANGLE:
        out = phase < 0.5f ? 4.0f * phase - 1.0f : 3.0f - 4.0f * phase;
        break;
    }
    phase += dt;
    while (phase >= 1.0f) phase -= 1.0f;
    return out;
}
}
