#pragma once
#include "ai/AI.h"

// Does next to nothing: turns towards its enemy, or keeps a walk going.
class AI_Dummy : public AI {
  public:
    AI_Dummy(Agent* agent, bool listed);
    void run() override;
};
