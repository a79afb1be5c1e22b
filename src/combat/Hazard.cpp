#include "combat/Hazard.h"

#include <algorithm>
#include <cstdlib>

#include "combat/Attack.h"
#include "core/Random.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Effect.h"
#include "world/Particle.h"

namespace {
const int GORE_FRAMES = 10;
const int PIT_STAGES = 15;
} // namespace

Particle* Hazard::flame(Coord at) {
    Particle* flame = new Particle(at, Coord(0, 0), 0);
    flame->make_animation(Animation::fire);
    return flame;
}

Particle* Hazard::smoke(Coord at, int rise) {
    Particle* puff = new Particle(at, Coord(0, -rise), 0);
    puff->make_animation(Animation::cloud);
    return puff;
}

void Hazard::set_up_campfire(Attack& a) {
    // A marker of the place that does nothing.
    a.carrier = new Thing(a.pos);
}

void Hazard::run_campfire(Attack& a) {
    const Coord place = a.carrier->pos;
    if (Random::next() % 5 == 0) {
        const int x = place.x + 20 - Random::next() % 40;
        flame(Coord(x, place.y))->put_foreground();
    }
    if (Random::next() % 5 == 0) {
        const int rise = 1 + Random::next() % 4;
        const int x = place.x + 20 - Random::next() % 40;
        smoke(Coord(x, place.y), rise)->put_foreground();
    }
}

void Hazard::set_up_count(Attack& a) {
    a.pos.y = 0;
}

void Hazard::run_gore(Attack& a) {
    a.pos.y += 1;
    if (a.pos.y > GORE_FRAMES) {
        a.kill();
        return;
    }
    const Coord centre(a.pos.x, Level::FLOOR_HEIGHT - 40);
    const double meat_angle = Utility::randAngle(0, 360);
    const Coord p = centre.vectorOffset(meat_angle, Random::next() % 25);
    Effect::meat(p, 270, 70, 4, 15, 10);
    const double blood_angle = Utility::randAngle(0, 360);
    const Coord q = centre.vectorOffset(blood_angle, Random::next() % 25);
    Effect::blood(q, 270, 70, 4, 20, 5000);
}

void Hazard::run_hellfire(Attack& a) {
    a.pos.y -= 1;
    if (a.pos.y > 0)
        Effect::hellfire(a.pos.x - 80 + Random::next() % 41);
    else
        a.kill();
}

void Hazard::run_pit(Attack& a) {
    int image = 120;
    if (a.pos.y < 5)
        image = 123;
    else if (a.pos.y < 10)
        image = 122;
    else if (a.pos.y < PIT_STAGES)
        image = 121;
    SpriteSheet::agent[image]->draw(Coord(a.pos.x, Level::FLOOR_HEIGHT), true);
    a.pos.y = std::clamp(a.pos.y, 0, PIT_STAGES);
}
