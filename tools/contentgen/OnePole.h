#pragma once

namespace contentgen {
// First-order low-pass, the cheapest smoothing there is.
class OnePole {
public:
    explicit OnePole(float freq = 1000.0f);
    void set(float freq);
    float process(float x);

private:
    float a = 0.0f;
    float y = 0.0f;
};
}
