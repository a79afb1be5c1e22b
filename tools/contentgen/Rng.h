#pragma once
#include <cstdint>

namespace contentgen {
// Small seeded generator (xorshift64*): every sound draws from its own fixed seed, so the
// generated files are identical from run to run and independent of each other.
class Rng {
public:
    explicit Rng(std::uint64_t seed);
    std::uint64_t next();
    // Uniform in [0, 1).
    float unit();
    // Uniform in [-1, 1).
    float bipolar();
    // Uniform in [lo, hi).
    float range(float lo, float hi);
    // Uniform integer in [0, n).
    int below(int n);

private:
    std::uint64_t state;
};
}
