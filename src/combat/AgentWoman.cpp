#include "combat/AgentWoman.h"

#include "core/Sound.h"
#include "level/Level.h"
#include "sprites/SpriteSheet.h"

namespace {
const int STANDING = 128;
const int TALKING = 127;
const int STRUCK = 129;
const int SLIDE_SPEED = 4;
// Frames a struck woman stays visible, the frame of the blow included.
const int SEEN_AFTER_BLOW = 10;
} // namespace

AgentWoman::AgentWoman(Coord pos, int team, bool facing_left)
    : Agent(VARIANT_NO_CAPE, 1, pos, team, facing_left), pose(SpriteSheet::agent[STANDING]) {
    state_timer = 0;
    state = IDLE;
}

AgentWoman::~AgentWoman() = default;

void AgentWoman::set_state(AgentState s) {
    state_timer = 0;
    if (s == TALK) {
        pose = SpriteSheet::agent[TALKING];
    } else if (s == IDLE || s == AIRBORNE) {
        pose = SpriteSheet::agent[STANDING];
    } else {
        kill();
        Sound::play_woman_yell();
        pose = SpriteSheet::agent[STRUCK];
        vel.x = facing_left ? SLIDE_SPEED : -SLIDE_SPEED;
    }
    state = s;
}

void AgentWoman::run() {
    if (state != TALK && state != IDLE && state != AIRBORNE) state_timer += 1;
    pos.x += vel.x;
    pos.y = Level::FLOOR_HEIGHT;
    if (state_timer < SEEN_AFTER_BLOW) pose->draw(pos, facing_left);
}
