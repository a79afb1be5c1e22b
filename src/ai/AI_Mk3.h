#pragma once
#include "ai/AI.h"

// A master of every defence and special move.
class AI_Mk3 : public AI {
  public:
    AI_Mk3(Agent* agent, bool listed);
    void run() override;
};
