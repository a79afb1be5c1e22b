#pragma once

class Agent;
class Attack;

// The special moves' magic: the homing fire bolt, lightning from the caster's hand, the
// stomp's shock wave, the fire shield, the summoning of a water creature and a boss's halo.
class Spell {
  public:
    static void set_up_firebolt(Attack& a);
    // Steers towards the nearest foe ahead; bursts on the floor.
    static void run_firebolt(Attack& a);
    // A blocker reflects the bolt and becomes its owner.
    static void hit_firebolt(Attack& a, Agent* target, int contact);

    static void set_up_lightning(Attack& a);
    static void run_lightning(Attack& a);

    // A shock wave of one frame.
    static void run_stomp(Attack& a);

    static void set_up_fireshield(Attack& a);
    static void run_fireshield(Attack& a);

    // A water creature dropped from high above the middle of the screen.
    static void summon(Attack& a);

    static void run_halo(Attack& a);
};
