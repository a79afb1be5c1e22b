#pragma once
#include <cstdint>

#include "Rng.h"

namespace contentgen {
// White, pink and brown noise from a seeded generator.
class Noise {
public:
    explicit Noise(std::uint64_t seed);
    float white();
    float pink();
    float brown();

private:
    Rng rng;
    float p0 = 0, p1 = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0, p6 = 0;
    float walk = 0;
};
}
