#include "ai/AI_Peasant.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"

AI_Peasant::AI_Peasant(Agent* agent, bool listed) : AI(agent, listed), mood(Random::next() % 3) {}

void AI_Peasant::run() {
    AI::run();
    if (!enemy) {
        wander();
        return;
    }
    if (distance > 1000) {
        new_mood();
        if (!face_enemy(DUMB)) agent->input.forward = true;
    } else if (stunned()) {
        new_mood();
    } else if (!block_melee(DUMB)) {
        block_bolt();
    }
    // A mover that is no longer watched picks a mood and may act on it at once.
    if (mood == MOVING) keep_moving();
    if (mood == FIGHTING)
        fight();
    else if (mood == FLEEING)
        flee();
}

void AI_Peasant::new_mood() {
    mood = Random::next() % 3;
}

bool AI_Peasant::watched() const {
    return enemy->facing_left ? agent->pos.x < enemy->pos.x : agent->pos.x >= enemy->pos.x;
}

void AI_Peasant::keep_moving() {
    if (!watched()) {
        new_mood();
        return;
    }
    agent->input.forward = true;
    if (Random::next() % 30 == 0) agent->input.up = true;
}

void AI_Peasant::fight() {
    if (face_enemy(SMART) || attack_air(0.18) || attack(80, 80)) return;
    if (!safe()) return;
    agent->input.forward = true;
    if (Random::next() % 30 == 0) agent->input.down = true;
}

void AI_Peasant::flee() {
    if (agent->facing(enemy)) {
        agent->input.backward = true;
        agent->input.up = true;
        return;
    }
    agent->input.forward = true;
    if (Random::next() % 50 == 0) new_mood();
}
