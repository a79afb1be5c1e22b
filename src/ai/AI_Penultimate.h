#pragma once
#include "ai/AI.h"

// A boss that vanishes when hurt, changes its tactics at random and bursts apart when it
// dies.
class AI_Penultimate : public AI {
  public:
    AI_Penultimate(Agent* agent, bool listed);
    void run() override;

  protected:
    // The teleport loop: phase 3 starts a teleport, 333 waits for it to end.
    static constexpr int TELEPORTING = 333;

    // Tactic while alive (0 to 9 or TELEPORTING); after death, minus the frames since.
    int phase;

  private:
    void vanish();
    void act();
    void fight();
    void die();
    void burst_body_part(int sprite);
    void deathburst();
};
