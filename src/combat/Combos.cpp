#include "combat/Combos.h"

ComboLog Combos::FIREBOLT;
ComboLog Combos::SUMMON;
ComboLog Combos::TELEPORT;
ComboLog Combos::LIGHTNING;
ComboLog Combos::STOMP;
ComboLog Combos::SHIELD;

ComboLog Combos::entered(std::initializer_list<AgentInput> inputs) {
    ComboLog combo;
    for (const AgentInput& in : inputs) combo.push(in);
    return combo;
}

void Combos::start() {
    const AgentInput& U = AgentInput::UP;
    const AgentInput& D = AgentInput::DOWN;
    const AgentInput& F = AgentInput::FORWARD;
    const AgentInput& B = AgentInput::BACKWARD;
    const AgentInput& A = AgentInput::ATTACK;
    FIREBOLT = entered({D, B, F});
    SUMMON = entered({D, B, D, F, B, F, D, B});
    TELEPORT = entered({U, A, B});
    LIGHTNING = entered({A, F, F, D});
    STOMP = entered({U, D, D});
    SHIELD = entered({B, A, U});
}
