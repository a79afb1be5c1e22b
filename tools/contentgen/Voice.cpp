#include "Voice.h"

#include <espeak-ng/speak_lib.h>

#include <cstdio>

#include "Wave.h"

namespace contentgen {
bool Voice::ready = false;
int Voice::rate = 0;

namespace {
std::vector<short>* collected = nullptr;

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples != nullptr && collected != nullptr) collected->insert(collected->end(), samples, samples + count);
    return 0;
}

// Linear-interpolating resampler, used only when espeak's rate differs from ours.
std::vector<float> resample(const std::vector<short>& in, int from, int to) {
    std::vector<float> out;
    if (in.empty()) return out;
    const double step = static_cast<double>(from) / to;
    const std::size_t n = static_cast<std::size_t>(in.size() / step);
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double pos = i * step;
        const std::size_t k = static_cast<std::size_t>(pos);
        const double frac = pos - k;
        const double a = in[k];
        const double b = k + 1 < in.size() ? in[k + 1] : 0.0;
        out.push_back(static_cast<float>((a + (b - a) * frac) / 32768.0));
    }
    return out;
}
}

bool Voice::start() {
    if (ready) return true;
    rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        std::fprintf(stderr, "contentgen: espeak-ng failed to initialise\n");
        return false;
    }
    espeak_SetSynthCallback(collect);
    ready = true;
    return true;
}

void Voice::end() {
    if (ready) espeak_Terminate();
    ready = false;
}

std::vector<float> Voice::speak(const std::string& text, const Settings& s) {
    std::vector<short> samples;
    if (!ready) return {};
    if (espeak_SetVoiceByName(s.voice.c_str()) != EE_OK) {
        std::fprintf(stderr, "contentgen: espeak-ng has no voice %s\n", s.voice.c_str());
        return {};
    }
    espeak_SetParameter(espeakRATE, s.rate, 0);
    espeak_SetParameter(espeakPITCH, s.pitch, 0);
    espeak_SetParameter(espeakRANGE, s.range, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    collected = &samples;
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    collected = nullptr;
    return resample(samples, rate, Wave::RATE);
}
}
