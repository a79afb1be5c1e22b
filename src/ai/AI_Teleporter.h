#pragma once
#include "ai/AI.h"

// Teleports to close the distance, then fences.
class AI_Teleporter : public AI {
  public:
    AI_Teleporter(Agent* agent, bool listed);
    void run() override;
};
