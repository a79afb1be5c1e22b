#pragma once
#include "ai/AI.h"

// A sentry rooted to the spot: it turns and slashes but never moves.
class AI_Stationary : public AI {
  public:
    AI_Stationary(Agent* agent, bool listed);
    void run() override;
};
