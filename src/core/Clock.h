#pragma once
#include <SDL.h>

// The millisecond clock the game's rules read: delayed wins and the pause between waves.
// A paused game holds it, so that no rule sees the time the player spent away. The frame
// pacing keeps to the real clock itself.
//
// A tool that plays levels faster than real time counts frames instead: then the clock
// stands still but for advance(), which the tool calls once a frame.
class Clock {
  public:
    // One frame of play at the game's 40 frames a second.
    static const Uint32 FRAME_MS = 25;

    static Uint32 now();
    // Stops the clock where it is; now() stays there until release. Holding twice is once.
    static void hold();
    // Lets the clock go on from where it was held, leaving out the time it stood still.
    static void release();

    // From here on the clock is made of frames, starting a second in (0 means "none" to
    // the rules that store a time) and not held.
    static void count_frames();
    // Back to the real clock, not held.
    static void count_real();
    // One frame later on a clock made of frames; nothing on the real clock.
    static void advance();

  private:
    // The clock underneath: real or counted milliseconds.
    static Uint32 ticks();

    static bool stopped;
    static Uint32 stopped_at;
    // Milliseconds the clock has stood still in all.
    static Uint32 left_out;
    static bool counting;
    static Uint32 counted;
};
