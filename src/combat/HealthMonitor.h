#pragma once
#include "core/Coord.h"

class Agent;

// One agent's health as a sword-shaped bar that slides off its screen edge as health
// is lost.
class HealthMonitor {
  public:
    HealthMonitor(Agent* agent, int y, bool left_side);

    void draw();
    // Where the bar is drawn: at rest at x 0 (left) or 200 (right), 256 pixels further
    // towards its edge with no health left.
    Coord position() const;

    // Watched, not owned.
    Agent* agent;
    int y;
    bool left_side;
};
