#include "ai/AI_Dummy.h"

#include "combat/Agent.h"

AI_Dummy::AI_Dummy(Agent* agent, bool listed) : AI(agent, listed) {}

void AI_Dummy::run() {
    AI::run();
    if (!enemy) {
        if (agent->state == WALK) agent->input.forward = true;
        return;
    }
    face_enemy(DUMB);
}
