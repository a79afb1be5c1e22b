#include "combat/Missile.h"

#include <algorithm>
#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Attack.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/SpriteSheet.h"
#include "world/Effect.h"
#include "world/Particle.h"

namespace {
const int SWORD_READY = 38;
const int SWORD_RECOVERING = 40;
const int SWORD_IMAGE_FRAMES = 8;

int toward(int from, int to) {
    return from < to ? 1 : (from > to ? -1 : 0);
}
} // namespace

void Missile::run_giblet(Attack& a) {
    Particle* part = a.body();
    if (!part) return;
    if (std::abs(part->vel.y) > 1) Effect::blood(part->pos, 0, 180, 1, 5, 10);
    if (!part->bouncing()) part->vel.x = 0;
}

void Missile::set_up_telekinesis(Attack& a) {
    const int vx = Random::next() % 21 - 10;
    const int vy = Random::next() % 21 - 10;
    Particle* sword = new Particle(a.pos, Coord(vx, vy), 0);
    sword->make_sprite(SpriteSheet::base[SWORD_READY]);
    sword->persist();
    a.carrier = sword;
    // The sword's picture and the frames it is held.
    a.pos = Coord(SWORD_READY, 0);
}

void Missile::run_telekinesis(Attack& a) {
    Particle* sword = a.body();
    if (!a.owner->alive) {
        // The sword drops.
        sword->gravity = 1;
        sword->add_x_drag(1);
        sword->unpersist();
        return;
    }
    Agent* t = a.owner->get_closest(Agent::F_ENEMY);
    if (!t) return;
    sword->vel.x += toward(sword->pos.x, t->pos.x) * (Random::next() % 3);
    const int old_vy = sword->vel.y;
    if (sword->pos.y < t->pos.y - 45)
        sword->vel.y += Random::next() % 2;
    else if (sword->pos.y >= t->pos.y - 44)
        sword->vel.y -= Random::next() % 2;
    if (sword->pos.y >= Level::FLOOR_HEIGHT - 99 && old_vy > 5) sword->vel.y /= 2;
    sword->vel.x = std::clamp(sword->vel.x, -22, 22);
    sword->vel.y = std::clamp(sword->vel.y, -16, 16);
    if (a.pos.x == SWORD_READY) {
        a.check_hits();
    } else if (a.pos.x > SWORD_READY && a.pos.y > 0) {
        a.pos.y -= 1;
        if (a.pos.y == 0) {
            a.pos.x -= 1;
            a.pos.y = SWORD_IMAGE_FRAMES;
        }
    }
    sword->make_sprite(SpriteSheet::base[a.pos.x]);
}

void Missile::hit_telekinesis(Attack& a, Agent* target, int contact) {
    if (contact != 2) return;
    a.pos = Coord(SWORD_RECOVERING, SWORD_IMAGE_FRAMES);
    if (!target->blocking()) {
        target->wound(5, DYING);
    } else {
        Sound::play_clash();
        if (a.owner->alive) a.owner->wound(5, STUN);
    }
    Sound::play_swish();
    Particle* sword = a.body();
    sword->vel.y = static_cast<int>(-std::abs(sword->vel.y) * 3.2 - Random::next() % 20);
    sword->vel.x = static_cast<int>(sword->vel.x * -4.2);
    a.has_hit = true;
}

void Missile::set_up_blood_sword(Attack& a) {
    const int vx = Random::next() % 2 == 0 ? 9 : -9;
    Particle* sword = new Particle(a.pos, Coord(vx, 3), 0);
    sword->make_sprite(SpriteSheet::blood_sword);
    sword->persist();
    a.carrier = sword;
}

void Missile::run_blood_sword(Attack& a) {
    if (!a.owner->alive) return;
    Agent* t = a.owner->get_closest(Agent::F_ENEMY);
    if (!t) return;
    Particle* sword = a.body();
    if (std::abs(sword->pos.x - t->pos.x) > 500)
        sword->vel.x = t->pos.x < sword->pos.x ? -9 : 9;
    else if (t->collide(sword->pos) == 2)
        t->wound(3, DISMEMBERED);
}

void Missile::set_up_mote(Attack& a) {
    const int r = Random::next() % 3;
    const double angle = Utility::randAngle(0, 360);
    Particle* mote = new Particle(a.pos.vectorOffset(angle, r), Coord(0, 0), 0);
    mote->make_pixel(Pixel::make(127 + Random::next() % 127, 0, 0));
    mote->persist();
    a.carrier = mote;
}

void Missile::run_mote(Attack& a) {
    const Agent* owner = a.owner;
    Particle* mote = a.body();
    if (owner->state == CORPSE || owner->state == REMAINS || owner->state == GONE) {
        mote->unpersist();
        mote->gravity = 1;
        return;
    }
    mote->persist();
    mote->gravity = 0;
    const Coord home(owner->pos.x, owner->pos.y - 200);
    if (Utility::distance(mote->pos, home) <= 30) {
        const int r = Random::next() % 5;
        mote->vel = Coord().vectorOffset(Utility::randAngle(0, 360), r);
        return;
    }
    mote->vel.x += toward(mote->pos.x, owner->pos.x) * (Random::next() % 3);
    if (mote->pos.y < owner->pos.y - 245)
        mote->vel.y += Random::next() % 2;
    else if (mote->pos.y >= owner->pos.y - 244)
        mote->vel.y -= Random::next() % 2;
    mote->vel.x = std::clamp(mote->vel.x, -15, 15);
    mote->vel.y = std::clamp(mote->vel.y, -10, 10);
}
