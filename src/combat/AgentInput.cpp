#include "combat/AgentInput.h"

AgentInput AgentInput::UP;
AgentInput AgentInput::DOWN;
AgentInput AgentInput::FORWARD;
AgentInput AgentInput::BACKWARD;
AgentInput AgentInput::ATTACK;
AgentInput AgentInput::HORIZONTAL;
AgentInput AgentInput::VERTICAL;
AgentInput AgentInput::MASH;

AgentInput::AgentInput() : AgentInput(false, false, false, false, false) {}

AgentInput::AgentInput(bool up, bool down, bool forward, bool backward, bool attack)
    : up(up), down(down), forward(forward), backward(backward), attack(attack) {}

void AgentInput::start() {
    UP = AgentInput(true, false, false, false, false);
    DOWN = AgentInput(false, true, false, false, false);
    FORWARD = AgentInput(false, false, true, false, false);
    BACKWARD = AgentInput(false, false, false, true, false);
    ATTACK = AgentInput(false, false, false, false, true);
    HORIZONTAL = AgentInput(false, false, true, true, false);
    VERTICAL = AgentInput(true, true, false, false, false);
    MASH = AgentInput(true, true, true, true, true);
}

bool AgentInput::empty() const { return !(up || down || forward || backward || attack); }

AgentInput AgentInput::without(const AgentInput& held) const {
    return AgentInput(up && !held.up, down && !held.down, forward && !held.forward,
                      backward && !held.backward, attack && !held.attack);
}

bool AgentInput::operator==(const AgentInput& o) const {
    return up == o.up && down == o.down && forward == o.forward && backward == o.backward &&
           attack == o.attack;
}
