#include "ai/AI.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Coord.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/Random.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Animation.h"

std::vector<AI*> AI::AI_list;
const Uint8* AI::keystates = nullptr;
bool AI::suspend_attack_key = false;

namespace {

// Frames each agent is projected ahead when the distance between two agents is judged.
constexpr int LOOK_AHEAD = 8;
// A time-to-hit that means "never".
constexpr int NEVER = 999999;
// Height of an agent's chest above its feet.
constexpr int CHEST = 45;

Coord projected(Coord pos, Coord vel, int frames) {
    return Coord(pos.x + frames * vel.x, pos.y + frames * vel.y);
}

bool chance(int n) { return Random::next() % n == 0; }

// The reach point runs away from the enemy (or stands still) at this relative speed.
bool gap_opening(int64_t u, int64_t e) { return (u > 0 && e >= 0) || (u < 0 && e <= 0); }

// How well a vertical band [my_lo, my_hi] covers the band [ez_lo, ez_hi].
template <typename Real>
Real band_score(int64_t my_lo, int64_t my_hi, int64_t ez_lo, int64_t ez_hi, bool* high) {
    if (ez_hi == ez_lo) return (my_lo < ez_lo && ez_hi < my_hi) ? 1 : 0;
    const Real span = static_cast<Real>(ez_hi - ez_lo);
    const Real below = std::max<Real>(0, static_cast<Real>(ez_hi - my_hi) / span);
    const Real above = std::max<Real>(0, static_cast<Real>(my_lo - ez_lo) / span);
    if (high) *high = above < below;
    return (1 - below) - above;
}

}  // namespace

AI::AI(Agent* agent, bool listed) : enemy(nullptr), distance(0), agent(agent) {
    if (listed) AI_list.push_back(this);
}

AI::~AI() = default;

void AI::run() {
    enemy = agent->get_closest(Agent::F_ENEMY);
    distance = enemy ? Utility::distance(projected(agent->pos, agent->vel, LOOK_AHEAD),
                                         projected(enemy->pos, enemy->vel, LOOK_AHEAD))
                     : 0;
    agent->input = AgentInput();
}

void AI::run_all() {
    keystates = Events::sample_keys();
    // By index, re-reading the size: a controller may append another during the pass.
    for (size_t i = 0; i < AI_list.size(); ++i)
        if (AI_list[i]) AI_list[i]->run();
}

void AI::kill_all() {
    for (AI* controller : AI_list)
        delete controller;
    AI_list.clear();
}

// ---- helpers shared by the primitives

void AI::step_combo(const ComboLog& combo) { agent->input = agent->log.approach(combo); }

void AI::bolt_step() {
    if (agent->state != BOLT && agent->state != AIR_BOLT) step_combo(Combos::FIREBOLT);
}

bool AI::air_slash_lock() const {
    return agent->state == AIR_SLASH && agent->frame != Animation::airatk;
}

int AI::dx() const { return agent->pos.x - enemy->pos.x; }

int AI::gap() const { return Utility::distance(agent->pos, enemy->pos); }

int AI::time_to_hit(const Agent* a) {
    const int frames = Animation::frames_til_attack(a->frame);
    if (frames == -1) return NEVER;
    return a->frame_delay * frames - a->frame_counter;
}

void AI::teleport_or_jump() {
    if (air_slash_lock())
        agent->input.up = true;
    else
        step_combo(Combos::TELEPORT);
}

// ---- primitives

bool AI::stunned() { return agent->state == STUN; }

void AI::target_state(AgentState s) {
    if (s != BLOCK) {
        Error::note("AI: target_state() given unsupported state, " +
                    Utility::str(static_cast<int>(s)));
        return;
    }
    // Down blocks on the ground and in the air.
    if (agent->state == IDLE || agent->state == LUNGE || agent->state == AIRBORNE)
        agent->input.down = true;
}

