#include "combat/Agent.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "combat/Attack.h"
#include "combat/Combos.h"
#include "combat/Death.h"
#include "combat/StateEntry.h"
#include "core/Error.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Effect.h"

std::vector<Agent*> Agent::agents;
bool Agent::suspend_damage = false;

namespace {
const int PUSH_DISTANCE = 75;
const int TELEPORT_BEHIND = 50;
// Near the right edge a teleporter lands in front of its enemy instead of behind it.
const int TELEPORT_RIGHT_LIMIT = 699;
const int AIR_BOLT_CEILING = 150;
const int LIGHTNING_HOLD = 50;
const int LIGHTNING_STRIKE_AT = 20;
const int LUNGE_SWING_IMAGE = 43;
const int SLASH_STEP_IMAGE = 13;
const int LIGHTNING_HAND_IMAGE = 119;
const int STOMP_DIVE_IMAGE = 71;

bool is_one_of(AgentState s, std::initializer_list<AgentState> states) {
    for (AgentState t : states)
        if (s == t) return true;
    return false;
}
} // namespace

Agent::Agent(SpriteVariant variant, int hp, Coord pos, int team, bool facing_left)
    : Thing(pos), hp(hp), max_hp(hp), push_speed(0), fall_offset(0), frozen(false), state(IDLE),
      variant(variant), team(team), facing_left(facing_left), frame(Animation::idle),
      frame_delay(10), frame_counter(0), state_timer(0) {
    agents.push_back(this);
    if (pos.y < Level::FLOOR_HEIGHT) set_state(AIRBORNE);
}

Agent::~Agent() = default;

void Agent::start() {
    agents.clear();
    suspend_damage = false;
}

void Agent::run_all() {
    // Summons append agents during the pass; they run in the same pass.
    for (size_t i = 0; i < agents.size(); ++i)
        agents[i]->run();
}

void Agent::delete_all() {
    for (Agent* a : agents)
        delete a;
    agents.clear();
}

bool Agent::at_frame_change() const {
    return frame_counter % frame_delay == 0;
}

int Agent::towards_facing(int amount) const {
    return facing_left ? -amount : amount;
}

int Agent::image() const {
    return frame ? frame->sprite_index : -1;
}

void Agent::set_state(AgentState s) {
    const StateEntry& entry = StateEntry::of(s);
    frame_counter = 0;
    fall_offset = entry.fall_offset;
    if (entry.has(StateEntry::PICKS_DEATH_VARIANT)) state_timer = Random::next() % 2 == 0 ? 2 : 1;
    // Two-variant deaths show the animation of the variant held.
    if (entry.animation)
        frame = entry.second && state_timer != 1 ? *entry.second : *entry.animation;
    if (entry.speed != StateEntry::KEEPS_SPEED) vel.x = towards_facing(entry.speed);
    if (entry.has(StateEntry::DIES)) kill();
    if (entry.has(StateEntry::TURNS_ABOUT)) facing_left = !facing_left;
    if (entry.has(StateEntry::FACES_ENEMY)) {
        const Agent* enemy = get_closest(F_ENEMY);
        if (enemy) facing_left = pos.x > enemy->pos.x;
    }
    if (entry.has(StateEntry::FORGETS_INPUTS)) log = ComboLog();
    if (entry.sound && !(entry.has(StateEntry::QUIET_IF_REPEATED) && state == s)) entry.sound();
    if (entry.timer != StateEntry::KEEPS_TIMER) state_timer = entry.timer;
    if (entry.has(StateEntry::PUFFS)) Effect::teleport(pos);
    frame_delay = Animation::frame_delay(frame);
    state = s;
}

void Agent::run() {
    dissolve_water();
    Agent* near = get_closest(0);
    advance_animation();
    int push_target = 0;
    const bool push = decide_push(near, push_target);
    behave();
    log.update(input);
    special_moves();
    move(push ? near : nullptr, push_target);
    if (!frame) set_state(airborn() ? AIRBORNE : IDLE);
    if (frame) frame->draw(this, variant, facing_left, vel.y >= 1 ? fall_offset : 0);
}

