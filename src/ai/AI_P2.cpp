#include "ai/AI_P2.h"

#include <SDL.h>

#include "combat/Agent.h"

AI_P2::AI_P2(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_P2::run() {
    AI::run();
    if (!keystates) return;
    AgentInput& in = agent->input;
    const bool right = keystates[SDLK_d];
    const bool left = keystates[SDLK_a];
    in.up = keystates[SDLK_w];
    in.down = keystates[SDLK_s];
    in.forward = agent->facing_left ? left : right;
    in.backward = agent->facing_left ? right : left;
    in.attack = keystates[SDLK_f];
}
