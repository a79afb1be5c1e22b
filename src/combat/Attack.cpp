#include "combat/Attack.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ai/AI_Peasant.h"
#include "combat/Agent.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/Frame.h"
#include "sprites/SpriteSheet.h"
#include "world/Effect.h"
#include "world/Particle.h"

ThingDB Attack::DB;

namespace {
const double PI = 3.14159265;
const double TWO_PI = 6.28318531;
const int SWING_FRAMES = 5;
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
const int SWORD_READY = 38;
const int SWORD_RECOVERING = 40;
const int SWORD_IMAGE_FRAMES = 8;
const int GORE_FRAMES = 10;
const int PIT_STAGES = 15;

int team_of(const Agent* a) {
    return a ? a->team : 0;
}

// Non-zero team other than `team`: the only agents an attack may harm.
bool is_foe(const Agent* a, int team) {
    return a->team != 0 && a->team != team;
}

int toward(int from, int to) {
    return from < to ? 1 : (from > to ? -1 : 0);
}

int facing_sign(const Agent* a) {
    return a->facing_left ? -1 : 1;
}

int frame_image(const Agent* a) {
    return a->frame ? a->frame->sprite_index : -1;
}

// Types whose set-up or run uses the owner.
bool needs_owner(AttackType t) {
    switch (t) {
    case ATK_SLASH:
    case ATK_LUNGE:
    case ATK_AIR_SLASH:
    case ATK_FIREBOLT:
    case ATK_LIGHTNING:
    case ATK_STOMP:
    case ATK_FIRESHIELD:
    case ATK_TELEKINESIS:
    case ATK_SUMMON:
    case ATK_HALO:
    case ATK_BLOOD_SWORD:
    case ATK_MOTE:
        return true;
    default:
        return false;
    }
}

Particle* make_fire(Coord at) {
    Particle* flame = new Particle(at, Coord(0, 0), 0);
    flame->make_animation(Animation::fire);
    return flame;
}

Particle* make_smoke(Coord at, int rise) {
    Particle* puff = new Particle(at, Coord(0, -rise), 0);
    puff->make_animation(Animation::cloud);
    return puff;
}
} // namespace

Attack::Attack(AttackType type, Agent* owner, Coord pos)
    : Thing(pos), type(type), has_hit(false), heading(0.0), owner(owner), carrier(nullptr) {
    if (needs_owner(type) && !owner)
        kill();
    else
        set_up();
    DB.add(this);
}

Attack::~Attack() {
    delete carrier;
}

void Attack::start() {
    DB.clear();
}

Particle* Attack::body() const {
    return static_cast<Particle*>(carrier);
}

void Attack::set_up() {
    switch (type) {
    case ATK_SLASH:
    case ATK_LUNGE:
    case ATK_AIR_SLASH: {
        // An invisible point that moves with the swordsman for the length of the swing.
        Particle* point = new Particle(pos, owner->vel, 0);
        point->add_lifespan(SWING_FRAMES);
        carrier = point;
        break;
    }
    case ATK_FIREBOLT: {
        Particle* bolt = new Particle(pos, Coord(0, 0), 0);
        bolt->make_animation(Animation::bolt);
        bolt->persist();
        bolt->vel.x = owner->facing_left ? -5 : 5;
        heading = owner->facing_left ? PI : 0.0;
        carrier = bolt;
        break;
    }
    case ATK_LIGHTNING:
        // The hand's offset from the caster, who may still move.
        pos = Coord(pos.x - owner->pos.x, pos.y - owner->pos.y);
        break;
    case ATK_FIRESHIELD:
        pos = Coord(0, 0);
        break;
    case ATK_TELEKINESIS: {
        const int vx = std::rand() % 21 - 10;
        const int vy = std::rand() % 21 - 10;
        Particle* sword = new Particle(pos, Coord(vx, vy), 0);
        sword->make_sprite(SpriteSheet::base[SWORD_READY]);
        sword->persist();
        carrier = sword;
        pos = Coord(SWORD_READY, 0);
        break;
    }
    case ATK_SUMMON:
        summon();
        break;
    case ATK_BLOOD_SWORD: {
        const int vx = std::rand() % 2 == 0 ? 9 : -9;
        Particle* sword = new Particle(pos, Coord(vx, 3), 0);
        sword->make_sprite(SpriteSheet::blood_sword);
        sword->persist();
        carrier = sword;
        break;
    }
    case ATK_MOTE: {
        const int r = std::rand() % 3;
        const double angle = Utility::randAngle(0, 360);
        Particle* mote = new Particle(pos.vectorOffset(angle, r), Coord(0, 0), 0);
        mote->make_pixel(Pixel::make(127 + std::rand() % 127, 0, 0));
        mote->persist();
        carrier = mote;
        break;
    }
    case ATK_CAMPFIRE:
        carrier = new Thing(pos);
        break;
    case ATK_GORE:
        pos.y = 0;
        break;
    case ATK_PIT:
        pos.y = 0;
        break;
    default:
        break;
    }
}

