#pragma once
#include <cstdint>

// A fingerprint of the state of play, which two runs of the game share only while they
// play alike: every agent's place, motion, state, health and team, how many attacks are
// live, and the state of the random generator.
class GameDigest {
  public:
    static uint64_t of_play();
};
