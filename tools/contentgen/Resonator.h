#pragma once
#include <vector>

namespace contentgen {
// A bank of decaying two-pole resonators (modal synthesis): struck with a short noise burst it
// rings like a blade, a stone or a drum head, depending on the modes given.
class Resonator {
public:
    struct Mode {
        float freq;
        float decay;  // seconds to fall by 60 dB
        float gain;
    };
    explicit Resonator(const std::vector<Mode>& modes);
    float process(float x);

private:
    struct State {
        float c1, c2, gain, y1, y2;
    };
    std::vector<State> states;
};
}