// A water creature dropped from high above the middle of the screen.
void Attack::summon() {
    Sound::play_splash();
    const int w = Graphics::screen->w();
    const int h = Graphics::screen->h();
    const int x = w / 2 - 200 + std::rand() % 400;
    const bool facing_left = std::rand() % 2 == 1;
    Agent* creature = new Agent(VARIANT_WATER, 20, Coord(x, -100 - h), owner->team, facing_left);
    new AI_Peasant(creature, true);
}

void Attack::run() {
    if (alive) run_type();
    if (!carrier) return;
    carrier->run();
    if (!carrier->alive) kill();
}

void Attack::run_type() {
    switch (type) {
    case ATK_SLASH:
    case ATK_LUNGE:
    case ATK_AIR_SLASH:
        check_hits();
        break;
    case ATK_FIREBOLT:
        run_firebolt();
        break;
    case ATK_LIGHTNING:
        run_lightning();
        break;
    case ATK_STOMP:
        run_stomp();
        break;
    case ATK_FIRESHIELD:
        run_fireshield();
        break;
    case ATK_GIBLET:
        run_giblet();
        break;
    case ATK_TELEKINESIS:
        run_telekinesis();
        break;
    case ATK_SUMMON:
        kill();
        break;
    case ATK_HALO:
        run_halo();
        break;
    case ATK_BLOOD_SWORD:
        run_blood_sword();
        break;
    case ATK_MOTE:
        run_mote();
        break;
    case ATK_CAMPFIRE:
        run_campfire();
        break;
    case ATK_GORE:
        run_gore();
        break;
    case ATK_HELLFIRE:
        run_hellfire();
        break;
    case ATK_PIT:
        run_pit();
        break;
    default:
        break;
    }
}

bool Attack::check_hits() {
    if (!carrier) return false;
    bool any = false;
    for (size_t i = 0; i < Agent::agents.size(); ++i) {
        Agent* a = Agent::agents[i];
        // The owner may change during the pass (a reflected bolt), so its team is re-read.
        if (!a->alive || !is_foe(a, team_of(owner))) continue;
        const int contact = a->collide(carrier->pos);
        if (contact == 0) continue;
        // Every agent is tested, even once the attack has ended or struck: a bolt over two
        // overlapping enemies burns both.
        hit(a, contact);
        any = true;
    }
    return any;
}

void Attack::hit(Agent* target, int contact) {
    // Wounding a corpse halts the game: nothing strikes the dead.
    if (!target->alive) return;
    switch (type) {
    case ATK_SLASH:
        hit_slash(target, contact);
        break;
    case ATK_LUNGE:
        hit_lunge(target, contact);
        break;
    case ATK_AIR_SLASH:
        hit_air_slash(target, contact);
        break;
    case ATK_FIREBOLT:
        hit_firebolt(target, contact);
        break;
    case ATK_TELEKINESIS:
        hit_telekinesis(target, contact);
        break;
    default:
        break;
    }
}

void Attack::hit_slash(Agent* target, int contact) {
    if (target->blocking()) {
        if (!has_hit) Sound::play_clash();
        target->set_state(IDLE);
        // The clash slows the attacker's swing.
        owner->frame_delay += 2;
        kill();
        target->heal(5);
        owner->heal(-5);
    } else if (contact == 2) {
        if (target->facing_left == owner->facing_left) {
            // Struck from behind.
            target->wound(2, DISMEMBERED);
            target->bleed(carrier->pos, 5, 9);
        } else {
            target->wound(1, DYING);
            target->bleed(carrier->pos, 3, 3);
        }
        target->vel.x += 2 * facing_sign(owner);
    }
    has_hit = true;
}

// Blocking does not stop a lunge.
void Attack::hit_lunge(Agent* target, int contact) {
    if (contact != 2) return;
    if (!has_hit) Sound::play_hard_hit();
    if (target->state == STUN) {
        target->wound(1, BEHEADED);
        target->bleed(carrier->pos, 7, 3);
    } else {
        target->wound(25, BEHEADED);
        target->enfeeble(15);
        target->bleed(carrier->pos, 7, 25);
    }
    target->vel = Coord(12 * facing_sign(owner), -10);
    has_hit = true;
}

