#pragma once

class Agent;
class Attack;

// Sword swings: the standing slash, the running lunge and the air slash. Each is an
// invisible point that moves with the swordsman for the few frames of the swing and strikes
// whatever it overlaps.
class Swing {
  public:
    static void set_up(Attack& a);
    static void run(Attack& a);

    static void hit_slash(Attack& a, Agent* target, int contact);
    // Blocking does not stop a lunge.
    static void hit_lunge(Attack& a, Agent* target, int contact);
    static void hit_air_slash(Attack& a, Agent* target, int contact);
};
