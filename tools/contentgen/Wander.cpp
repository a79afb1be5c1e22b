#include "Wander.h"

#include <cmath>

#include "Wave.h"

namespace contentgen {
Wander::Wander(std::uint64_t seed, float r) : rng(seed), rate(r) {
    to = rng.unit();
    pick_target();
}

void Wander::pick_target() {
    from = to;
    to = rng.unit();
    phase = 0.0f;
    // Uneven intervals, so the movement has no audible period.
    step = rate * rng.range(0.6f, 1.4f) / Wave::RATE;
}

float Wander::next() {
    if (phase >= 1.0f) pick_target();
    const float eased = 0.5f - 0.5f * std::cos(phase * 3.14159265f);
    phase += step;
    return from + (to - from) * eased;
}
}
