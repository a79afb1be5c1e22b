#include "ai/AI_Penultimate.h"

#include <cstdlib>

#include "combat/Agent.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

namespace {
// Base-sheet picture of the flash each body part bursts out of.
constexpr int FLASH_SPRITE = 21;
constexpr int FLASH_FRAMES = 4;

// Frames after death (as negative phases) at which a body part bursts out, and its picture.
struct BodyPart {
    int phase;
    int sprite;
};
constexpr BodyPart BODY_PARTS[] = {{-120, 33}, {-140, 34}, {-160, 32},
                                   {-180, 35}, {-200, 36}, {-220, 31}};
} // namespace

AI_Penultimate::AI_Penultimate(Agent* agent, bool listed) : AI(agent, listed), phase(0) {}

void AI_Penultimate::run() {
    AI::run();
    if (!enemy) return;
    if (!agent->alive) {
        die();
        // Evaluated as in life; the dead agent ignores the input.
        fight();
        return;
    }
    if (stunned() || std::abs(dx()) > 1000) vanish();
    act();
}

void AI_Penultimate::vanish() {
    phase = agent->get_hp() > 0.5 ? Random::next() % 10 : 5 + Random::next() % 4;
    deathburst();
    // Set directly: the teleport's entry actions must not run.
    agent->state = TELEPORT;
    agent->frame = Animation::teleport;
    for (Agent* a : Agent::agents)
        if (a->alive && a->team != agent->team) a->set_state(STUN);
}

void AI_Penultimate::deathburst() {
    Sound::play_deathburst();
    const int vx = agent->facing_left ? -1 : 1;
    Particle* burst = new Particle(agent->pos, Coord(vx, 0), 0);
    burst->make_animation(Animation::deathburst);
    burst->put_foreground();
}

void AI_Penultimate::act() {
    AgentInput& in = agent->input;
    switch (phase) {
    case 0:
        break;
    case 1:
        step_combo(Combos::LIGHTNING);
        break;
    case 2:
        if (agent->airborn())
            step_combo(Combos::FIREBOLT);
        else
            in.forward = true;
        break;
    case 3:
        use_teleport();
        if (agent->state == TELEPORT) phase = TELEPORTING;
        break;
    case TELEPORTING:
        if (agent->state == IDLE || agent->state == AIRBORNE)
            phase = 3;
        else
            fight();
        break;
    case 4:
        wander();
        break;
    default:
        fight();
        break;
    }
}

void AI_Penultimate::fight() {
    if (block_teleport() || block_lightning() || block_firerain() || block_stomp() ||
        block_melee(SMART) || block_bolt())
        return;
    if (!safe()) return;
    if (face_enemy(SMART) || attack_air(0.18) || use_stomp() ||
        (lightning_safe() && use_lightning()) || attack(78, 90))
        return;
    if (phase < 7) {
        agent->input.forward = true;
        if (agent->state == WALK) agent->input.down = true;
    } else if (phase == 7 || phase == 8) {
        cautious_advance();
    }
}

void AI_Penultimate::die() {
    if (phase >= 0) {
        deathburst();
        agent->set_state(GONE);
        phase = -1;
        return;
    }
    --phase;
    for (const BodyPart& part : BODY_PARTS)
        if (part.phase == phase) burst_body_part(part.sprite);
}

void AI_Penultimate::burst_body_part(int sprite) {
    const int x = Random::next() % Graphics::screen->w();
    const int y = Random::next() % 300;
    const Coord at(x, y);
    Particle* flash = new Particle(at, Coord(0, 0), 0);
    flash->make_sprite(SpriteSheet::base[FLASH_SPRITE]);
    flash->add_lifespan(FLASH_FRAMES);
    flash->put_foreground();
    Sound::play_deathburst();
    Particle* body = new Particle(at, Coord(0, 0), 1);
    body->make_sprite(SpriteSheet::base[sprite]);
    body->add_bounce();
    body->persist();
    // A giblet has no carrier of its own; it trails blood from the body part it is given.
    Attack* trail = new Attack(ATK_GIBLET, nullptr, Coord(0, 0));
    trail->carrier = body;
}
