#pragma once
#include "combat/Civilian.h"

// A woman in a long dress. Struck, she yells, falls back and vanishes.
class AgentWoman : public Civilian {
  public:
    AgentWoman(Coord pos, int team, bool facing_left);
};