void Agent::dissolve_water() {
    if (variant != VARIANT_WATER) return;
    if (!alive) {
        team = 0;
        return;
    }
    if (Random::next() % 24 == 0) {
        hp -= 1;
        if (hp < 1) {
            set_state(BURN);
            team = 0;
        }
    }
    Effect::water_spray(pos);
}

void Agent::advance_animation() {
    frame_counter += 1;
    if (frame && at_frame_change()) frame = frame->get_next(this, facing_left);
}

bool Agent::decide_push(Agent* near, int& target) {
    if (is_one_of(state, {ROLL, LUNGE, ROLL_START}) || airborn() || !alive) {
        push_speed = 0;
        return false;
    }
    if (!near || near->airborn() || is_one_of(near->state, {ROLL, ROLL_START, LUNGE})) return false;
    if (pos.x == near->pos.x) {
        pos.x += Random::next() % 3 - 1;
        return false;
    }
    target = pos.x < near->pos.x ? near->pos.x - PUSH_DISTANCE : near->pos.x + PUSH_DISTANCE;
    return true;
}

void Agent::move(Agent* pushed_from, int target) {
    if (frozen) {
        vel = Coord(0, 0);
    } else {
        vel.y += input.up ? MIN_GRAV : MAX_GRAV;
        if (vel.y > TERMINAL_VELOCITY) vel.y = TERMINAL_VELOCITY;
        pos.y += vel.y;
        move_horizontally(pushed_from, target);
        if (pos.y > Level::FLOOR_HEIGHT) {
            pos.y = Level::FLOOR_HEIGHT;
            vel.y = 0;
        }
    }
    if (pos.y >= Level::FLOOR_HEIGHT &&
        is_one_of(state, {AIRBORNE, AIR_TURN, AIR_SLASH, AIR_BLOCK}))
        set_state(LANDING);
}

void Agent::move_horizontally(Agent* near, int target) {
    bool pushing = false;
    if (near && target < pos.x && pos.x < near->pos.x) {
        push_speed -= 1;
        pushing = true;
    } else if (near && near->pos.x < pos.x && pos.x < target) {
        push_speed += 1;
        pushing = true;
    }
    if (!pushing) push_speed = 0;
    pos.x += push_speed + vel.x;
}

void Agent::special_moves() {
    if (!alive || is_one_of(state, {BOLT, AIR_BOLT, STOMP, LIGHTNING_CHARGE, FIRESHIELD,
                                    LIGHTNING_STRIKE, TELEPORT}))
        return;
    if (pos.y < Level::FLOOR_HEIGHT) {
        if (log.matches(Combos::FIREBOLT))
            start_special(AIR_BOLT);
        else if (log.matches(Combos::TELEPORT))
            start_special(TELEPORT);
        else if (vel.x != 0 && log.matches(Combos::STOMP))
            start_special(STOMP);
        return;
    }
    if (log.matches(Combos::FIREBOLT)) {
        start_special(BOLT);
    } else if (log.matches(Combos::LIGHTNING)) {
        start_special(LIGHTNING_CHARGE);
    } else if (log.matches(Combos::SHIELD)) {
        // One fire shield in the world at a time.
        if (!Attack::get_closest(ATK_FIRESHIELD, Coord(0, 0))) start_special(FIRESHIELD);
    } else if (log.matches(Combos::SUMMON)) {
        start_special(IDLE);
        state = BOLT;
        frame_delay = 2;
        frame = Animation::summoning;
    }
}

void Agent::start_special(AgentState s) {
    log = ComboLog();
    set_state(s);
}

