#include "world/Effect.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Attack.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

namespace {
const int MEAT_IMAGE = 62;
const int MEAT_KINDS = 4;
const int RUBBLE_IMAGE = 17;
const int RAIN_IMAGE = 37;
// Pictures in the leaf's tumbling loop.
const int LEAF_TURNS = 4;
// Magic bursts come out of a fighter's chest, 38 pixels above its feet.
const int CHEST_HEIGHT = 38;

// r pixels in direction theta, each component rounded by adding 0.5 and truncating.
Coord polar(int r, double theta) {
    return Coord().vectorOffset(theta, r);
}

Coord operator+(Coord a, Coord b) {
    return Coord(a.x + b.x, a.y + b.y);
}

// Half the drops go in front of the fighters, half behind.
void put_either(Particle* p) {
    if (Random::next() % 2 == 0)
        p->put_foreground();
    else
        p->put_background();
}

// Velocity of one drop of a spray; every recipe draws the angle before the speed.
Coord spray_velocity(int angle, int spread, int low, int high) {
    const int degrees = Utility::randDegrees(angle - spread, angle + spread);
    // A range of speeds must not be empty; callers always give high > low.
    const int range = 3 * (high - low);
    const int r = range > 0 ? Random::next() % range - low : -low;
    return Utility::polar(degrees, r);
}

struct GibletPart {
    Coord offset;
    int angle_low;
    int angle_high;
    int image_facing_right;
    int image_facing_left;
};

const GibletPart GIBLET_PARTS[] = {
    {Coord(0, -66), 60, 120, 31, 31},    {Coord(0, -48), 60, 120, 36, 36},
    {Coord(-22, -46), 100, 130, 33, 32}, {Coord(22, -45), 50, 80, 32, 33},
    {Coord(-10, -20), 100, 130, 34, 35}, {Coord(10, -20), 50, 80, 35, 34},
};
} // namespace

void Effect::blood(Coord at, int angle, int spread, int low, int high, int count) {
    for (int i = 0; i < count; ++i) {
        Particle* drop = new Particle(at, spray_velocity(angle, spread, low, high), 1);
        drop->add_terminal_velocity(20);
        drop->make_pixel(Pixel::make(105 + Random::next() % 150, 0, 0));
        put_either(drop);
    }
}

void Effect::meat(Coord at, int angle, int spread, int low, int high, int count) {
    for (int i = 0; i < count; ++i) {
        Particle* piece = new Particle(at, spray_velocity(angle, spread, low, high), 1);
        piece->add_terminal_velocity(20);
        piece->make_sprite(SpriteSheet::base[MEAT_IMAGE + Random::next() % MEAT_KINDS]);
        put_either(piece);
    }
}

void Effect::giblets(Agent* a) {
    for (const GibletPart& part : GIBLET_PARTS) {
        const int s = -(Random::next() % 15);
        const double theta = Utility::randAngle(part.angle_low, part.angle_high);
        Particle* body = new Particle(a->pos + part.offset, polar(s, theta), 1);
        body->add_bounce();
        body->persist();
        const int image = a->facing_left ? part.image_facing_left : part.image_facing_right;
        body->make_sprite(SpriteSheet::base[image]);
        Attack* trail = new Attack(ATK_GIBLET, nullptr, Coord(0, 0));
        trail->carrier = body;
    }
}

void Effect::bolt_hit(Coord at) {
    Particle* burst = new Particle(at, Coord(0, 0), 0);
    burst->make_animation(Animation::bolt_hit);
    burst->put_foreground();
}

void Effect::hellfire(int x) {
    const int rise = -(Random::next() % 15) - 10;
    Particle* flame = new Particle(Coord(x, Level::FLOOR_HEIGHT), Coord(0, rise), 1);
    // A negative limit: once slowed down the flame keeps rising at 5 pixels a frame.
    flame->add_terminal_velocity(-5);
    flame->make_animation(Animation::hellfire);
    flame->put_foreground();
}

