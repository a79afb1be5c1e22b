#include "Rng.h"

namespace contentgen {
Rng::Rng(std::uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {
    if (state == 0) state = 1;
}

std::uint64_t Rng::next() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * 0x2545F4914F6CDD1Dull;
}

float Rng::unit() { return static_cast<float>(next() >> 40) / 16777216.0f; }

float Rng::bipolar() { return unit() * 2.0f - 1.0f; }

float Rng::range(float lo, float hi) { return lo + (hi - lo) * unit(); }

int Rng::below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
}
