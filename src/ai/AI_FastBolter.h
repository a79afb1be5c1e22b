#pragma once
#include "ai/AI.h"

// Bolts without pause and slashes at close quarters.
class AI_FastBolter : public AI {
  public:
    AI_FastBolter(Agent* agent, bool listed);
    void run() override;
};
