#pragma once
#include "ai/AI.h"

// Runs away, glancing back at a distant enemy.
class AI_Panicked : public AI {
  public:
    AI_Panicked(Agent* agent, bool listed);
    void run() override;
};
