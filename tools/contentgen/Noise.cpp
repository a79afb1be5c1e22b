#include "Noise.h"

namespace contentgen {
Noise::Noise(std::uint64_t seed) : rng(seed) {}

float Noise::white() { return rng.bipolar(); }

float Noise::pink() {
    // Paul Kellet's economy filter: -3 dB per octave within a fraction of a dB.
    const float w = white();
    p0 = 0.99886f * p0 + w * 0.0555179f;
    p1 = 0.99332f * p1 + w * 0.0750759f;
    p2 = 0.96900f * p2 + w * 0.1538520f;
    p3 = 0.86650f * p3 + w * 0.3104856f;
    p4 = 0.55000f * p4 + w * 0.5329522f;
    p5 = -0.7616f * p5 - w * 0.0168980f;
    const float out = p0 + p1 + p2 + p3 + p4 + p5 + p6 + w * 0.5362f;
    p6 = w * 0.115926f;
    return out * 0.11f;
}

float Noise::brown() {
    walk = (walk + 0.02f * white()) * 0.997f;
    return walk * 3.5f;
}
}
