#include "Loudness.h"

#include <cmath>
#include <vector>

namespace contentgen {
float Loudness::peak(Tier tier) {
    switch (tier) {
    case Tier::SOFT: return 0.25f;    // -12 dBFS
    case Tier::MEDIUM: return 0.36f;  // -9 dBFS
    case Tier::LOUD: return 0.45f;    // -7 dBFS
    case Tier::VOICE:
    case Tier::AMBIENT: break;
    }
    return 0.0f;
}

void Loudness::apply(Wave& wave, Tier tier) {
    if (tier == Tier::AMBIENT)
        to_rms(wave, AMBIENT_RMS, 1.0f);
    else if (tier == Tier::VOICE)
        to_rms(wave, VOICE_RMS, VOICE_CEILING);
    else
        wave.normalise(peak(tier));
}

void Loudness::to_rms(Wave& wave, float rms, float ceiling) {
    const float now = wave.rms();
    if (now <= 0.0f) return;
    wave.scale(rms / now);
    if (wave.peak() <= ceiling) return;
    for (std::vector<float>* channel : {&wave.left, &wave.right})
        for (float& x : *channel) x = ceiling * std::tanh(x / ceiling);
}
}
