#pragma once
#include <cstdint>

#include "SoundEffects.h"

namespace contentgen {
// Recipes for the human sounds: espeak-ng speaks a syllable or a few words, then the recipe
// bends its pitch, filters, saturates and places it in a room.
class VoiceRecipes {
public:
    // a = espeak pitch, b = speed factor (below 1 lowers the voice), c = length in seconds.
    static Wave grunt(std::uint64_t seed, const SoundEffects::Params& p);
    // a = espeak pitch, b = final speed (the cry sinks towards it), c = length.
    static Wave death_cry(std::uint64_t seed, const SoundEffects::Params& p);
    // a = speed factor (above 1 for a child), b = espeak voice variant number, c = length.
    static Wave scream(std::uint64_t seed, const SoundEffects::Params& p);
    // a = speed factor, b = reverb amount, c = espeak rate in words a minute.
    static Wave taunt(std::uint64_t seed, const SoundEffects::Params& p);
};
}
