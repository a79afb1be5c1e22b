#include "combat/AgentChild.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/Utility.h"
#include "world/Particle.h"

namespace {
const int BURST_AT = 20;
const Civilian::Looks CHILD = {89, 93, 94, 10, BURST_AT, Sound::play_child_yell};
const int BURST_ROUNDS = 400;
const int BURST_RADIUS = 40;
// The burst is centred this far above the feet.
const int BURST_HEIGHT = 30;

Coord burst_point(Coord at, int r, double theta) {
    return Coord(at.x + static_cast<int>(r * std::cos(theta) + 0.5),
                 at.y + static_cast<int>(r * std::sin(theta) + 0.5 - BURST_HEIGHT));
}
} // namespace

AgentChild::AgentChild(Coord pos, int team, bool facing_left)
    : Civilian(pos, team, facing_left, CHILD) {}

void AgentChild::after_blow(int frames) {
    if (frames != BURST_AT) return;
    burst();
    Sound::play_flame();
}

void AgentChild::burst() {
    for (int i = 0; i < BURST_ROUNDS; ++i) {
        const double theta = Utility::randAngle(0, 360);

        const int r1 = Random::next() % BURST_RADIUS;
        const Coord smoke_at = burst_point(pos, r1, theta);
        const Coord smoke_vel = Coord().vectorOffset(theta, Random::next() % 8);
        Particle* smoke = new Particle(smoke_at, smoke_vel, Random::next() % 2);
        smoke->add_jitter(Coord(1, 1));
        smoke->make_pixel(Pixel::black);
        smoke->add_lifespan(1 + Random::next() % 39);
        smoke->put_foreground();

        const int r2 = Random::next() % BURST_RADIUS;
        const Coord spark_at = burst_point(pos, r2, theta);
        const Coord spark_vel = Coord().vectorOffset(theta, Random::next() % 8);
        Particle* spark = new Particle(spark_at, spark_vel, 0);
        spark->add_jitter(Coord(1, 1));
        // Red through yellow to white.
        const int c = Random::next() % 512;
        spark->make_pixel(Pixel::make(255, std::min(c, 255), std::max(c - 256, 0)));
        spark->add_lifespan(1 + Random::next() % 90);
        spark->put_background();
    }
}
