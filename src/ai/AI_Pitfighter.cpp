#include "ai/AI_Pitfighter.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Combos.h"
#include "core/Random.h"

AI_Pitfighter::AI_Pitfighter(Agent* agent, bool listed)
    : AI(agent, listed), lightning_mode(NO_LIGHTNING) {}

void AI_Pitfighter::run() {
    AI::run();
    if (agent->state == LIGHTNING_CHARGE)
        lightning_mode = LIGHTNING_CAST;
    else if (lightning_mode == NO_LIGHTNING && Random::next() % 50 == 0)
        lightning_mode = LIGHTNING_WANTED;
    if (agent->pos.x >= PIT_LEFT && agent->pos.x <= PIT_RIGHT)
        fight_in_pit();
    else
        return_to_pit();
}

void AI_Pitfighter::fight_in_pit() {
    if (!enemy) return;
    if (block_melee(SMART) || block_bolt() || block_firerain() || block_lightning()) return;
    if (agent->vel.x != 0) return;
    AgentInput& in = agent->input;
    if (!agent->facing(enemy)) {
        // Turning in the air is safe; on the ground it jumps to turn.
        if (agent->airborn())
            in.backward = true;
        else
            in.up = true;
        return;
    }
    if (agent->state == IDLE && attack(78, 100)) return;
    if (lightning_mode == LIGHTNING_WANTED && distance > 150)
        step_combo(Combos::LIGHTNING);
    else
        in.forward = true;
}

void AI_Pitfighter::return_to_pit() {
    const int x = agent->pos.x;
    const bool facing_away = agent->facing_left ? x < PIT_CENTRE : x >= PIT_CENTRE;
    if (facing_away) {
        agent->input.backward = true;
    } else if (!agent->airborn()) {
        agent->input.forward = true;
        agent->input.up = true;
    }
}
