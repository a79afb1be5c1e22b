#include "combat/Death.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "sprites/Animation.h"
#include "world/Effect.h"

void Death::behave(Agent& a) {
    switch (a.state) {
    case BEHEADED:
        spurt(a);
        break;
    case BEHEADED_FALL:
        a.vel.x = 0;
        if (!a.frame) become_remains(a, Animation::behead_corpse);
        break;
    case DYING:
        fall(a);
        break;
    case CORPSE:
        a.vel.x = 0;
        if (Random::next() % 200 == 0) a.set_state(TWITCH);
        break;
    case TWITCH:
        twitch(a);
        break;
    case DISMEMBERED:
        bleed_out(a);
        break;
    case BURN:
        a.slow_x(2, 1);
        if (!a.frame)
            a.set_state(GONE);
        else if (a.airborn())
            a.frame_counter = 0;
        break;
    case BOLT_DEATH:
    case FIRE_DEATH:
        a.slow_x(1, 1);
        if (!a.frame) become_remains(a, Animation::burned_corpse);
        break;
    default:
        break;
    }
}

// Blood from the neck, strongest just after each beat of the spurt timer.
void Death::spurt(Agent& a) {
    a.vel.x = 0;
    int strength;
    if (a.state_timer < 1) {
        a.state_timer = Agent::BEHEAD_SPURT_FREQUENCY;
        strength = 11;
    } else {
        a.state_timer -= 1;
        strength = a.state_timer / 2 + 1;
    }
    const int wobble = Random::next() % 5 - 2;
    Effect::blood(Coord(a.pos.x - wobble, a.pos.y - 55), a.facing_left ? 280 : 260, 25, 0, 6,
                  strength);
    if (!a.frame) a.set_state(BEHEADED_FALL);
}

// The death variant brakes the body; a fall from the air is held until it lands.
void Death::fall(Agent& a) {
    a.slow_x(a.state_timer, 1);
    if (!a.frame) {
        Sound::play_thud();
        a.set_state(CORPSE);
    } else if (a.airborn()) {
        a.frame_counter = 0;
    }
}

void Death::twitch(Agent& a) {
    a.vel.x = 0;
    if (a.frame) return;
    if (a.state_timer == 1 && Random::next() % 4 != 0)
        a.frame = Animation::twitch1;
    else
        a.set_state(CORPSE);
}

// Three stages: the blow, a long bleeding that ends at random, the body left lying.
void Death::bleed_out(Agent& a) {
    a.vel.x = 0;
    Effect::blood(Coord(a.pos.x, a.pos.y - 38), 0, 180, 2, 5, 10);
    if (a.frame) return;
    if (a.state_timer == 1) {
        a.frame = Animation::dismember2;
        a.state_timer = 2;
        a.frame_delay = 2;
    } else if (a.state_timer == 2) {
        if (Random::next() % 40 < 1) {
            a.frame = Animation::dismember3;
            a.state_timer = 3;
            a.frame_delay = 4;
        } else {
            a.frame = Animation::dismember2;
        }
    } else {
        a.frame = Animation::dismember_corpse;
        a.state = REMAINS;
    }
}

// Set directly, without set_state: the remains keep the corpse picture given.
void Death::become_remains(Agent& a, Frame* corpse) {
    Sound::play_thud();
    a.state = REMAINS;
    a.frame = corpse;
}
