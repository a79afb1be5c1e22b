#include "ai/AI_Stationary.h"

#include "combat/Agent.h"

AI_Stationary::AI_Stationary(Agent* agent, bool listed) : AI(agent, listed) {
    agent->frozen = true;
}

void AI_Stationary::run() {
    AI::run();
    if (!enemy) return;
    if (face_enemy(DUMB)) return;
    // A chance of 100 always picks the standing slash: a lunge would need to move.
    attack(80, 100);
}
