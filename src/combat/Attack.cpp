#include "combat/Attack.h"

#include <iterator>

#include "combat/Agent.h"
#include "combat/Hazard.h"
#include "combat/Missile.h"
#include "combat/Spell.h"
#include "combat/Swing.h"
#include "core/Utility.h"
#include "world/Particle.h"

ThingDB Attack::DB;

namespace {
// What an attack of one type does: whether it needs an owner (it never runs without one),
// its set-up, each frame of its life, and its blow to an agent found under its carrier.
struct Kind {
    bool needs_owner;
    void (*set_up)(Attack&);
    void (*run)(Attack&);
    void (*hit)(Attack&, Agent*, int);
};

void nothing(Attack&) {}
void harmless(Attack&, Agent*, int) {}
// Its work was done at its set-up.
void done(Attack& a) {
    a.kill();
}

// By attack type.
const Kind KINDS[] = {
    {false, nothing, nothing, harmless},                                      // NONE
    {true, Swing::set_up, Swing::run, Swing::hit_slash},                      // SLASH
    {true, Swing::set_up, Swing::run, Swing::hit_lunge},                      // LUNGE
    {true, Swing::set_up, Swing::run, Swing::hit_air_slash},                  // AIR_SLASH
    {true, Spell::set_up_firebolt, Spell::run_firebolt, Spell::hit_firebolt}, // FIREBOLT
    {true, Spell::set_up_lightning, Spell::run_lightning, harmless},          // LIGHTNING
    {true, nothing, Spell::run_stomp, harmless},                              // STOMP
    {true, Spell::set_up_fireshield, Spell::run_fireshield, harmless},        // FIRESHIELD
    {false, nothing, Missile::run_giblet, harmless},                          // GIBLET
    {true, Missile::set_up_telekinesis, Missile::run_telekinesis,
     Missile::hit_telekinesis},                                              // TELEKINESIS
    {true, Spell::summon, done, harmless},                                   // SUMMON
    {true, nothing, Spell::run_halo, harmless},                              // HALO
    {true, Missile::set_up_blood_sword, Missile::run_blood_sword, harmless}, // BLOOD_SWORD
    {true, Missile::set_up_mote, Missile::run_mote, harmless},               // MOTE
    {false, Hazard::set_up_campfire, Hazard::run_campfire, harmless},        // CAMPFIRE
    {false, Hazard::set_up_count, Hazard::run_gore, harmless},               // GORE
    {false, nothing, Hazard::run_hellfire, harmless},                        // HELLFIRE
    {false, Hazard::set_up_count, Hazard::run_pit, harmless},                // PIT
};
static_assert(std::size(KINDS) == ATK_PIT + 1, "one kind for every attack type");

const Kind& kind_of(AttackType t) {
    const int n = static_cast<int>(t);
    return n >= 0 && n < static_cast<int>(std::size(KINDS)) ? KINDS[n] : KINDS[ATK_NONE];
}

int team_of(const Agent* a) {
    return a ? a->team : 0;
}
} // namespace

Attack::Attack(AttackType type, Agent* owner, Coord pos)
    : Thing(pos), type(type), has_hit(false), heading(0.0), owner(owner), carrier(nullptr) {
    const Kind& kind = kind_of(type);
    if (kind.needs_owner && !owner)
        kill();
    else
        kind.set_up(*this);
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

void Attack::run() {
    if (alive) kind_of(type).run(*this);
    if (!carrier) return;
    carrier->run();
    if (!carrier->alive) kill();
}

bool Attack::may_harm(const Agent* a) const {
    // The owner may change during a pass (a reflected bolt), so its team is read each time.
    return a->alive && a->team != 0 && a->team != team_of(owner);
}

bool Attack::check_hits() {
    if (!carrier) return false;
    bool any = false;
    for (size_t i = 0; i < Agent::agents.size(); ++i) {
        Agent* a = Agent::agents[i];
        if (!may_harm(a)) continue;
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
    kind_of(type).hit(*this, target, contact);
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
