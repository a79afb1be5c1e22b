#include "combat/Spell.h"

#include <cmath>
#include <cstdlib>

#include "ai/AI_Peasant.h"
#include "combat/Agent.h"
#include "combat/Attack.h"
#include "combat/Hazard.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "world/Effect.h"
#include "world/Particle.h"

namespace {
const double PI = 3.14159265;
const double TWO_PI = 6.28318531;
const int BOLT_SPEED = 13;
const double BOLT_TURN = 0.07;
const double BOLT_CONE = 2.0;
// Fire bolts and lightning aim at the chest, halos circle the head.
const int BOLT_AIM_HEIGHT = 50;
const int CHEST_HEIGHT = 38;
const int LIGHTNING_IMAGE = 119;
const int STOMP_REACH = 75;
const int SHIELD_SMOKE_FRAMES = 60;
const int SHIELD_FRAMES = 100;
const int SHIELD_REACH = 99;
} // namespace

void Spell::set_up_firebolt(Attack& a) {
    Particle* bolt = new Particle(a.pos, Coord(0, 0), 0);
    bolt->make_animation(Animation::bolt);
    bolt->persist();
    bolt->vel.x = a.owner->facing_left ? -5 : 5;
    a.heading = a.owner->facing_left ? PI : 0.0;
    a.carrier = bolt;
}

void Spell::run_firebolt(Attack& a) {
    a.check_hits();
    Particle* bolt = a.body();
    Agent* target = nullptr;
    double target_turn = 0.0;
    int best = 0;
    for (Agent* t : Agent::agents) {
        if (!a.may_harm(t)) continue;
        const Coord aim(t->pos.x, t->pos.y - BOLT_AIM_HEIGHT);
        double d = std::atan2(aim.y - bolt->pos.y, aim.x - bolt->pos.x) - a.heading;
        // A heading turned by many steerings may lie far outside one turn.
        while (d > PI)
            d -= TWO_PI;
        while (d < -PI)
            d += TWO_PI;
        if (d <= -BOLT_CONE || d >= BOLT_CONE) continue;
        const int dist = Utility::distance(bolt->pos, aim);
        if (target && dist >= best) continue;
        target = t;
        target_turn = d;
        best = dist;
    }
    if (target) {
        a.heading += target_turn >= 0 ? BOLT_TURN : -BOLT_TURN;
        bolt->persist();
    } else {
        bolt->unpersist();
    }
    bolt->vel = Coord(static_cast<int>(BOLT_SPEED * std::cos(a.heading) + 0.5),
                      static_cast<int>(BOLT_SPEED * std::sin(a.heading) + 0.5));
    // A bolt that has just burst on a fighter does not burst again on the floor.
    if (a.alive && bolt->pos.y > Level::FLOOR_HEIGHT) {
        a.kill();
        Effect::bolt_hit(bolt->pos);
        Sound::play_bolthit();
    }
}

void Spell::hit_firebolt(Attack& a, Agent* target, int contact) {
    if (target->blocking()) {
        a.has_hit = false;
        target->set_state(IDLE);
        Sound::play_clash();
        a.owner = target;
        a.heading -= Utility::getAngle(180);
        if (a.heading < 0) a.heading += 6.2831853;
        a.carrier->vel.x = -a.carrier->vel.x;
    } else if (contact == 2) {
        if (!a.has_hit) Sound::play_bolthit();
        target->vel.x = a.owner->towards_facing(6);
        a.kill();
        Effect::bolt_hit(a.carrier->pos);
        target->wound(7, BOLT_DEATH);
        a.has_hit = true;
    }
}

void Spell::set_up_lightning(Attack& a) {
    // The hand's offset from the caster, who may still move.
    a.pos = Coord(a.pos.x - a.owner->pos.x, a.pos.y - a.owner->pos.y);
}

