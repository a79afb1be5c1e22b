#pragma once

// One frame of control input for an agent. `forward` and `backward` are relative to the
// agent's facing, so the same combo works in both directions.
class AgentInput {
public:
    AgentInput();
    AgentInput(bool up, bool down, bool forward, bool backward, bool attack);

    // Fills the named inputs below; until then they are all empty.
    static void start();

    bool empty() const;
    // The buttons set here that are not set in `held`.
    AgentInput without(const AgentInput& held) const;

    bool operator==(const AgentInput& o) const;
    bool operator!=(const AgentInput& o) const { return !(*this == o); }

    bool up;
    bool down;
    bool forward;
    bool backward;
    bool attack;

    static AgentInput UP;
    static AgentInput DOWN;
    static AgentInput FORWARD;
    static AgentInput BACKWARD;
    static AgentInput ATTACK;
    static AgentInput HORIZONTAL;
    static AgentInput VERTICAL;
    static AgentInput MASH;
};
