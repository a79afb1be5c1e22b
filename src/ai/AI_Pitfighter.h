#pragma once
#include "ai/AI.h"

// Fights inside a pit between x = 250 and 550 and jumps back in when it leaves it.
class AI_Pitfighter : public AI {
  public:
    AI_Pitfighter(Agent* agent, bool listed);
    void run() override;

  protected:
    static constexpr int PIT_LEFT = 250;
    static constexpr int PIT_RIGHT = 550;
    static constexpr int PIT_CENTRE = 400;
    // lightning_mode values.
    static constexpr int NO_LIGHTNING = 0;
    static constexpr int LIGHTNING_CAST = 1;
    static constexpr int LIGHTNING_WANTED = 2;

    int lightning_mode;

  private:
    void fight_in_pit();
    void return_to_pit();
};