void Spell::run_lightning(Attack& a) {
    const Agent* owner = a.owner;
    const Coord hand(owner->pos.x + a.pos.x, owner->pos.y + a.pos.y);
    if (owner->state == LIGHTNING_CHARGE) {
        const int x = Random::next() % Graphics::screen->w();
        Effect::lightning(hand, Coord(x, 0), 1, 10, 40);
        return;
    }
    if (owner->state != LIGHTNING_STRIKE) {
        a.kill();
        return;
    }
    if (owner->image() != LIGHTNING_IMAGE) return;
    Agent* t = a.owner->get_closest(Agent::F_ENEMY | Agent::F_GROUNDED);
    if (!t) {
        const Coord edge(owner->facing_left ? 0 : Graphics::screen->w(), hand.y);
        Effect::lightning(hand, edge, 1, 10, 40);
        return;
    }
    t->wound(1, BURN);
    const Coord chest(t->pos.x, t->pos.y - CHEST_HEIGHT);
    for (int i = 0; i < 4; ++i) {
        const double angle_a = Utility::randAngle(0, 360);
        const Coord from = chest.vectorOffset(angle_a, Random::next() % 70);
        const double angle_b = Utility::randAngle(0, 360);
        const Coord to = chest.vectorOffset(angle_b, Random::next() % 70);
        Effect::lightning(from, to, 1, 2, 12);
    }
    Effect::lightning(hand, Coord(t->pos.x, t->pos.y - BOLT_AIM_HEIGHT), 1, 10, 40);
    t->pos.x += t->pos.x < owner->pos.x ? -15 : 15;
}

void Spell::run_stomp(Attack& a) {
    for (size_t i = 0; i < Agent::agents.size(); ++i) {
        Agent* t = Agent::agents[i];
        if (!a.may_harm(t) || t->airborn()) continue;
        if (Utility::distance(t->pos, a.owner->pos) >= STOMP_REACH) continue;
        t->wound(35, GONE);
        Effect::blood(Coord(t->pos.x, t->pos.y - 40), 0, 180, 2, 10, 40);
        if (!t->alive && t->variant != VARIANT_WATER) {
            Effect::giblets(t);
            Sound::play_bodyburst();
        }
    }
    a.kill();
}

void Spell::set_up_fireshield(Attack& a) {
    a.pos = Coord(0, 0);
}

void Spell::run_fireshield(Attack& a) {
    const Agent* owner = a.owner;
    a.pos.x += 1;
    if (a.pos.x == SHIELD_SMOKE_FRAMES) Sound::play_fire();
    if (a.pos.x > SHIELD_FRAMES) {
        a.kill();
        return;
    }
    const Coord at(owner->pos.x - 100 + Random::next() % 201, Level::FLOOR_HEIGHT);
    const bool flame = a.pos.x > SHIELD_SMOKE_FRAMES && a.pos.x % 2 == 1;
    (flame ? Hazard::flame(at) : Hazard::smoke(at, 1))->put_foreground();
    if (a.pos.x <= SHIELD_SMOKE_FRAMES) return;
    Agent* e = a.owner->get_closest(Agent::F_ENEMY | Agent::F_GROUNDED);
    if (!e || std::abs(e->pos.x - owner->pos.x) > SHIELD_REACH) return;
    e->vel.y = -10;
    e->wound(1, FIRE_DEATH);
}

void Spell::summon(Attack& a) {
    Sound::play_splash();
    const int w = Graphics::screen->w();
    const int h = Graphics::screen->h();
    const int x = w / 2 - 200 + Random::next() % 400;
    const bool facing_left = Random::next() % 2 == 1;
    Agent* creature = new Agent(VARIANT_WATER, 20, Coord(x, -100 - h), a.owner->team, facing_left);
    new AI_Peasant(creature, true);
}

void Spell::run_halo(Attack& a) {
    Agent* owner = a.owner;
    if (!owner->alive) {
        owner->variant = VARIANT_NO_CAPE;
        return;
    }
    a.pos.x = (a.pos.x + 1) % 120;
    switch (a.pos.x % 60) {
    case 0:
        owner->variant = VARIANT_GLOW1;
        break;
    case 10:
    case 50:
        owner->variant = VARIANT_GLOW2;
        break;
    case 20:
    case 40:
        owner->variant = VARIANT_GLOW3;
        break;
    case 30:
        owner->variant = VARIANT_GLOW4;
        break;
    default:
        break;
    }
    const int r = a.pos.x <= 60 ? 170 - a.pos.x : a.pos.x + 50;
    const Coord centre(owner->pos.x, owner->pos.y - CHEST_HEIGHT);
    const Uint32 violet = Pixel::make(200, 0, 255);
    for (int deg = 0; deg < 360; deg += 30) {
        const Coord from = centre.vectorOffset(Utility::getAngle(deg), r);
        const Coord to = centre.vectorOffset(Utility::getAngle(deg + 30), r);
        Graphics::screen->draw_lightning(from, to, violet, 10, 40);
    }
}
