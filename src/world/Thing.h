#pragma once
#include "core/Coord.h"

// Base of every live object of the world: agents, attacks and particles.
class Thing {
public:
    Thing();
    explicit Thing(Coord pos);
    Thing(Coord pos, Coord vel);
    // One frame of the object's life: move and draw.
    virtual void run();
    virtual ~Thing();

    // Only marks the Thing; the list that owns it destroys it when it next purges.
    void kill();
    // Random horizontal friction: for i = amount down to 1, with chance 1 in `chance`,
    // stop vel.x if it is within i of zero, else move it i towards zero.
    void slow_x(int amount, int chance);

    Coord pos;
    Coord vel;
    // A Thing in a list is cleared only through kill(): lists count the kills to learn who
    // died in a frame.
    bool alive;

    // Every kill() so far.
    static unsigned long kills;
};
