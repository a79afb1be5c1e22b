#include "ai/AI_Teleporter.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

namespace {
constexpr int RANGE = 400;
}

AI_Teleporter::AI_Teleporter(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Teleporter::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (face_enemy(DUMB) || stunned()) return;
    if (std::abs(dx()) > 200) {
        use_teleport();
        return;
    }
    if (block_melee(DUMB) || block_bolt() || block_firerain() || block_lightning() ||
        attack_air(0.18) || backstab())
        return;
    if (distance < 90) {
        if (agent->state == IDLE || Random::next() % 4 == 0) agent->input.attack = true;
        return;
    }
    if (distance >= RANGE && agent->state != WALK && Random::next() % 20 != 0 &&
        agent->get_hp() >= 0.3) {
        if (Random::next() % 4 == 0) bolt_step();
        return;
    }
    agent->input.forward = true;
}
