#pragma once
#include "ai/AI.h"

// A fencer that blocks, backstabs and bolts from range while it is healthy.
class AI_Mk2 : public AI {
  public:
    AI_Mk2(Agent* agent, bool listed);
    void run() override;
};
