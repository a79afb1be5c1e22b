#pragma once
#include <initializer_list>

#include "combat/ComboLog.h"

// The six special-move combos, stored newest input first.
class Combos {
public:
    // Needs AgentInput::start first.
    static void start();

    static ComboLog FIREBOLT;
    static ComboLog SUMMON;
    static ComboLog TELEPORT;
    static ComboLog LIGHTNING;
    static ComboLog STOMP;
    static ComboLog SHIELD;

private:
    // Builds a combo from its inputs in the order the player enters them.
    static ComboLog entered(std::initializer_list<AgentInput> inputs);
};
