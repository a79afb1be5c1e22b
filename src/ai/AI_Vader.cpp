#include "ai/AI_Vader.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/ComboLog.h"
#include "core/Random.h"

AI_Vader::AI_Vader(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Vader::run() {
    AI::run();
    // Wiped before the agent runs, the log can never end with a combo.
    agent->log = ComboLog();
    if (!enemy) {
        agent->input.forward = true;
        return;
    }
    if (stunned() || block_teleport() || block_lightning() || block_firerain() || block_stomp() ||
        face_enemy(SMART) || block_melee(SMART) || block_bolt())
        return;
    if (!safe()) return;
    if (attack_air(0.18) || backstab() || attack(78, 80)) return;
    if (distance > 140)
        agent->input.forward = true;
    else if (cautious_advance() && Random::next() % 10 == 0)
        agent->input.down = true;
}
