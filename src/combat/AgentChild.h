#pragma once
#include "combat/Agent.h"
#include "sprites/Sprite.h"

// A child standing on the floor as one still picture. It can be made to talk and dies at
// the first blow with a yell, sliding back and bursting into smoke and sparks.
class AgentChild : public Agent {
  public:
    AgentChild(Coord pos, int team, bool facing_left);
    void run() override;
    ~AgentChild() override;
    void set_state(AgentState s) override;

    // The picture shown: a standing, talking or struck pose of the agent sheet.
    Sprite* pose;

  private:
    void burst();
};
