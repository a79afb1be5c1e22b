#include "OnePole.h"

#include <algorithm>
#include <cmath>

#include "Wave.h"

namespace contentgen {
OnePole::OnePole(float freq) { set(freq); }

void OnePole::set(float freq) {
    a = 1.0f - std::exp(-2.0f * 3.14159265f * std::max(freq, 1.0f) / Wave::RATE);
}

float OnePole::process(float x) {
    y += a * (x - y);
    return y;
}
}
