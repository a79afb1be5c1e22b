#pragma once
#include "combat/AttackType.h"
#include "core/Coord.h"
#include "world/Thing.h"
#include "world/ThingDB.h"

class Agent;
class Particle;

// A live harmful (or merely spectacular) object of the world: the hit point of a sword
// swing, a fire bolt, lightning, a stomp, a fire shield, a flying body part, and more.
// Most attacks carry a particle as their moving, visible body and test hits at its
// position against the pixels of the agents' current pictures.
class Attack : public Thing {
  public:
    // Set up for its type and linked in at the head of DB, which owns it.
    Attack(AttackType type, Agent* owner, Coord pos);
    // Destroys the carrier with the attack.
    ~Attack() override;
    Attack(const Attack&) = delete;
    Attack& operator=(const Attack&) = delete;

    // One frame of the attack's kind, then the carrier's frame; a dead carrier ends it.
    void run() override;
    // Tests every agent of another non-zero team under the carrier; true if any was hit.
    bool check_hits();
    // Contact 2 is a body pixel, 1 any other visible pixel (sword, cape).
    void hit(Agent* target, int contact);
    // Whether `a` is a living agent of a non-zero team other than the owner's: the only
    // agents an attack may harm.
    bool may_harm(const Agent* a) const;
    // The carrier as the particle it is for every type but the campfire.
    Particle* body() const;

    // The attack of type t nearest to a, among those whose owner is of another team
    // than a's (a's team being non-zero); null if none.
    static Attack* get_closest(AttackType t, Agent* a);
    // The attack of type t nearest to p, whoever owns it; null if none.
    static Attack* get_closest(AttackType t, Coord p);

    // Empties DB.
    static void start();

    AttackType type;
    // Set after the first hit; keeps the hit sounds from repeating.
    bool has_hit;
    // Direction of travel of a fire bolt, radians; 0 is to the right.
    double heading;
    // Its team is spared; null for giblets, campfires, gore, hellfire and pits.
    Agent* owner;
    // The moving body: an unlisted Particle, or a plain Thing marking a place. Owned.
    Thing* carrier;

    static ThingDB DB;
};
