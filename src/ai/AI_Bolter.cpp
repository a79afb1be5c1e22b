#include "ai/AI_Bolter.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

AI_Bolter::AI_Bolter(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Bolter::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (face_enemy(DUMB)) return;
    if (gap() < 80) {
        if (agent->state == IDLE) agent->input.attack = true;
    } else if (Random::next() % 10 == 0) {
        bolt_step();
    }
}
