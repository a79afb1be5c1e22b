#pragma once
#include "ai/AI.h"

// A plain swordsman that occasionally blocks a bolt.
class AI_Mk1 : public AI {
  public:
    AI_Mk1(Agent* agent, bool listed);
    void run() override;
};
