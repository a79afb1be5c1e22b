#pragma once
#include <SDL.h>

// The level in play. These statics describe it for every subsystem; each new level
// resets them.
class Level {
public:
    // y of the floor line; an object is above the floor when its y is smaller.
    static int FLOOR_HEIGHT;
    // Milliseconds between clearing one wave and releasing the next.
    static int wave_pause;
    // Index in Agent::agents of the agent the one-player camera follows.
    static int focal_agent;
    // While above 0 the level can be neither won nor judged to have nothing left to fight.
    static int suspend_win;
    // Colour the screen is cleared to at the start of each frame of play.
    static Uint32 skycolour;
};
