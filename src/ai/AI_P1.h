#pragma once
#include "ai/AI.h"

// The first player: arrow keys to move, Space to swing. Space counts only once it has
// been released after the controller was made, so a key still held from a menu does not swing.
class AI_P1 : public AI {
  public:
    AI_P1(Agent* agent, bool listed);
    void run() override;
};
