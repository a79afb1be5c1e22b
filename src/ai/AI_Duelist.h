#pragma once
#include "ai/AI.h"

// Presses forward and swings, blocking the obvious blows.
class AI_Duelist : public AI {
  public:
    AI_Duelist(Agent* agent, bool listed);
    void run() override;
};
