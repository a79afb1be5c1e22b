#include "ai/AI_MeleeBolter.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

AI_MeleeBolter::AI_MeleeBolter(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_MeleeBolter::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (face_enemy(DUMB)) return;
    if (!agent->airborn() && gap() < 80) {
        if (Random::next() % 3 != 0) return;
        if (Random::next() % 20 != 0)
            agent->input.attack = true;
        else
            bolt_step();
        return;
    }
    if (maybe_run())
        maybe_jump();
    else if (Random::next() % 20 == 0)
        bolt_step();
}