void Attack::hit_air_slash(Agent* target, int contact) {
    if (target->blocking()) {
        if (!has_hit) Sound::play_clash();
        target->set_state(AIRBORNE);
        owner->frame_delay += 2;
        target->vel = Coord(0, -10);
        owner->vel = Coord(0, -10);
        kill();
    } else if (contact == 2) {
        target->wound(90, DYING);
        target->vel.x += 6 * facing_sign(owner);
        target->vel.y -= 10;
        target->bleed(carrier->pos, 12, 40);
    }
    has_hit = true;
}

void Attack::hit_firebolt(Agent* target, int contact) {
    if (target->blocking()) {
        // Reflected: the blocker now owns the bolt and sends it back.
        has_hit = false;
        target->set_state(IDLE);
        Sound::play_clash();
        owner = target;
        heading -= Utility::getAngle(180);
        if (heading < 0) heading += 6.2831853;
        carrier->vel.x = -carrier->vel.x;
    } else if (contact == 2) {
        if (!has_hit) Sound::play_bolthit();
        target->vel.x = 6 * facing_sign(owner);
        kill();
        Effect::bolt_hit(carrier->pos);
        target->wound(7, BOLT_DEATH);
        has_hit = true;
    }
}

void Attack::hit_telekinesis(Agent* target, int contact) {
    if (contact != 2) return;
    // The sword shows two recovering pictures before it can strike again.
    pos = Coord(SWORD_RECOVERING, SWORD_IMAGE_FRAMES);
    if (!target->blocking()) {
        target->wound(5, DYING);
    } else {
        Sound::play_clash();
        if (owner->alive) owner->wound(5, STUN);
    }
    Sound::play_swish();
    Particle* sword = body();
    sword->vel.y = static_cast<int>(-std::abs(sword->vel.y) * 3.2 - std::rand() % 20);
    sword->vel.x = static_cast<int>(sword->vel.x * -4.2);
    has_hit = true;
}

void Attack::run_firebolt() {
    check_hits();
    Particle* bolt = body();
    Agent* target = nullptr;
    double target_turn = 0.0;
    int best = 0;
    for (Agent* a : Agent::agents) {
        if (!a->alive || !is_foe(a, team_of(owner))) continue;
        const Coord aim(a->pos.x, a->pos.y - BOLT_AIM_HEIGHT);
        double d = std::atan2(aim.y - bolt->pos.y, aim.x - bolt->pos.x) - heading;
        // A heading turned by many steerings may lie far outside one turn.
        while (d > PI)
            d -= TWO_PI;
        while (d < -PI)
            d += TWO_PI;
        if (d <= -BOLT_CONE || d >= BOLT_CONE) continue;
        const int dist = Utility::distance(bolt->pos, aim);
        if (target && dist >= best) continue;
        target = a;
        target_turn = d;
        best = dist;
    }
    if (target) {
        heading += target_turn >= 0 ? BOLT_TURN : -BOLT_TURN;
        bolt->persist();
    } else {
        bolt->unpersist();
    }
    bolt->vel = Coord(static_cast<int>(BOLT_SPEED * std::cos(heading) + 0.5),
                      static_cast<int>(BOLT_SPEED * std::sin(heading) + 0.5));
    // A bolt that has just burst on a fighter does not burst again on the floor.
    if (alive && bolt->pos.y > Level::FLOOR_HEIGHT) {
        kill();
        Effect::bolt_hit(bolt->pos);
        Sound::play_bolthit();
    }
}

