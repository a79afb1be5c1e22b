#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Composition.h"
#include "Wave.h"

namespace contentgen {
// Plays a composition: turns its patterns into notes, renders each with its part's
// instrument and mixes the parts in a room. The result loops without a seam.
class Sequencer {
public:
    struct Note {
        double start;    // seconds
        double length;   // seconds held
        int midi;        // MIDI note number; drums use it for the stroke's pitch
        float velocity;  // 0..1
    };

    static Wave render(const Composition& piece);
    static double length_seconds(const Composition& piece);

    // The notes of each part, in seconds from the start of the piece (exposed for checks).
    static std::vector<Note> melody_notes(const Composition& piece, bool counter);
    static std::vector<Note> chord_notes(const Composition& piece);
    static std::vector<Note> pattern_notes(const Composition& piece, bool bass);
    static std::vector<Note> drum_notes(const Composition& piece);

    // A degree token ("5", "3'", "7#,") as semitones above the root; false if malformed.
    static bool degree_semitones(const std::string& token, const std::vector<int>& scale, int& semitones);
    static std::vector<std::string> tokens(const std::string& text);

private:
    static const Section* section(const Composition& piece, char name);
    static void match_loudness(Wave& mix);
    static void mix_part(Wave& mix, const std::vector<Note>& notes, const Part& part, std::uint64_t seed, int octave_shift);
};
}
