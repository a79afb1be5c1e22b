#pragma once
#include <cstdint>
#include <string>
#include <vector>

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
    };

    static const std::vector<Entry>& table();
    static Wave make(const Entry& entry);
    // Renders and encodes every effect into `folder`/sfx/.
    static bool write_all(const std::string& folder);
};
}
