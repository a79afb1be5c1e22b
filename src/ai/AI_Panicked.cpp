#include "ai/AI_Panicked.h"

#include "combat/Agent.h"

AI_Panicked::AI_Panicked(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Panicked::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    // Far off, it stops to watch the enemy; near, it flees whichever way it faces.
    if (distance > 500 && !face_enemy(DUMB)) return;
    agent->input.forward = true;
}
