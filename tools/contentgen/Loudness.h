#pragma once
#include "Wave.h"

namespace contentgen {
// How loud each kind of sound leaves the generator, so that the game's mix stays clean in a
// busy fight and the music carries. The mixer adds up to eight effects on top of the music
// (which the game plays at half volume) without any limiter: a sum past full scale clips.
// The levels were set with bench/mix.sh, a recorded fight in the rain with music.
class Loudness {
public:
    enum class Tier {
        SOFT,     // the steady small noises of a fight: swings, jumps, landings, flames
        MEDIUM,   // blows, grunts, clashes, spells cast
        LOUD,     // the big moments: deaths, bursts, heavy hits, thunder, screams
        VOICE,    // words that must be understood over the music: taunts, spoken lines
        AMBIENT,  // weather loops, a bed under everything else
    };
    // Scales a finished sound to its tier: a peak for the effects, an RMS for the steady
    // ambient loops, and for words, whose loudness a peak says little about, an RMS with the
    // peaks rounded off below a ceiling.
    static void apply(Wave& wave, Tier tier);
    // The peak of an effects tier.
    static float peak(Tier tier);

    // Music: every piece is brought to this RMS, its peaks rounded off below the ceiling.
    static constexpr float MUSIC_RMS = 0.17f;
    static constexpr float MUSIC_CEILING = 0.85f;
    static constexpr float AMBIENT_RMS = 0.028f;
    static constexpr float VOICE_RMS = 0.15f;
    static constexpr float VOICE_CEILING = 0.8f;

private:
    // Scales to `rms`, then rounds off what would pass `ceiling`.
    static void to_rms(Wave& wave, float rms, float ceiling);
};
}
