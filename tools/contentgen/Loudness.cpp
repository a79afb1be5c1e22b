#include "Loudness.h"

namespace contentgen {
float Loudness::peak(Tier tier) {
    switch (tier) {
    case Tier::SOFT: return 0.28f;    // -11 dBFS
    case Tier::MEDIUM: return 0.4f;   // -8 dBFS
    case Tier::LOUD: return 0.5f;     // -6 dBFS
    case Tier::VOICE: return 0.7f;    // -3 dBFS
    case Tier::AMBIENT: break;
    }
    return 0.0f;
}

void Loudness::apply(Wave& wave, Tier tier) {
    if (tier != Tier::AMBIENT) {
        wave.normalise(peak(tier));
        return;
    }
    const float rms = wave.rms();
    if (rms > 0.0f) wave.scale(AMBIENT_RMS / rms);
}
}
