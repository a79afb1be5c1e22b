#pragma once
#include <cstdint>
#include <vector>

namespace contentgen {
// The synthesised instruments of the music: each renders one note into a mono signal,
// including its release (so the signal may be longer than the note).
class Instrument {
public:
    enum class Kind {
        PLUCK,   // plucked string (Karplus-Strong)
        BOWED,   // bowed strings: detuned saws, slow bow, vibrato
        BRASS,   // low brass: saws through a filter that opens on the attack
        CHOIR,   // voices singing "ah": saws through vowel formants
        DRUM,    // frame drum, struck in the centre (deep) or at the rim (tek)
    };

    // `freq` in Hz (for DRUM: below 200 gives the deep stroke, above the rim), `seconds` the
    // note's held length, `velocity` 0..1, `seed` varies the noise of each note.
    static std::vector<float> render(Kind kind, float freq, float seconds, float velocity, std::uint64_t seed);

private:
    static std::vector<float> pluck(float freq, float seconds, float velocity, std::uint64_t seed);
    static std::vector<float> bowed(float freq, float seconds, float velocity, std::uint64_t seed);
    static std::vector<float> brass(float freq, float seconds, float velocity, std::uint64_t seed);
    static std::vector<float> choir(float freq, float seconds, float velocity, std::uint64_t seed);
    static std::vector<float> drum(float freq, float velocity, std::uint64_t seed);
};
}
