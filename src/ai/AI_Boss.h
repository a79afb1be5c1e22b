#pragma once
#include "ai/AI.h"

// A strong fighter with every skill that taunts its enemy once.
class AI_Boss : public AI {
  public:
    AI_Boss(Agent* agent, bool listed);
    void run() override;

  protected:
    bool can_taunt;

  private:
    void taunt();
    bool defend_and_strike();
    void press_on();
};
