#include "combat/Swing.h"

#include "combat/Agent.h"
#include "combat/Attack.h"
#include "core/Sound.h"
#include "world/Particle.h"

namespace {
const int SWING_FRAMES = 5;
} // namespace

void Swing::set_up(Attack& a) {
    Particle* point = new Particle(a.pos, a.owner->vel, 0);
    point->add_lifespan(SWING_FRAMES);
    a.carrier = point;
}

void Swing::run(Attack& a) {
    a.check_hits();
}

void Swing::hit_slash(Attack& a, Agent* target, int contact) {
    Agent* owner = a.owner;
    if (target->blocking()) {
        if (!a.has_hit) Sound::play_clash();
        target->set_state(IDLE);
        // The clash slows the attacker's swing.
        owner->frame_delay += 2;
        a.kill();
        target->heal(5);
        owner->heal(-5);
    } else if (contact == 2) {
        if (target->facing_left == owner->facing_left) {
            // Struck from behind.
            target->wound(2, DISMEMBERED);
            target->bleed(a.carrier->pos, 5, 9);
        } else {
            target->wound(1, DYING);
            target->bleed(a.carrier->pos, 3, 3);
        }
        target->vel.x += owner->towards_facing(2);
    }
    a.has_hit = true;
}

void Swing::hit_lunge(Attack& a, Agent* target, int contact) {
    if (contact != 2) return;
    if (!a.has_hit) Sound::play_hard_hit();
    if (target->state == STUN) {
        target->wound(1, BEHEADED);
        target->bleed(a.carrier->pos, 7, 3);
    } else {
        target->wound(25, BEHEADED);
        target->enfeeble(15);
        target->bleed(a.carrier->pos, 7, 25);
    }
    target->vel = Coord(a.owner->towards_facing(12), -10);
    a.has_hit = true;
}

void Swing::hit_air_slash(Attack& a, Agent* target, int contact) {
    if (target->blocking()) {
        if (!a.has_hit) Sound::play_clash();
        target->set_state(AIRBORNE);
        a.owner->frame_delay += 2;
        target->vel = Coord(0, -10);
        a.owner->vel = Coord(0, -10);
        a.kill();
    } else if (contact == 2) {
        target->wound(90, DYING);
        target->vel.x += a.owner->towards_facing(6);
        target->vel.y -= 10;
        target->bleed(a.carrier->pos, 12, 40);
    }
    a.has_hit = true;
}
