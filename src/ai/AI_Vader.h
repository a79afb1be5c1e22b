#pragma once
#include "ai/AI.h"

// A skilled fencer kept from every special move: its combo log is wiped each frame.
class AI_Vader : public AI {
  public:
    AI_Vader(Agent* agent, bool listed);
    void run() override;
};
