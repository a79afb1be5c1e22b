#pragma once
#include "ai/AI.h"

// A spell caster that slowly heals and picks a new spell after each one it casts.
class AI_Mage : public AI {
  public:
    AI_Mage(Agent* agent, bool listed);
    void run() override;

  protected:
    static constexpr int REGEN_PERIOD = 25;

    int spell;
    int regen_timer;

  private:
    void regenerate();
    bool casting() const;
    bool defend_and_fight();
    void cast();
};
