#include "Resonator.h"

#include <cmath>

#include "Wave.h"

namespace contentgen {
Resonator::Resonator(const std::vector<Mode>& modes) {
    for (const Mode& m : modes) {
        if (m.freq >= Wave::RATE * 0.48f) continue;
        const float r = std::exp(-6.9077553f / (m.decay * Wave::RATE));
        const float w = 2.0f * 3.14159265f * m.freq / Wave::RATE;
        // Input gain sin(w): a unit impulse then rings at about unit amplitude in every mode.
        states.push_back({2.0f * r * std::cos(w), -r * r, m.gain * std::sin(w), 0.0f, 0.0f});
    }
}

float Resonator::process(float x) {
    float out = 0.0f;
    for (State& s : states) {
        const float y = s.c1 * s.y1 + s.c2 * s.y2 + s.gain * x;
        s.y2 = s.y1;
        s.y1 = y;
        out += y;
    }
    return out;
}
}
