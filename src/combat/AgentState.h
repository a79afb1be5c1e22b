#pragma once

// The states of a fighter. The numbers are used by level scripts and controllers.
enum AgentState {
    IDLE = 0,
    WALK = 1,
    BLOCK = 2,
    SLASH = 3,
    LUNGE = 4,
    JUMP = 5,
    TURN = 6,
    STUN = 7,
    AIRBORNE = 8,
    LANDING = 9,
    AIR_TURN = 10,
    AIR_SLASH = 11,
    AIR_BLOCK = 12,
    AIR_BOLT = 13,
    BOLT = 14,
    FIRESHIELD = 15,
    LIGHTNING_CHARGE = 16,
    LIGHTNING_STRIKE = 17,
    TELEPORT = 18,
    STOMP = 19,
    ROLL_START = 20,
    ROLL = 21,
    ROLL_END = 22,
    BEHEADED = 23,
    BEHEADED_FALL = 24,
    DYING = 25,
    CORPSE = 26,
    REMAINS = 27,
    TWITCH = 28,
    DISMEMBERED = 29,
    BURN = 30,
    BOLT_DEATH = 31,
    FIRE_DEATH = 32,
    TALK = 33,
    GONE = 34
};

// Number of states; numbers from 0 to AGENT_STATE_COUNT - 1 name a state.
constexpr int AGENT_STATE_COUNT = 35;