void Effect::stomp(int x) {
    for (int dx = -50; dx <= 50; dx += 25) {
        const int rise = -14 - Random::next() % 11;
        Particle* rock = new Particle(Coord(x + dx, Level::FLOOR_HEIGHT + 3), Coord(0, rise), 3);
        rock->add_terminal_velocity(1 + Random::next() % 2);
        rock->make_sprite(SpriteSheet::base[RUBBLE_IMAGE + Random::next() % 4]);
        rock->put_foreground();
    }
}

void Effect::lightning(Coord from, Coord to, int count, int a, int b) {
    const Uint32 violet = Pixel::make(140, 0, 255);
    for (int i = 0; i < count; ++i)
        Graphics::screen->draw_lightning(from, to, violet, a, b);
}

void Effect::water_spray(Coord at) {
    const Coord chest(at.x, at.y - CHEST_HEIGHT);
    for (int i = 0; i < 150; ++i) {
        const double theta = Utility::randAngle(0, 360);
        const int d = 5 + Random::next() % 35;
        const int s = 1 + Random::next() % 2;
        Particle* drop = new Particle(chest + polar(d, theta), polar(s, theta) + Coord(0, -5), 1);
        const int c = 130 + Random::next() % 125;
        drop->make_pixel(Pixel::make(c, c, 255));
        // 0 means the drop lives until it leaves the screen.
        drop->add_lifespan(Random::next() % 80);
        drop->put_foreground();
    }
}

void Effect::teleport(Coord at) {
    const Coord chest(at.x, at.y - CHEST_HEIGHT);
    for (int i = 0; i < 30; ++i) {
        const double theta = Utility::randAngle(0, 360);
        const int d = 1 + Random::next() % 11;
        const int s = 1 + Random::next() % 4;
        Particle* puff = new Particle(chest + polar(d, theta), polar(s, theta), 0);
        // Puffs start up to three pictures in, so that they do not all pulse together.
        Frame* start = Animation::cloud;
        for (int chance = 0; chance < 3; ++chance)
            if (Random::next() % 3 == 0) start = start->peek_next();
        puff->make_animation(start);
        puff->put_foreground();
    }
}

void Effect::leaf() {
    if (Random::next() % 30000 == 0) return;
    const int y = Level::FLOOR_HEIGHT - Random::next() % 200;
    const int vx = -8 - Random::next() % 10;
    Particle* leaf = new Particle(Coord(Graphics::screen->w() - 1, y), Coord(vx, 3), 0);
    leaf->add_jitter(Coord(0, 1));
    // Leaves join their tumble at different turns, chosen by height rather than a new draw.
    Frame* turn = Animation::leaf;
    for (int i = y % LEAF_TURNS; i > 0; --i)
        turn = turn->peek_next();
    leaf->make_animation(turn);
    leaf->put_foreground();
}

void Effect::snow() {
    if (Random::next() % 300 == 0) return;
    const int x = Random::next() % (Graphics::screen->w() + 1000) - 500;
    Particle* flake = new Particle(Coord(x, 0), Coord(0, 0), 1);
    flake->add_terminal_velocity(8 + Random::next() % 3);
    // Flakes drift far off the sides; their lifespan alone ends them.
    flake->add_lifespan(Graphics::screen->h() / 8);
    flake->persist();
    flake->make_pixel(Pixel::make(255, 255, 255));
    put_either(flake);
}

void Effect::rain() {
    if (Random::next() % 80 == 0) return;
    const int x = Random::next() % (Graphics::screen->w() + 200) - 100;
    const int vy = 20 + Random::next() % 40;
    Particle* drop = new Particle(Coord(x, 0), Coord(0, vy), 0);
    drop->make_sprite(SpriteSheet::base[RAIN_IMAGE]);
    drop->put_foreground();
}
