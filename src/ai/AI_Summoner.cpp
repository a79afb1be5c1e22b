#include "ai/AI_Summoner.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Combos.h"
#include "core/Random.h"

// Starting above the interval makes the first summoning begin at once.
AI_Summoner::AI_Summoner(Agent* agent, bool listed) : AI(agent, listed), summon_timer(200) {}

void AI_Summoner::run() {
    ++summon_timer;
    if (agent->frame && agent->frame->sprite_index == SUMMONING_PICTURE) summon_timer = 0;
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (block_melee(DUMB) || block_bolt() || face_enemy(SMART)) return;
    if (agent->alive && summon_timer >= SUMMON_INTERVAL) {
        step_combo(Combos::SUMMON);
        return;
    }
    fight();
}

void AI_Summoner::fight() {
    if (attack_air(0.18) || attack(80, 80) || use_stomp()) return;
    if (!safe()) return;
    agent->input.forward = true;
    if (Random::next() % 30 == 0) agent->input.down = true;
}
