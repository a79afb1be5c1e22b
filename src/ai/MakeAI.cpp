#include <string>
#include <vector>

#include "ai/AI.h"
#include "ai/AI_Concrete.h"
#include "core/Error.h"

namespace {
template <class Controller> AI* make(Agent* agent, bool listed) {
    return new Controller(agent, listed);
}

struct Entry {
    const char* name;
    AI* (*make)(Agent*, bool);
};

// Compared in this order; names are case-sensitive.
const Entry CONTROLLERS[] = {
    {"AI_P1", make<AI_P1>},
    {"AI_P2", make<AI_P2>},
    {"AI_Mk1", make<AI_Mk1>},
    {"AI_Mk2", make<AI_Mk2>},
    {"AI_Mk3", make<AI_Mk3>},
    {"AI_MeleeBolter", make<AI_MeleeBolter>},
    {"AI_Stationary", make<AI_Stationary>},
    {"AI_Bolter", make<AI_Bolter>},
    {"AI_FastBolter", make<AI_FastBolter>},
    {"AI_Panicked", make<AI_Panicked>},
    {"AI_Teleporter", make<AI_Teleporter>},
    {"AI_Dummy", make<AI_Dummy>},
    {"AI_Mage", make<AI_Mage>},
    {"AI_Boss", make<AI_Boss>},
    {"AI_Boss2", make<AI_Boss2>},
    {"AI_Vader", make<AI_Vader>},
    {"AI_Peasant", make<AI_Peasant>},
    {"AI_Penultimate", make<AI_Penultimate>},
    {"AI_Summoner", make<AI_Summoner>},
    {"AI_PeasantBoss", make<AI_PeasantBoss>},
    {"AI_Pitfighter", make<AI_Pitfighter>},
    {"AI_Duelist", make<AI_Duelist>},
};
} // namespace

std::vector<std::string> AI::controller_names() {
    std::vector<std::string> names;
    for (const Entry& entry : CONTROLLERS)
        names.push_back(entry.name);
    return names;
}

AI* AI::make_AI(std::string name, Agent* agent, bool listed) {
    for (const Entry& entry : CONTROLLERS)
        if (name == entry.name) return entry.make(agent, listed);
    // The agent still gets a controller, one that does next to nothing.
    Error::note("Invalid AI: " + name);
    return new AI_Dummy(agent, listed);
}

int AI::replace_if(const std::function<bool(const AI&)>& which, const std::string& name) {
    int replaced = 0;
    for (AI*& controller : AI_list) {
        if (!controller || !controller->agent || !which(*controller)) continue;
        AI* replacement = make_AI(name, controller->agent, false);
        delete controller;
        controller = replacement;
        ++replaced;
    }
    return replaced;
}

int AI::replace_players(const std::string& name) {
    return replace_if(
        [](const AI& c) {
            return dynamic_cast<const AI_P1*>(&c) != nullptr ||
                   dynamic_cast<const AI_P2*>(&c) != nullptr;
        },
        name);
}
