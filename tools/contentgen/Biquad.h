#pragma once

namespace contentgen {
// Second-order filter with the usual audio cookbook designs. The design can be changed
// between samples, which gives the filter sweeps of whooshes and brass.
class Biquad {
public:
    enum class Kind { LOWPASS, HIGHPASS, BANDPASS, PEAK };

    Biquad() = default;
    Biquad(Kind kind, float freq, float q, float gain_db = 0.0f);
    void design(Kind kind, float freq, float q, float gain_db = 0.0f);
    float process(float x);
    void reset();

private:
    float b0 = 1.0f, b1 = 0.0f, b2 = 0.0f, a1 = 0.0f, a2 = 0.0f;
    float z1 = 0.0f, z2 = 0.0f;
};
}
