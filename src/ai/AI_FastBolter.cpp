#include "ai/AI_FastBolter.h"

#include "combat/Agent.h"

AI_FastBolter::AI_FastBolter(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_FastBolter::run() {
    AI::run();
    if (!enemy) {
        agent->input.forward = true;
        return;
    }
    if (face_enemy(DUMB)) return;
    if (gap() >= 80)
        bolt_step();
    else if (agent->state == IDLE)
        agent->input.attack = true;
}
