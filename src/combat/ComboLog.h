#pragma once
#include <array>

#include "combat/AgentInput.h"

// The last eight input changes of an agent, newest first. The same type stores a combo:
// its inputs newest first, the older entries empty.
class ComboLog {
public:
    static constexpr int LENGTH = 8;

    // Eight empty entries, idle.
    ComboLog();

    // Shifts every entry one place older (the oldest is lost) and stores `in` as the newest.
    void push(AgentInput in);
    // Records one frame of input: a held input once, a change between non-empty inputs
    // as the newly pressed buttons only, nothing for an empty frame but the idle mark.
    void update(AgentInput in);
    // Whether the log ends with `combo`.
    bool matches(const ComboLog& combo) const;
    // The input to give this frame to progress towards `combo`: empty once it matches,
    // and empty to release first when its next input is still being held.
    AgentInput approach(const ComboLog& combo) const;

    std::array<AgentInput, LENGTH> entries;
    // The previous recorded frame had no input.
    bool idle;

private:
    // How many of the combo's inputs are still to come, less one: the index of the
    // combo entry to enter next.
    int next_needed(const ComboLog& combo) const;
    // Whether the combo's entries from `from` on (up to its first empty one) equal this
    // log's entries from 0 on.
    bool ends_with_part(const ComboLog& combo, int from) const;
};
