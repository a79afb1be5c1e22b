#include "core/RandomState.h"

#include <cstdlib>
#include <cstring>

namespace {
// Made current only for a moment, while the real state is read or written.
char spare[RandomState::STATE_BYTES];
bool spare_made = false;
// Where a restored state lives from then on.
char restored[RandomState::STATE_BYTES];
} // namespace

char* RandomState::switch_away() {
    if (spare_made) return ::setstate(spare);
    spare_made = true;
    return ::initstate(1, spare, sizeof spare);
}

std::vector<unsigned char> RandomState::save() {
    char* live = switch_away();
    std::vector<unsigned char> state(live, live + STATE_BYTES);
    ::setstate(live);
    return state;
}

bool RandomState::restore(const std::vector<unsigned char>& state) {
    if (state.size() != static_cast<size_t>(STATE_BYTES)) return false;
    // Not written while current: switching away would overwrite its position.
    switch_away();
    std::memcpy(restored, state.data(), STATE_BYTES);
    ::setstate(restored);
    return true;
}