void Attack::run_lightning() {
    const Coord hand(owner->pos.x + pos.x, owner->pos.y + pos.y);
    if (owner->state == LIGHTNING_CHARGE) {
        const int x = std::rand() % Graphics::screen->w();
        Effect::lightning(hand, Coord(x, 0), 1, 10, 40);
        return;
    }
    if (owner->state != LIGHTNING_STRIKE) {
        kill();
        return;
    }
    if (frame_image(owner) != LIGHTNING_IMAGE) return;
    Agent* t = owner->get_closest(Agent::F_ENEMY | Agent::F_GROUNDED);
    if (!t) {
        const Coord edge(owner->facing_left ? 0 : Graphics::screen->w(), hand.y);
        Effect::lightning(hand, edge, 1, 10, 40);
        return;
    }
    t->wound(1, BURN);
    const Coord chest(t->pos.x, t->pos.y - CHEST_HEIGHT);
    for (int i = 0; i < 4; ++i) {
        const double angle_a = Utility::randAngle(0, 360);
        const Coord a = chest.vectorOffset(angle_a, std::rand() % 70);
        const double angle_b = Utility::randAngle(0, 360);
        const Coord b = chest.vectorOffset(angle_b, std::rand() % 70);
        Effect::lightning(a, b, 1, 2, 12);
    }
    Effect::lightning(hand, Coord(t->pos.x, t->pos.y - BOLT_AIM_HEIGHT), 1, 10, 40);
    t->pos.x += t->pos.x < owner->pos.x ? -15 : 15;
}

// A shock wave of one frame.
void Attack::run_stomp() {
    for (size_t i = 0; i < Agent::agents.size(); ++i) {
        Agent* a = Agent::agents[i];
        if (!a->alive || !is_foe(a, owner->team) || a->airborn()) continue;
        if (Utility::distance(a->pos, owner->pos) >= STOMP_REACH) continue;
        a->wound(35, GONE);
        Effect::blood(Coord(a->pos.x, a->pos.y - 40), 0, 180, 2, 10, 40);
        if (!a->alive && a->variant != VARIANT_WATER) {
            Effect::giblets(a);
            Sound::play_bodyburst();
        }
    }
    kill();
}

void Attack::run_fireshield() {
    pos.x += 1;
    if (pos.x == SHIELD_SMOKE_FRAMES) Sound::play_fire();
    if (pos.x > SHIELD_FRAMES) {
        kill();
        return;
    }
    const Coord at(owner->pos.x - 100 + std::rand() % 201, Level::FLOOR_HEIGHT);
    const bool flame = pos.x > SHIELD_SMOKE_FRAMES && pos.x % 2 == 1;
    (flame ? make_fire(at) : make_smoke(at, 1))->put_foreground();
    if (pos.x <= SHIELD_SMOKE_FRAMES) return;
    Agent* e = owner->get_closest(Agent::F_ENEMY | Agent::F_GROUNDED);
    if (!e || std::abs(e->pos.x - owner->pos.x) > SHIELD_REACH) return;
    e->vel.y = -10;
    e->wound(1, FIRE_DEATH);
}

void Attack::run_giblet() {
    Particle* part = body();
    if (!part) return;
    if (std::abs(part->vel.y) > 1) Effect::blood(part->pos, 0, 180, 1, 5, 10);
    if (!part->bouncing()) part->vel.x = 0;
}

void Attack::run_telekinesis() {
    Particle* sword = body();
    if (!owner->alive) {
        // The sword drops.
        sword->gravity = 1;
        sword->add_x_drag(1);
        sword->unpersist();
        return;
    }
    Agent* t = owner->get_closest(Agent::F_ENEMY);
    if (!t) return;
    sword->vel.x += toward(sword->pos.x, t->pos.x) * (std::rand() % 3);
    const int old_vy = sword->vel.y;
    if (sword->pos.y < t->pos.y - 45)
        sword->vel.y += std::rand() % 2;
    else if (sword->pos.y >= t->pos.y - 44)
        sword->vel.y -= std::rand() % 2;
    if (sword->pos.y >= Level::FLOOR_HEIGHT - 99 && old_vy > 5) sword->vel.y /= 2;
    sword->vel.x = std::clamp(sword->vel.x, -22, 22);
    sword->vel.y = std::clamp(sword->vel.y, -16, 16);
    if (pos.x == SWORD_READY) {
        check_hits();
    } else if (pos.x > SWORD_READY && pos.y > 0) {
        pos.y -= 1;
        if (pos.y == 0) {
            pos.x -= 1;
            pos.y = SWORD_IMAGE_FRAMES;
        }
    }
    sword->make_sprite(SpriteSheet::base[pos.x]);
}

