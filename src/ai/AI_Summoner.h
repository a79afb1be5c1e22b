#pragma once
#include "ai/AI.h"

// Fights like a peasant boss but summons water creatures about every 151 frames.
class AI_Summoner : public AI {
  public:
    AI_Summoner(Agent* agent, bool listed);
    void run() override;

  protected:
    // Agent picture shown while summoning; seeing it restarts the timer.
    static constexpr int SUMMONING_PICTURE = 96;
    static constexpr int SUMMON_INTERVAL = 151;

    int summon_timer;

  private:
    void fight();
};