bool AI::use_stomp() {
    const int d = std::abs(dx());
    if (d > 200) return false;
    const bool moving = agent->vel.x != 0;
    if (d <= 50 && moving && agent->airborn())
        step_combo(Combos::STOMP);
    else if (moving)
        agent->input.up = true;
    else
        agent->input.forward = true;
    return true;
}

bool AI::use_lightning() {
    if (enemy->state == ROLL_START) {
        step_combo(Combos::LIGHTNING);
        return true;
    }
    if (enemy->pos.y >= Level::FLOOR_HEIGHT) return false;
    // The strike lands when the enemy does: count the frames of its fall.
    int64_t y = enemy->pos.y;
    int64_t v = enemy->vel.y;
    const int g = enemy->input.up ? Agent::MIN_GRAV : Agent::MAX_GRAV;
    int n = 0;
    while (y < Level::FLOOR_HEIGHT) {
        y += v;
        v += g;
        ++n;
    }
    if (n <= 30 || n >= 40) return false;
    step_combo(Combos::LIGHTNING);
    return true;
}

bool AI::use_bolt() {
    if (agent->state == BOLT || agent->state == AIR_BOLT) return false;
    step_combo(Combos::FIREBOLT);
    return true;
}

void AI::use_teleport() {
    if (agent->airborn())
        teleport_or_jump();
    else
        agent->input.up = true;
}

bool AI::use_shield() {
    // One fire shield in the world at a time.
    if (Attack::get_closest(ATK_FIRESHIELD, Coord(0, 0))) return false;
    step_combo(Combos::SHIELD);
    return true;
}

bool AI::has_shield() {
    const Attack* shield = Attack::get_closest(ATK_FIRESHIELD, Coord(0, 0));
    return shield && shield->owner == agent;
}

bool AI::safe() {
    // Close to the enemy its own bolts count too: they may be the ones about to burst.
    const Attack* bolt = distance < 200 ? Attack::get_closest(ATK_FIREBOLT, agent->pos)
                                        : Attack::get_closest(ATK_FIREBOLT, agent);
    if (!bolt) return true;
    return std::abs(bolt->pos.y - agent->pos.y + 50) > 120;
}

bool AI::lightning_safe() {
    const Attack* bolt = std::abs(dx()) <= 199 ? Attack::get_closest(ATK_FIREBOLT, agent->pos)
                                               : Attack::get_closest(ATK_FIREBOLT, agent);
    if (distance < 301) return false;
    if (!bolt) return true;
    return Utility::distance(agent->pos, bolt->pos) > 500;
}

bool AI::face_enemy(int mode) {
    if (!enemy || agent->facing(enemy)) return false;
    if (mode == DUMB) {
        agent->input.backward = true;
    } else if (mode == SMART) {
        // Close by, turn in the air where a slash cannot catch the turn.
        if (!agent->airborn() && gap() < 401)
            agent->input.up = true;
        else
            agent->input.backward = true;
    }
    return true;
}

bool AI::cautious_advance() {
    if (agent->state != IDLE) return false;
    const bool same_way = agent->facing_left == enemy->facing_left;
    const bool swinging = enemy->state == SLASH || enemy->state == LUNGE;
    if (!same_way && distance <= 120 && swinging) return false;
    agent->input.forward = true;
    return true;
}

bool AI::block_melee(int mode) {
    if (!enemy || !enemy->facing(agent)) return false;
    const int mine = time_to_hit(agent);
    const int theirs = time_to_hit(enemy);
    if (mode == DUMB) {
        if (!chance(10)) return false;
        if (enemy->state == SLASH) {
            if (mine < theirs || theirs > 1 || distance >= 200) return false;
            target_state(BLOCK);
            return true;
        }
        if (enemy->state == LUNGE) {
            if (distance >= 200) return false;
            // Meet the lunge with a slash.
            agent->input.attack = true;
            return true;
        }
        return false;
    }
    if (mode != SMART) return false;
    if (enemy->state == AIR_SLASH && distance < 150) {
        target_state(BLOCK);
        return true;
    }
    if (enemy->state == SLASH) {
        if (mine < theirs || theirs > 7 || distance >= 200) return false;
        target_state(BLOCK);
        return true;
    }
    if (enemy->state == LUNGE) {
        if (mine < theirs || distance >= 200) return false;
        if (agent->state == LUNGE) {
            target_state(BLOCK);
            return true;
        }
        return dodge_lunge(theirs);
    }
    return false;
}

