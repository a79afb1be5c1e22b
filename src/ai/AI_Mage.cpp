#include "ai/AI_Mage.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Combos.h"
#include "core/Random.h"

AI_Mage::AI_Mage(Agent* agent, bool listed)
    : AI(agent, listed), spell(Random::next() % 5), regen_timer(0) {}

void AI_Mage::run() {
    AI::run();
    if (agent->alive) regenerate();
    if (casting()) spell = Random::next() % 5;
    if (!enemy) {
        wander();
        return;
    }
    if (defend_and_fight()) return;
    cast();
}

void AI_Mage::regenerate() {
    if (regen_timer % REGEN_PERIOD == 0) agent->heal(1);
    ++regen_timer;
}

bool AI_Mage::casting() const {
    switch (agent->state) {
    case BOLT:
    case FIRESHIELD:
    case LIGHTNING_CHARGE:
    case TELEPORT:
    case STOMP:
        return true;
    default:
        return false;
    }
}

bool AI_Mage::defend_and_fight() {
    if (stunned() || block_teleport() || block_lightning() || block_firerain() || block_stomp() ||
        face_enemy(SMART) || block_melee(DUMB) || block_bolt())
        return true;
    return !safe() || attack(75, 80);
}

void AI_Mage::cast() {
    switch (spell) {
    case 0:
        step_combo(Combos::LIGHTNING);
        break;
    case 1:
        bolt_step();
        break;
    case 2:
        use_shield();
        break;
    case 3:
        if (!use_stomp()) agent->input.forward = true;
        break;
    default:
        use_teleport();
        break;
    }
}
