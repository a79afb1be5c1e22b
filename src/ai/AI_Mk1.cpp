#include "ai/AI_Mk1.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

AI_Mk1::AI_Mk1(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Mk1::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (Random::next() % 3 == 0 && block_bolt()) return;
    if (face_enemy(DUMB)) return;
    if (!agent->airborn() && gap() < 80) {
        if (Random::next() % 3 != 0) return;
        agent->input.attack = true;
        if (Random::next() % 3 == 0) agent->input.forward = true;
        return;
    }
    if (maybe_run()) maybe_jump();
}
