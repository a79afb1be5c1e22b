#pragma once
#include <SDL.h>

// The millisecond clock the game's rules read: delayed wins and the pause between waves.
// A paused game holds it, so that no rule sees the time the player spent away. The frame
// pacing keeps to the real clock itself.
class Clock {
  public:
    static Uint32 now();
    // Stops the clock where it is; now() stays there until release. Holding twice is once.
    static void hold();
    // Lets the clock go on from where it was held, leaving out the time it stood still.
    static void release();

  private:
    static bool stopped;
    static Uint32 stopped_at;
    // Real milliseconds the clock has stood still in all.
    static Uint32 left_out;
};
