#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Loudness.h"
#include "Wave.h"

namespace contentgen {
// The sound bank's effects: each file is a recipe (a function building the sound from noise,
// oscillators, filters, resonators and voices) with its own seed and a few parameters.
class SoundEffects {
public:
    struct Params {
        float a, b, c;
        const char* text;  // spoken words, for the voiced recipes
    };
    using Recipe = Wave (*)(std::uint64_t seed, const Params& p);
    struct Entry {
        const char* name;  // file name under sfx/, without ".ogg"
        Recipe recipe;
        std::uint64_t seed;
        Params params;
        Loudness::Tier tier;  // how loud it is written (Loudness)
    };

    static const std::vector<Entry>& table();
    // The recipe's sound, at its own full level.
    static Wave make(const Entry& entry);
    // Renders every effect, brings it to its tier's loudness and encodes it into `folder`/sfx/.
    static bool write_all(const std::string& folder);
};
}