void Attack::run_halo() {
    if (!owner->alive) {
        owner->variant = VARIANT_NO_CAPE;
        return;
    }
    pos.x = (pos.x + 1) % 120;
    switch (pos.x % 60) {
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
    const int r = pos.x <= 60 ? 170 - pos.x : pos.x + 50;
    const Coord centre(owner->pos.x, owner->pos.y - CHEST_HEIGHT);
    const Uint32 violet = Pixel::make(200, 0, 255);
    for (int a = 0; a < 360; a += 30) {
        const Coord from = centre.vectorOffset(Utility::getAngle(a), r);
        const Coord to = centre.vectorOffset(Utility::getAngle(a + 30), r);
        Graphics::screen->draw_lightning(from, to, violet, 10, 40);
    }
}

void Attack::run_blood_sword() {
    if (!owner->alive) return;
    Agent* t = owner->get_closest(Agent::F_ENEMY);
    if (!t) return;
    Particle* sword = body();
    if (std::abs(sword->pos.x - t->pos.x) > 500)
        sword->vel.x = t->pos.x < sword->pos.x ? -9 : 9;
    else if (t->collide(sword->pos) == 2)
        t->wound(3, DISMEMBERED);
}

void Attack::run_mote() {
    Particle* mote = body();
    if (owner->state == CORPSE || owner->state == REMAINS || owner->state == GONE) {
        mote->unpersist();
        mote->gravity = 1;
        return;
    }
    mote->persist();
    mote->gravity = 0;
    const Coord home(owner->pos.x, owner->pos.y - 200);
    if (Utility::distance(mote->pos, home) <= 30) {
        const int r = std::rand() % 5;
        mote->vel = Coord().vectorOffset(Utility::randAngle(0, 360), r);
        return;
    }
    mote->vel.x += toward(mote->pos.x, owner->pos.x) * (std::rand() % 3);
    if (mote->pos.y < owner->pos.y - 245)
        mote->vel.y += std::rand() % 2;
    else if (mote->pos.y >= owner->pos.y - 244)
        mote->vel.y -= std::rand() % 2;
    mote->vel.x = std::clamp(mote->vel.x, -15, 15);
    mote->vel.y = std::clamp(mote->vel.y, -10, 10);
}

void Attack::run_campfire() {
    const Coord place = carrier->pos;
    if (std::rand() % 5 == 0) {
        const int x = place.x + 20 - std::rand() % 40;
        make_fire(Coord(x, place.y))->put_foreground();
    }
    if (std::rand() % 5 == 0) {
        const int rise = 1 + std::rand() % 4;
        const int x = place.x + 20 - std::rand() % 40;
        make_smoke(Coord(x, place.y), rise)->put_foreground();
    }
}

void Attack::run_gore() {
    pos.y += 1;
    if (pos.y > GORE_FRAMES) {
        kill();
        return;
    }
    const Coord centre(pos.x, Level::FLOOR_HEIGHT - 40);
    const double meat_angle = Utility::randAngle(0, 360);
    const Coord p = centre.vectorOffset(meat_angle, std::rand() % 25);
    Effect::meat(p, 270, 70, 4, 15, 10);
    const double blood_angle = Utility::randAngle(0, 360);
    const Coord q = centre.vectorOffset(blood_angle, std::rand() % 25);
    Effect::blood(q, 270, 70, 4, 20, 5000);
}

void Attack::run_hellfire() {
    pos.y -= 1;
    if (pos.y > 0)
        Effect::hellfire(pos.x - 80 + std::rand() % 41);
    else
        kill();
}

void Attack::run_pit() {
    int image = 120;
    if (pos.y < 5)
        image = 123;
    else if (pos.y < 10)
        image = 122;
    else if (pos.y < PIT_STAGES)
        image = 121;
    SpriteSheet::agent[image]->draw(Coord(pos.x, Level::FLOOR_HEIGHT), true);
    pos.y = std::clamp(pos.y, 0, PIT_STAGES);
}

Attack* Attack::get_closest(AttackType t, Agent* a) {
    if (a->team == 0) return nullptr;
    Attack* best = nullptr;
    int best_distance = 0;
    for (DB.reiterate(); DB.current(); DB.next()) {
        Attack* candidate = static_cast<Attack*>(DB.current());
        if (!candidate->alive || candidate->type != t) continue;
        if (team_of(candidate->owner) == a->team) continue;
        const int d = Utility::distance(candidate->pos, a->pos);
        if (best && d >= best_distance) continue;
        best = candidate;
        best_distance = d;
    }
    return best;
}

Attack* Attack::get_closest(AttackType t, Coord p) {
    Attack* best = nullptr;
    int best_distance = 0;
    for (DB.reiterate(); DB.current(); DB.next()) {
        Attack* candidate = static_cast<Attack*>(DB.current());
        if (!candidate->alive || candidate->type != t) continue;
        const int d = Utility::distance(candidate->pos, p);
        if (best && d >= best_distance) continue;
        best = candidate;
        best_distance = d;
    }
    return best;
}
