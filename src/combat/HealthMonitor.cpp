#include "combat/HealthMonitor.h"

#include "combat/Agent.h"
#include "sprites/SpriteSheet.h"

namespace {
const int RIGHT_REST_X = 200;
const int TRAVEL = 256;
} // namespace

HealthMonitor::HealthMonitor(Agent* agent, int y, bool left_side)
    : agent(agent), y(y), left_side(left_side) {}

Coord HealthMonitor::position() const {
    // An agent killed without losing its health (a script's death state) shows none left.
    const double health = agent->alive ? agent->get_hp() : 0.0;
    const int d = static_cast<int>((1.0 - health) * TRAVEL);
    return Coord(left_side ? -d : RIGHT_REST_X + d, y);
}

void HealthMonitor::draw() {
    SpriteSheet::health_sword->draw(position(), !left_side);
}
