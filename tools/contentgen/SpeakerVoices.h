#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Voice.h"
#include "Wave.h"

namespace contentgen {
// The characters who speak in the stories. Each is an espeak voice shaped into a person:
// played slower or faster (deeper or higher), kept to a band, roughened, thickened by a
// slower twin (the inhuman ones) and placed in a room. Every line a character says uses
// the same shaping, so that a player knows the voice again.
class SpeakerVoices {
public:
    struct Speaker {
        const char* name;       // as written in a story's lines file
        Voice::Settings voice;  // espeak voice, pitch, range, words a minute
        float speed;            // playback speed: below 1 deepens and slows the voice
        float low_cut;          // Hz; the band the voice keeps
        float high_cut;
        float drive;            // saturation: above 1 for rough voices
        float twin;             // level of a slower second voice (0: none)
        float breath;           // breath noise riding on the voice
        float room;             // reverb size (1 = hall)
        float wet;              // reverb level (0: dry)
    };

    // Longest line a character may say, in seconds: a speech holds the game while it plays.
    static constexpr double MAX_SECONDS = 6.0;

    static const std::vector<Speaker>& all();
    // Null when no character has that name.
    static const Speaker* find(const std::string& name);
    // The words said by the speaker; empty when espeak-ng could not say them.
    static Wave say(const Speaker& speaker, const std::string& words, std::uint64_t seed);
};
}