// Gets out of the way of a lunge by whatever is quick enough; the caller's later rules
// still run.
bool AI::dodge_lunge(int theirs) {
    auto lead = [](Frame* anim) {
        return Animation::frames_til_attack(anim) * Animation::frame_delay(anim);
    };
    if (lead(Animation::atk1) < theirs) {
        agent->input.attack = true;
    } else if (lead(Animation::rollstart) < theirs) {
        if (agent->state == IDLE) agent->input.forward = true;
        if (agent->state == WALK) agent->input.down = true;
    } else if (lead(Animation::jump) < theirs) {
        agent->input.up = true;
    } else {
        agent->input.forward = true;
    }
    return false;
}

bool AI::block_bolt(int) {
    const Attack* bolt = Attack::get_closest(ATK_FIREBOLT, agent);
    if (!bolt || !bolt->carrier) return false;
    const Thing* body = bolt->carrier;
    Coord p(agent->pos.x, agent->pos.y - CHEST);
    Coord b = body->pos;
    for (int k = 0; k < 6; ++k) {
        // The bolt's place relative to the chest, laid over the agent's present picture.
        const Coord over(agent->pos.x + (b.x - p.x), agent->pos.y - CHEST + (b.y - p.y));
        if (Utility::distance(p, b) <= 29 || agent->collide(over) == 2) {
            target_state(BLOCK);
            return true;
        }
        p.x += agent->vel.x;
        p.y = std::min(p.y + agent->vel.y, Level::FLOOR_HEIGHT);
        b.x += body->vel.x;
        b.y += body->vel.y;
    }
    return false;
}

bool AI::block_firerain() {
    const Attack* shield = Attack::get_closest(ATK_FIRESHIELD, Coord(0, 0));
    if (!shield || !shield->owner || shield->owner->team == agent->team) return false;
    // The shield's x counts its frames; the fire falls in two spells.
    const int age = shield->pos.x;
    const bool raining = (age >= 51 && age <= 90) || (age >= 151 && age <= 190);
    if (!raining) return false;
    const Agent* caster = shield->owner;
    if (std::abs(caster->pos.x - agent->pos.x) > 199 && caster->state != TELEPORT) return false;
    // The fire hurts only grounded agents.
    agent->input.up = true;
    return true;
}

bool AI::block_lightning() {
    const bool casting = enemy->state == LIGHTNING_CHARGE || enemy->state == LIGHTNING_STRIKE;
    if (!casting || enemy->state_timer < 11 || enemy->state_timer > 29) return false;
    agent->input.up = true;
    return true;
}

bool AI::block_teleport() {
    if (enemy->state != TELEPORT) return false;
    // Answer a teleport with a teleport.
    if (agent->airborn())
        teleport_or_jump();
    else
        agent->input.up = true;
    return true;
}

bool AI::block_stomp() {
    if (!enemy || !enemy->airborn() || enemy->vel.x == 0 || std::abs(dx()) > 99) return false;
    if (agent->airborn() && enemy->pos.y < agent->pos.y)
        teleport_or_jump();
    else if (agent->state == LUNGE || agent->state == WALK)
        agent->input.down = true;
    else
        agent->input.forward = true;
    return true;
}

