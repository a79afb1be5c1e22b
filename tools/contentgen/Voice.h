#pragma once
#include <string>
#include <vector>

namespace contentgen {
// Speaks a text with the espeak-ng library into a mono signal at the wave rate. Synthesis is
// synchronous and collected through espeak's callback, so the result is the same every run.
class Voice {
public:
    struct Settings {
        std::string voice;  // espeak voice name with variant, e.g. "en+m3"
        int pitch;          // 0..100
        int range;          // 0..100, pitch movement
        int rate;           // words per minute
    };
    static bool start();
    static void end();
    static std::vector<float> speak(const std::string& text, const Settings& settings);

private:
    static bool ready;
    static int rate;
};
}
