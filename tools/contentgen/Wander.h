#pragma once
#include <cstdint>

#include "Rng.h"

namespace contentgen {
// A smooth random curve between 0 and 1 that moves to a new value about `rate` times a
// second (cosine-eased): gusts of wind, the flicker of flames, the swells of rain.
class Wander {
public:
    Wander(std::uint64_t seed, float rate);
    float next();

private:
    void pick_target();

    Rng rng;
    float rate;
    float from = 0.5f, to = 0.5f;
    float phase = 1.0f, step = 0.0f;
};
}
