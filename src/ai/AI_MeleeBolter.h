#pragma once
#include "ai/AI.h"

// A brawler that sometimes runs, jumps or bolts.
class AI_MeleeBolter : public AI {
  public:
    AI_MeleeBolter(Agent* agent, bool listed);
    void run() override;
};
