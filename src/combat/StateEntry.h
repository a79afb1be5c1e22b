#pragma once
#include "combat/AgentState.h"

class Frame;

// What entering a state does to a fighter, as data: the animation it plays, the speed it
// takes, the sound it makes and a few flags. Agent::set_state carries it out, always in the
// same order, so that every state draws its random numbers as it always has.
class StateEntry {
  public:
    enum Flag {
        // The fighter dies on entering.
        DIES = 1,
        TURNS_ABOUT = 2,
        // Turns towards the nearest enemy, if there is one.
        FACES_ENEMY = 4,
        // The combo log starts afresh.
        FORGETS_INPUTS = 8,
        // No sound when the fighter is already in the state (a stun renewed by a blow).
        QUIET_IF_REPEATED = 16,
        // One random bit picks the death variant held in state_timer: even 2, odd 1.
        PICKS_DEATH_VARIANT = 32,
        // A puff where the fighter stands.
        PUFFS = 64,
    };
    // vel.x is left as it is.
    static constexpr int KEEPS_SPEED = -1;
    // state_timer is left as it is.
    static constexpr int KEEPS_TIMER = -1;

    // The animation's first frame, by the address of its catalogue entry (filled at
    // start-up); null keeps the frame shown.
    Frame* const* animation = nullptr;
    // Speed towards the facing, or KEEPS_SPEED.
    int speed = KEEPS_SPEED;
    int fall_offset = 0;
    void (*sound)() = nullptr;
    int flags = 0;
    int timer = KEEPS_TIMER;
    // With it, the death variant held picks the animation: 1 the first, else this one.
    Frame* const* second = nullptr;

    bool has(Flag f) const { return (flags & f) != 0; }

    // The entry of a state; a number that names no state changes nothing but the number.
    static const StateEntry& of(AgentState s);
};
