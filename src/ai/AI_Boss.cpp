#include "ai/AI_Boss.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Combos.h"
#include "core/Random.h"
#include "core/Sound.h"

namespace {
// Agent picture of a fighter reeling from a blocked blow.
constexpr int REELING_PICTURE = 14;
} // namespace

AI_Boss::AI_Boss(Agent* agent, bool listed) : AI(agent, listed), can_taunt(true) {}

void AI_Boss::run() {
    AI::run();
    if (!enemy) {
        agent->input.forward = true;
        return;
    }
    if (can_taunt) taunt();
    if (defend_and_strike()) return;
    press_on();
}

void AI_Boss::taunt() {
    const AgentState mine = agent->state;
    int line = 0;
    if (Random::next() % 15 == 0 && !enemy->facing(agent) && enemy->state == STUN &&
        (mine == SLASH || mine == LUNGE))
        line = 1;
    else if (Random::next() % 22 == 0 && enemy->frame &&
             enemy->frame->sprite_index == REELING_PICTURE && agent->blocking())
        line = 2;
    else if (mine == LIGHTNING_STRIKE && enemy->state == STUN)
        line = 3;
    if (line == 0) return;
    Sound::play_boss_taunt(line);
    can_taunt = false;
}

bool AI_Boss::defend_and_strike() {
    if (block_teleport() || block_lightning() || block_bolt()) return true;
    if (!safe()) return true;
    if (block_firerain() || block_stomp() || face_enemy(DUMB) || block_melee(DUMB) ||
        attack_air(0.18))
        return true;
    if ((agent->airborn() || Random::next() % 10 == 0) && use_stomp()) return true;
    if (distance > 700 && lightning_safe() && use_lightning()) return true;
    return attack(90, 95);
}

void AI_Boss::press_on() {
    AgentInput& in = agent->input;
    const int adx = std::abs(dx());
    if ((has_shield() || distance > 1200) && adx > 100) {
        if (agent->state == WALK && distance > 350)
            in.down = true;
        else
            in.forward = true;
        return;
    }
    if (adx > 350 && (agent->state != IDLE || Random::next() % 5 == 0) && use_shield()) return;
    if (agent->airborn() && agent->vel.y < -5) {
        step_combo(Combos::FIREBOLT);
        return;
    }
    if (adx < 131 && Random::next() % 15 != 0 && Random::next() % 7 == 0 && !agent->airborn()) {
        const bool settled = agent->state == IDLE || agent->state == WALK;
        if (!settled || Random::next() % 3 == 0) {
            bolt_step();
            return;
        }
    }
    in.forward = true;
}
