#pragma once
#include "ai/AI.h"

// Slashes at close quarters and now and then bolts from afar.
class AI_Bolter : public AI {
  public:
    AI_Bolter(Agent* agent, bool listed);
    void run() override;
};
