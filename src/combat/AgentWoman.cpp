#include "combat/AgentWoman.h"

#include "core/Sound.h"

namespace {
const Civilian::Looks WOMAN = {128, 127, 129, 4, 10, Sound::play_woman_yell};
} // namespace

AgentWoman::AgentWoman(Coord pos, int team, bool facing_left)
    : Civilian(pos, team, facing_left, WOMAN) {}
