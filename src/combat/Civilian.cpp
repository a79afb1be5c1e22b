#include "combat/Civilian.h"

#include "level/Level.h"
#include "sprites/SpriteSheet.h"

Civilian::Civilian(Coord pos, int team, bool facing_left, const Looks& looks)
    : Agent(VARIANT_NO_CAPE, 1, pos, team, facing_left), pose(SpriteSheet::agent[looks.standing]),
      looks(looks) {
    state_timer = 0;
    state = IDLE;
}

void Civilian::set_state(AgentState s) {
    state_timer = 0;
    if (s == TALK) {
        pose = SpriteSheet::agent[looks.talking];
    } else if (s == IDLE || s == AIRBORNE) {
        pose = SpriteSheet::agent[looks.standing];
    } else {
        kill();
        looks.yell();
        pose = SpriteSheet::agent[looks.struck];
        vel.x = facing_left ? looks.slide_speed : -looks.slide_speed;
    }
    state = s;
}

void Civilian::after_blow(int) {}

void Civilian::run() {
    if (state != TALK && state != IDLE && state != AIRBORNE) {
        state_timer += 1;
        after_blow(state_timer);
    }
    pos.x += vel.x;
    pos.y = Level::FLOOR_HEIGHT;
    if (state_timer < looks.frames_seen_after_blow) pose->draw(pos, facing_left);
}
