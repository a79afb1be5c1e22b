#pragma once
#include "combat/Agent.h"
#include "sprites/Sprite.h"

// A woman standing on the floor as one still picture. She can be made to talk and dies
// at the first blow with a yell, sliding back and vanishing.
class AgentWoman : public Agent {
  public:
    AgentWoman(Coord pos, int team, bool facing_left);
    void run() override;
    ~AgentWoman() override;
    void set_state(AgentState s) override;

    // The picture shown: a standing, talking or struck pose of the agent sheet.
    Sprite* pose;
};