bool AI::attack(int range, int chance_of_slash) {
    const bool lunge = Random::next() % 100 > chance_of_slash;
    const int lead = lunge ? 8 * Animation::frame_delay(Animation::atk2)
                           : 3 * Animation::frame_delay(Animation::atk1);
    const Coord target = projected(enemy->pos, enemy->vel, lead);
    // A lunge is judged from where the agent stands: it will run in anyway.
    const Coord from = lunge ? agent->pos : projected(agent->pos, agent->vel, lead);
    if (Utility::distance(target, from) >= range) return false;
    if (!lunge) {
        if (agent->state == IDLE) agent->input.attack = true;
    } else if (agent->state == WALK) {
        agent->input.attack = true;
    } else {
        agent->input.forward = true;
    }
    return true;
}

bool AI::backstab() {
    if (!enemy || agent->airborn() || std::abs(dx()) > 69 ||
        agent->facing_left != enemy->facing_left)
        return false;
    if (agent->state == IDLE) agent->input.forward = true;
    if (agent->state == WALK) agent->input.attack = true;
    return true;
}

bool AI::attack_air(double threshold) {
    if (!enemy->airborn()) return false;
    const bool right = !agent->facing_left;
    const bool grounded = !agent->airborn();
    const int64_t floor = Level::FLOOR_HEIGHT;
    const int64_t e = dx() + (right ? 50 : -50);
    const int64_t w = right ? Agent::WALK_SPEED : -Agent::WALK_SPEED;

    // Swinging now: where both will be when the reach point meets the enemy.
    const int64_t u = static_cast<int64_t>(agent->vel.x) - enemy->vel.x;
    double now = 0;
    bool timed = false;
    bool high = false;
    int64_t t = 0;
    if (u != 0 && !gap_opening(u, e)) {
        t = -(e / u);
        timed = true;
        const int64_t f = t * t + t;
        const int64_t y = grounded
                              ? agent->pos.y - Agent::JUMP_HEIGHT * std::max<int64_t>(0, t - 6)
                              : agent->pos.y + t * agent->vel.y;
        const int64_t z = enemy->pos.y + t * enemy->vel.y;
        now = band_score<float>(y + f, std::min(y + 2 * f, floor), z + f, z + 2 * f, &high);
    }

    // Running in first, then jumping.
    double run_in = 0;
    const int64_t u2 = w - enemy->vel.x;
    const int64_t e2 = e - 2 * w;
    if (grounded && u2 != 0 && u2 != u && !gap_opening(u2, e2)) {
        const int64_t t2 = -(e2 / u2);
        const int64_t f2 = t2 * t2 + t2;
        const int64_t j = t2 - 8;
        const int64_t y2 = agent->pos.y - Agent::JUMP_HEIGHT * std::max<int64_t>(0, j);
        const int64_t rise = j < 1 ? 0 : 2 * (j * j + j);
        const int64_t z2 = enemy->pos.y + t2 * enemy->vel.y;
        run_in = band_score<double>(y2 + f2, std::min(y2 + rise, floor), z2 + f2, z2 + 2 * f2,
                                    nullptr);
    }

    if (!grounded && timed && t < 15) agent->input.attack = true;
    if (run_in < now && now >= threshold) {
        agent->input.up = high || grounded;
        return true;
    }
    if (now < run_in && run_in >= threshold) {
        agent->input.forward = true;
        return true;
    }
    return false;
}

bool AI::wander() {
    if (agent->state == WALK) {
        // The remaining 1/15 lets the walk end.
        if (!chance(15)) agent->input.forward = true;
    } else if (agent->state == IDLE && chance(40)) {
        if (chance(3))
            agent->input.backward = true;
        else
            agent->input.forward = true;
    }
    return true;
}

bool AI::maybe_run() {
    if (agent->state != WALK && !chance(40)) return false;
    agent->input.forward = true;
    return true;
}

bool AI::maybe_jump() {
    if (!chance(40)) return false;
    agent->input.up = true;
    return true;
}
