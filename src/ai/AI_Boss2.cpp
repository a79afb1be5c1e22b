#include "ai/AI_Boss2.h"

#include <SDL_mixer.h>

#include <cstdlib>

#include "ai/AI_Peasant.h"
#include "combat/Agent.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "level/Level.h"
#include "world/Effect.h"

namespace {
constexpr int MOTES = 8;
// Where the motes gather, above the agent's feet: its neck.
constexpr int NECK = 59;
constexpr int OMEN_HEIGHT = 200;
constexpr int PEASANT_DROP = 170;
constexpr int PEASANT_HP = 10;

void stun_all_but(int team) {
    for (Agent* a : Agent::agents)
        if (a->alive && a->team != team) a->set_state(STUN);
}
} // namespace

AI_Boss2::AI_Boss2(Agent* agent, bool listed) : AI(agent, listed), stage(0) {}

void AI_Boss2::run() {
    AI::run();
    if (stage == 0)
        behead();
    else if (stage < RESTORED)
        rise();
    else if (stage == RESTORED)
        restore();
    else if (agent->alive)
        storm();
    else
        fall();
    fight();
}

Uint32 AI_Boss2::red_sky(int c) {
    const int green = 127 - (107 * c) / RISEN;
    return Pixel::make(127 - (27 * c) / RISEN, green, green);
}

void AI_Boss2::behead() {
    ++Level::suspend_win;
    agent->set_state(BEHEADED);
    agent->variant = VARIANT_HEADLESS;
    Mix_HaltChannel(-1);
    Sound::play_hard_hit();
    stage = 1;
    stun_all_but(agent->team);
}

void AI_Boss2::rise() {
    const int s = ++stage;
    if (s <= RISEN) Level::skycolour = red_sky(s);
    // play_music leaves the boss track alone when it is already the one playing.
    if (s == MUSIC_STAGE) Sound::play_music(BOSS_TRACK, true);
    if (s == RISEN) {
        agent->set_state(IDLE);
        agent->alive = true;
    } else if (s > MUSIC_STAGE) {
        const Coord neck(agent->pos.x, agent->pos.y - NECK);
        for (int i = 0; i < MOTES; ++i)
            new Attack(ATK_MOTE, agent, neck);
    }
    // The headless body holds still until it has risen.
    agent->frame_counter = 0;
}

void AI_Boss2::restore() {
    agent->heal(99999);
    agent->set_state(IDLE);
    agent->alive = true;
    --Level::suspend_win;
    stage = STORM;
}

void AI_Boss2::storm() {
    static int lightning_period = Random::next() % 100;
    --lightning_period;
    // Counting down: a white flash with thunder, red, then dark red until the next one.
    if (lightning_period < 1) {
        Level::skycolour = Pixel::make(100, 20, 20);
        lightning_period = Random::next() % 400;
    } else if (lightning_period == 1) {
        Level::skycolour = Pixel::make(255, 0, 0);
    } else if (lightning_period == 2) {
        Level::skycolour = Pixel::make(255, 255, 255);
        Sound::play_thunder();
    }
    if (Random::next() % 100 != 0) return;
    if (Random::next() % 3 == 0)
        blood_peasant();
    else
        blood_sword();
}

void AI_Boss2::blood_peasant() {
    const bool facing_left = Random::next() % 2 == 1;
    Agent* peasant =
        new Agent(VARIANT_BLOOD, PEASANT_HP, Coord(agent->pos.x, agent->pos.y - PEASANT_DROP),
                  agent->team, facing_left);
    new AI_Peasant(peasant, true);
    Effect::giblets(peasant);
    Sound::play_splash();
    const int vy = -(Random::next() % 20);
    const int vx = Random::next() % 20 - 10;
    peasant->vel = Coord(vx, vy);
}

void AI_Boss2::blood_sword() {
    Sound::play_hard_hit();
    const Coord above(agent->pos.x, agent->pos.y - OMEN_HEIGHT);
    Effect::blood(above, 180, 180, 1, 2, 100);
    new Attack(ATK_BLOOD_SWORD, agent, above);
}

void AI_Boss2::fall() {
    if (stage == STORM) agent->set_state(DISMEMBERED);
    const int v = stage++;
    if (v < FALLEN) Level::skycolour = red_sky(FALLEN - 1 - v);
}

void AI_Boss2::fight() {
    if (!enemy) {
        wander();
        return;
    }
    if (block_teleport() || block_lightning() || block_melee(SMART) || block_bolt()) return;
    if (!safe()) return;
    if (block_firerain() || block_stomp() || face_enemy(DUMB) || attack_air(0.18)) return;
    if (distance >= 901) {
        step_combo(Combos::LIGHTNING);
        return;
    }
    if (Random::next() % 20 == 0 && use_stomp()) return;
    if (attack(78, 70)) return;
    AgentInput& in = agent->input;
    const int adx = std::abs(dx());
    if (adx > 200) {
        in.forward = true;
        in.up = true;
    } else if (adx > 100) {
        in.forward = true;
    } else if (agent->state != IDLE || Random::next() % 20 == 0) {
        use_bolt();
    }
}
