#include "ai/AI_P1.h"

#include <SDL.h>

#include "combat/Agent.h"

AI_P1::AI_P1(Agent* agent, bool listed) : AI(agent, listed) {
    suspend_attack_key = true;
}

void AI_P1::run() {
    AI::run();
    // Without a sampled keyboard nothing is held, and the latch must stay as it is.
    if (!keystates) return;
    AgentInput& in = agent->input;
    const bool right = keystates[SDLK_RIGHT];
    const bool left = keystates[SDLK_LEFT];
    in.up = keystates[SDLK_UP];
    in.down = keystates[SDLK_DOWN];
    in.forward = agent->facing_left ? left : right;
    in.backward = agent->facing_left ? right : left;
    if (!keystates[SDLK_SPACE]) {
        suspend_attack_key = false;
        in.attack = false;
    } else {
        in.attack = !suspend_attack_key;
    }
}
