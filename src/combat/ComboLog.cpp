#include "combat/ComboLog.h"

ComboLog::ComboLog() : idle(true) {}

void ComboLog::push(AgentInput in) {
    for (int i = LENGTH - 1; i > 0; --i) entries[i] = entries[i - 1];
    entries[0] = in;
}

void ComboLog::update(AgentInput in) {
    if (in.empty()) {
        idle = true;
        return;
    }
    if (idle)
        push(in);
    else if (in != entries[0])
        push(in.without(entries[0]));
    idle = false;
}

bool ComboLog::matches(const ComboLog& combo) const {
    for (int i = 0; i < LENGTH; ++i) {
        if (combo.entries[i].empty()) return true;
        if (entries[i] != combo.entries[i]) return false;
    }
    return true;
}

bool ComboLog::ends_with_part(const ComboLog& combo, int from) const {
    for (int i = from, j = 0; i < LENGTH; ++i, ++j) {
        if (combo.entries[i].empty()) break;
        if (combo.entries[i] != entries[j]) return false;
    }
    return true;
}

int ComboLog::next_needed(const ComboLog& combo) const {
    for (int s = 0; s < LENGTH - 1; ++s)
        if (ends_with_part(combo, s + 1)) return s;
    return LENGTH - 1;
}

AgentInput ComboLog::approach(const ComboLog& combo) const {
    if (matches(combo)) return AgentInput();
    const AgentInput& wanted = combo.entries[next_needed(combo)];
    // Holding the same input again would not be recorded: release it first.
    if (wanted == entries[0] && !idle) return AgentInput();
    return wanted;
}