void Agent::behave() {
    switch (state) {
    case IDLE:
        behave_idle();
        break;
    case WALK:
        behave_walk();
        break;
    case BLOCK:
        if (!airborn() && input.up)
            set_state(JUMP);
        else
            slow_x(2, 1);
        break;
    case SLASH:
        behave_slash();
        break;
    case LUNGE:
        behave_lunge();
        break;
    case JUMP:
        if (!frame) {
            set_state(AIRBORNE);
            vel.y = -JUMP_HEIGHT;
        }
        break;
    case TURN:
        slow_x(1, 1);
        turn_on_second_frame(Animation::turning);
        break;
    case STUN:
        slow_x(2, 5);
        if (airborn()) frame_counter = 0;
        break;
    case AIRBORNE:
        if (input.attack)
            set_state(AIR_SLASH);
        else if (input.down && log.idle)
            set_state(AIR_BLOCK);
        else if (input.backward)
            set_state(AIR_TURN);
        break;
    case LANDING:
    case BOLT:
    case FIRESHIELD:
    case ROLL_END:
        slow_x(1, 1);
        break;
    case AIR_TURN:
        turn_on_second_frame(Animation::airturn);
        break;
    case AIR_BOLT:
        slow_x(1, 1);
        if (pos.y > AIR_BOLT_CEILING) vel.y = -6;
        break;
    case LIGHTNING_CHARGE:
    case LIGHTNING_STRIKE:
        behave_lightning();
        break;
    case TELEPORT:
        if (!frame) arrive_from_teleport();
        break;
    case STOMP:
        behave_stomp();
        break;
    case ROLL_START:
        if (!frame) set_state(ROLL);
        break;
    case ROLL:
        if (!input.down || !frame) set_state(ROLL_END);
        break;
    case BEHEADED:
    case BEHEADED_FALL:
    case DYING:
    case CORPSE:
    case TWITCH:
    case DISMEMBERED:
    case BURN:
    case BOLT_DEATH:
    case FIRE_DEATH:
        Death::behave(*this);
        break;
    case REMAINS:
    case TALK:
    case GONE:
        vel.x = 0;
        frame_counter = 0;
        break;
    default:
        break;
    }
}

void Agent::behave_idle() {
    slow_x(1, 1);
    if (input.forward && !input.backward)
        set_state(WALK);
    else if (input.backward && !input.forward)
        set_state(TURN);
    else if (input.up)
        set_state(JUMP);
    else if (input.attack)
        set_state(SLASH);
    else if (input.down && log.idle)
        set_state(BLOCK);
}

void Agent::behave_walk() {
    if (input.up)
        set_state(JUMP);
    else if (input.backward)
        set_state(TURN);
    else if (input.down)
        set_state(ROLL_START);
    else if (input.attack)
        set_state(LUNGE);
    else if (!input.forward)
        set_state(IDLE);
    else if (facing_left && vel.x > -WALK_SPEED)
        vel.x -= 1;
    else if (!facing_left && vel.x < WALK_SPEED)
        vel.x += 1;
}

void Agent::behave_slash() {
    slow_x(1, 3);
    const bool moving_backwards = facing_left ? vel.x > 0 : vel.x <= 0;
    if (moving_backwards) slow_x(1, 1);
    if (input.down)
        set_state(BLOCK);
    else if (!frame)
        set_state(IDLE);
    // A step into the swing.
    if (image() == SLASH_STEP_IMAGE && at_frame_change() && vel.x >= -2 && vel.x <= 2)
        vel.x += towards_facing(3);
}

void Agent::behave_lunge() {
    if (input.down) {
        set_state(BLOCK);
        return;
    }
    const int shown = image();
    if (!frame || shown < LUNGE_SWING_IMAGE) {
        slow_x(2, 1);
    } else if (shown == LUNGE_SWING_IMAGE) {
        if (at_frame_change())
            Sound::play_swish();
        else
            slow_x(2, 1);
    } else {
        vel.x += towards_facing(1);
    }
}

void Agent::turn_on_second_frame(Frame* animation) {
    if (at_frame_change() && frame && frame == animation->peek_next()) facing_left = !facing_left;
}

void Agent::behave_lightning() {
    vel.x = 0;
    if (image() != LIGHTNING_HAND_IMAGE) return;
    if (at_frame_change()) {
        state_timer = LIGHTNING_HOLD;
        return;
    }
    if (state_timer <= 0) return;
    frame_counter = 0;
    state_timer -= 1;
    if (state_timer == LIGHTNING_STRIKE_AT) {
        set_state(LIGHTNING_STRIKE);
        Sound::play_lightning_strike();
    }
}

