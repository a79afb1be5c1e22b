#pragma once

namespace contentgen {
// Phase-accumulating oscillator; the frequency may change every sample (sweeps, vibrato).
class Oscillator {
public:
    enum class Shape { SINE, SAW, SQUARE, TRIANGLE };

    explicit Oscillator(Shape shape, float phase = 0.0f);
    float next(float freq);

private:
    Shape shape;
    float phase;
};
}
