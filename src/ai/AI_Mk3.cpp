#include "ai/AI_Mk3.h"

#include "combat/Agent.h"

AI_Mk3::AI_Mk3(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Mk3::run() {
    AI::run();
    if (!enemy) {
        agent->input.forward = true;
        return;
    }
    if (block_teleport() || block_lightning() || block_firerain() || block_stomp() ||
        block_melee(SMART) || block_bolt())
        return;
    if (!safe()) return;
    if (face_enemy(SMART) || attack_air(0.18) || backstab() || use_stomp() ||
        (lightning_safe() && use_lightning()) || attack(78, 90))
        return;
    if (distance > 300 && use_shield()) return;
    if (distance < 141)
        bolt_step();
    else
        agent->input.forward = true;
}
