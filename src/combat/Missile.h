#pragma once

class Agent;
class Attack;

// Attacks that fly about by themselves: a body part trailing blood, a telekinetic sword
// homing on its owner's enemy, a boss's blood sword and its hovering motes.
class Missile {
  public:
    static void run_giblet(Attack& a);

    static void set_up_telekinesis(Attack& a);
    static void run_telekinesis(Attack& a);
    // The sword bounces away and shows two recovering pictures before it can strike again.
    static void hit_telekinesis(Attack& a, Agent* target, int contact);

    static void set_up_blood_sword(Attack& a);
    static void run_blood_sword(Attack& a);

    static void set_up_mote(Attack& a);
    static void run_mote(Attack& a);
};