void Agent::arrive_from_teleport() {
    Sound::play_teleport();
    Agent* e = get_closest(F_ENEMY);
    if (e) {
        if (!e->facing_left || e->pos.x > TELEPORT_RIGHT_LIMIT) {
            pos.x = e->pos.x - TELEPORT_BEHIND;
            facing_left = false;
        } else {
            pos.x = e->pos.x + TELEPORT_BEHIND;
            facing_left = true;
        }
        const bool rushing = e->state == TELEPORT || e->state == LUNGE;
        vel = rushing ? Coord(2 * e->vel.x, 2 * e->vel.y) : e->vel;
        pos.y = e->pos.y;
        if (pos.y < Level::FLOOR_HEIGHT) {
            set_state(AIR_SLASH);
            skip_frames(1);
        } else {
            // The lunge resumes just before its swing.
            set_state(LUNGE);
            skip_frames(6);
        }
    }
    Effect::teleport(pos);
    log = ComboLog();
}

void Agent::skip_frames(int n) {
    for (int i = 0; i < n && frame; ++i)
        frame = frame->peek_next();
}

void Agent::behave_stomp() {
    vel.x = 0;
    if (image() == STOMP_DIVE_IMAGE) frame_counter = 0;
    if (airborn()) return;
    Sound::play_stomp();
    Effect::stomp(pos.x);
    set_state(LANDING);
    new Attack(ATK_STOMP, this, pos);
}

void Agent::wound(int damage, AgentState death_state) {
    if (suspend_damage) return;
    if (!alive) {
        // Several hits in one frame can reach an agent that the first one killed;
        // the corpse takes no further damage.
        Error::note("Agent: ignored a wound to an already-dead agent");
        return;
    }
    hp -= damage;
    if (hp < 1) {
        if (variant == VARIANT_WATER) {
            Sound::play_splash();
            set_state(BURN);
        } else if (variant == VARIANT_BLOOD) {
            set_state(BURN);
        } else {
            set_state(death_state);
        }
    } else if (state != STUN) {
        set_state(STUN);
    }
}

void Agent::heal(int n) {
    // In 64 bits: a boss heals by 99999, whatever its hit points.
    long long healed = static_cast<long long>(hp) + n;
    if (healed > max_hp) healed = max_hp;
    if (healed < 0) healed = 0;
    hp = static_cast<int>(healed);
}

void Agent::set_hp(int n) {
    hp = n < max_hp ? n : max_hp;
}

void Agent::set_max_hp(int n) {
    max_hp = n;
    if (hp > n) hp = n;
}

void Agent::enfeeble(int n) {
    max_hp -= n;
    if (hp > max_hp) hp = max_hp;
}

double Agent::get_hp() const {
    if (hp < 1) return 0.0;
    return static_cast<double>(hp) / max_hp;
}

void Agent::bleed(Coord at, int a, int b) {
    if (variant == VARIANT_WATER) return;
    Effect::blood(at, facing_left ? 180 : 0, 30, 1, a, b);
}

bool Agent::airborn() const {
    return pos.y < Level::FLOOR_HEIGHT || state == TELEPORT;
}

bool Agent::facing(const Agent* other) const {
    return facing_left ? pos.x > other->pos.x : pos.x < other->pos.x;
}

bool Agent::blocking() const {
    return state == BLOCK || state == AIR_BLOCK;
}

int Agent::collide(Coord point) {
    if (!alive || !frame) return 0;
    AgentSprite* pose = SpriteSheet::agent[frame->sprite_index];
    Image* picture = pose->image(variant, facing_left);
    const Coord anchor = pose->flip_offset(pose->offset, facing_left);
    const Coord at(point.x - pos.x + anchor.x, point.y - pos.y + anchor.y);
    picture->open();
    const Uint32 colour = picture->get_pixel(at);
    picture->close();
    if (colour == Pixel::black || colour == Pixel::bloodbody || colour == Pixel::waterbody)
        return 2;
    if (colour == Pixel::transparent) return 0;
    return 1;
}

bool Agent::passes(const Agent* other, int flags) const {
    if ((flags & F_ENEMY) && (team == 0 || other->team == 0 || team == other->team)) return false;
    if ((flags & F_FACED) && !facing(other)) return false;
    if ((flags & F_GROUNDED) && other->airborn()) return false;
    return true;
}

Agent* Agent::get_closest(int flags) {
    Agent* best = nullptr;
    int best_distance = 0;
    for (Agent* other : agents) {
        if (other == this || !other->alive || !passes(other, flags)) continue;
        const int distance = Utility::distance(other->pos, pos);
        if (!best || distance < best_distance) {
            best = other;
            best_distance = distance;
        }
    }
    return best;
}
