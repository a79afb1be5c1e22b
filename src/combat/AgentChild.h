#pragma once
#include "combat/Civilian.h"

// A child. Struck, it yells, falls back and, 20 frames later, bursts into smoke and sparks.
class AgentChild : public Civilian {
  public:
    AgentChild(Coord pos, int team, bool facing_left);

  protected:
    void after_blow(int frames) override;

  private:
    void burst();
};
