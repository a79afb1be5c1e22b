#pragma once
#include <SDL.h>

// The millisecond clock the game's rules read: delayed wins and the pause between waves.
// The frame pacing keeps to the real clock itself.
class Clock {
  public:
    static Uint32 now();
};
