#include "ai/AI_Duelist.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

AI_Duelist::AI_Duelist(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Duelist::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (Random::next() % 2 == 0 && block_bolt()) return;
    if (face_enemy(DUMB) || block_melee(DUMB)) return;
    AgentInput& in = agent->input;
    if (agent->airborn() || distance >= 80) {
        in.forward = true;
        if (Random::next() % 40 == 0) in.up = true;
    } else if (Random::next() % 3 == 0) {
        in.attack = true;
        if (Random::next() % 3 == 0) in.forward = true;
    }
}
