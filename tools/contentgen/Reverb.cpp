#include "Reverb.h"

#include <algorithm>

namespace contentgen {
namespace {
// Delay lengths in samples at 22 050 Hz, mutually prime-ish so the echoes do not pile up.
const int COMB_DELAYS[] = {557, 593, 641, 683, 719, 761, 797, 839};
const int PASS_DELAYS[] = {277, 211, 173, 109};
const int STEREO_SPREAD = 13;
}

Reverb::Reverb(float size, float damp, float fb) : damping(std::clamp(damp, 0.0f, 0.95f)), feedback(fb) {
    for (int d : COMB_DELAYS) {
        Comb l, r;
        l.line.assign(std::max(8, static_cast<int>(d * size)), 0.0f);
        r.line.assign(std::max(8, static_cast<int>((d + STEREO_SPREAD) * size)), 0.0f);
        combs_left.push_back(l);
        combs_right.push_back(r);
    }
    for (int d : PASS_DELAYS) {
        AllPass l, r;
        l.line.assign(static_cast<std::size_t>(d), 0.0f);
        r.line.assign(static_cast<std::size_t>(d + STEREO_SPREAD), 0.0f);
        passes_left.push_back(l);
        passes_right.push_back(r);
    }
}

float Reverb::run_channel(std::vector<Comb>& combs, std::vector<AllPass>& passes, float x) {
    float out = 0.0f;
    for (Comb& c : combs) {
        const float y = c.line[c.pos];
        c.store = y * (1.0f - damping) + c.store * damping;
        c.line[c.pos] = x + c.store * feedback;
        if (++c.pos == c.line.size()) c.pos = 0;
        out += y;
    }
    for (AllPass& a : passes) {
        const float b = a.line[a.pos];
        a.line[a.pos] = out + b * 0.5f;
        if (++a.pos == a.line.size()) a.pos = 0;
        out = b - out;
    }
    return out;
}

void Reverb::apply(Wave& wave, float wet, double tail) {
    const std::size_t dry_frames = wave.frames();
    wave.resize(dry_frames + static_cast<std::size_t>(tail * Wave::RATE));
    const float gain = wet * 0.12f;
    for (std::size_t i = 0; i < wave.frames(); ++i) {
        const float in = (wave.left[i] + wave.right[i]) * 0.5f;
        const float l = run_channel(combs_left, passes_left, in);
        const float r = run_channel(combs_right, passes_right, in);
        wave.left[i] += l * gain;
        wave.right[i] += r * gain;
    }
}
}
