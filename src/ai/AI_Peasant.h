#pragma once
#include "ai/AI.h"

// Townsfolk who dither between three moods: keep moving while watched, fight, or flee.
class AI_Peasant : public AI {
  public:
    AI_Peasant(Agent* agent, bool listed);
    void run() override;

  protected:
    static constexpr int MOVING = 0;
    static constexpr int FIGHTING = 1;
    static constexpr int FLEEING = 2;

    int mood;

  private:
    void new_mood();
    // Whether this agent lies on the side its enemy faces.
    bool watched() const;
    void keep_moving();
    void fight();
    void flee();
};
