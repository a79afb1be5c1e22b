#include "combat/AgentChild.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

namespace {
const int STANDING = 89;
const int TALKING = 93;
const int STRUCK = 94;
const int SLIDE_SPEED = 10;
// Frames after the blow at which the child bursts and stops being drawn.
const int BURST_AT = 20;
const int BURST_ROUNDS = 400;
const int BURST_RADIUS = 40;
// The burst is centred this far above the feet.
const int BURST_HEIGHT = 30;

int rounded(double v) {
    return static_cast<int>(v + 0.5);
}

Coord polar(int r, double theta) {
    return Coord(rounded(r * std::cos(theta)), rounded(r * std::sin(theta)));
}

Coord burst_point(Coord at, int r, double theta) {
    return Coord(at.x + rounded(r * std::cos(theta)),
                 at.y + static_cast<int>(r * std::sin(theta) + 0.5 - BURST_HEIGHT));
}
} // namespace

AgentChild::AgentChild(Coord pos, int team, bool facing_left)
    : Agent(VARIANT_NO_CAPE, 1, pos, team, facing_left), pose(SpriteSheet::agent[STANDING]) {
    state_timer = 0;
    state = IDLE;
}

AgentChild::~AgentChild() = default;

void AgentChild::set_state(AgentState s) {
    state_timer = 0;
    if (s == TALK) {
        pose = SpriteSheet::agent[TALKING];
    } else if (s == IDLE || s == AIRBORNE) {
        pose = SpriteSheet::agent[STANDING];
    } else {
        kill();
        Sound::play_child_yell();
        pose = SpriteSheet::agent[STRUCK];
        vel.x = facing_left ? SLIDE_SPEED : -SLIDE_SPEED;
    }
    state = s;
}

void AgentChild::run() {
    if (state != TALK && state != IDLE && state != AIRBORNE) {
        state_timer += 1;
        if (state_timer == BURST_AT) {
            burst();
            Sound::play_flame();
        }
    }
    pos.x += vel.x;
    pos.y = Level::FLOOR_HEIGHT;
    if (state_timer < BURST_AT) pose->draw(pos, facing_left);
}

void AgentChild::burst() {
    for (int i = 0; i < BURST_ROUNDS; ++i) {
        const double theta = Utility::randAngle(0, 360);

        const int r1 = std::rand() % BURST_RADIUS;
        const Coord smoke_at = burst_point(pos, r1, theta);
        const Coord smoke_vel = polar(std::rand() % 8, theta);
        Particle* smoke = new Particle(smoke_at, smoke_vel, std::rand() % 2);
        smoke->add_jitter(Coord(1, 1));
        smoke->make_pixel(Pixel::black);
        smoke->add_lifespan(1 + std::rand() % 39);
        smoke->put_foreground();

        const int r2 = std::rand() % BURST_RADIUS;
        const Coord spark_at = burst_point(pos, r2, theta);
        const Coord spark_vel = polar(std::rand() % 8, theta);
        Particle* spark = new Particle(spark_at, spark_vel, 0);
        spark->add_jitter(Coord(1, 1));
        // Red through yellow to white.
        const int c = std::rand() % 512;
        spark->make_pixel(Pixel::make(255, std::min(c, 255), std::max(c - 256, 0)));
        spark->add_lifespan(1 + std::rand() % 90);
        spark->put_background();
    }
}
