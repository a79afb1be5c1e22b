#pragma once
#include <string>
#include <vector>

namespace contentgen {
// Speaks a text with the espeak-ng library into a mono signal at the wave rate.
//
// espeak-ng keeps state from one synthesis to the next (the flutter and echo of the last
// voice) and draws the breath noise of its female voices from the C library's rand(), which
// its sound-server probe at start-up draws from too on a machine's first run. So every
// synthesis runs in a child process of its own that starts the library afresh and pins rand()
// right before speaking: a sound comes out the same alone or after others, on any machine.
class Voice {
public:
    struct Settings {
        std::string voice;  // espeak voice name with variant, e.g. "en+m3"
        int pitch;          // 0..100
        int range;          // 0..100, pitch movement
        int rate;           // words per minute
    };
    // Empty when espeak-ng could not speak the text (the reason is printed).
    static std::vector<float> speak(const std::string& text, const Settings& settings);
    // Whether a synthesis in this process has failed.
    static bool failed();

private:
    static std::vector<float> give_up(const std::string& text, const char* reason);
    static bool any_failed;
};
}
