#pragma once
#include <vector>

#include "Wave.h"

namespace contentgen {
// A stereo Schroeder-Moorer reverb (parallel damped combs, then all-passes), the room that
// voices, thunder and the music sit in.
class Reverb {
public:
    // `size` scales the delay lines (1 = hall), `damping` 0..1 darkens the tail.
    Reverb(float size, float damping, float feedback);
    // Adds the reverberated signal, at level `wet`, to the wave (extending it by `tail` seconds).
    void apply(Wave& wave, float wet, double tail);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t pos = 0;
        float store = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        std::size_t pos = 0;
    };
    float run_channel(std::vector<Comb>& combs, std::vector<AllPass>& passes, float x);

    float damping;
    float feedback;
    std::vector<Comb> combs_left, combs_right;
    std::vector<AllPass> passes_left, passes_right;
};
}
