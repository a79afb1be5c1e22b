#include "ai/AI_PeasantBoss.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

AI_PeasantBoss::AI_PeasantBoss(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_PeasantBoss::run() {
    AI::run();
    if (!enemy) {
        agent->input.forward = true;
        return;
    }
    if (block_melee(DUMB)) return;
    // Its guard against bolts is poor: a block it starts usually gives way to the rules below.
    if (block_bolt() && Random::next() % 3 == 0) return;
    if (face_enemy(SMART) || attack_air(0.18) || attack(80, 80) || use_stomp()) return;
    if (!safe()) return;
    agent->input.forward = true;
    if (Random::next() % 30 == 0) agent->input.down = true;
}
