#pragma once
#include <string>
#include <vector>

#include "Voice.h"

namespace contentgen {
// The characters who speak the stories' lines, each with a voice of their own: espeak-ng's
// voice, pitch and pace, then the shaping that makes it a person (speed, the band of the
// voice kept, grit, a doubled voice for something inhuman, the room around them).
struct Speaker {
    const char* name;      // as the lines files name the speaker
    Voice::Settings voice;
    float speed;           // playback speed: below 1 deepens and slows the voice
    float low_cut;         // Hz: the band of the voice kept
    float high_cut;
    float drive;           // saturation, 1 for none: grit in the throat
    float twin;            // level of a second, slightly slower copy: 0 for none
    float breath;          // breath noise under the voice: 0 for none
    float wet;             // reverb level
    float room;            // reverb size (1 = hall)
};

class Speakers {
public:
    static const std::vector<Speaker>& table();
    // Null when no speaker has that name.
    static const Speaker* find(const std::string& name);
    // The names, comma-separated, for messages.
    static std::string names();
};
}
