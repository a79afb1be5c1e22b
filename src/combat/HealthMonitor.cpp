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
    const int d = static_cast<int>((1.0 - agent->get_hp()) * TRAVEL);
    return Coord(left_side ? -d : RIGHT_REST_X + d, y);
}

void HealthMonitor::draw() { SpriteSheet::health_sword->draw(position(), !left_side); }
