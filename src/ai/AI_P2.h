#pragma once
#include "ai/AI.h"

// The second player of a hot-seat level: W, A, S, D to move, F to swing.
class AI_P2 : public AI {
  public:
    AI_P2(Agent* agent, bool listed);
    void run() override;
};
