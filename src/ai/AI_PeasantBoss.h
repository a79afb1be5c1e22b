#pragma once
#include "ai/AI.h"

// A strong peasant that fights forward, rolling now and then.
class AI_PeasantBoss : public AI {
  public:
    AI_PeasantBoss(Agent* agent, bool listed);
    void run() override;
};
