#include "ai/AI_Mk2.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

namespace {
constexpr int RANGE = 300;
}

AI_Mk2::AI_Mk2(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Mk2::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (face_enemy(DUMB) || stunned() || block_melee(DUMB) || block_bolt() || block_firerain() ||
        block_lightning() || attack_air(0.18) || backstab() || attack(75, 80))
        return;
    // From range it bolts while healthy, holds still while hurt and closes in when weak.
    if (distance >= RANGE && agent->state != WALK && Random::next() % 20 != 0 &&
        agent->get_hp() >= 0.3) {
        if (!safe()) return;
        if (agent->get_hp() > 0.4) bolt_step();
        return;
    }
    agent->input.forward = true;
}
