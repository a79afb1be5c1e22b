#pragma once
#include "core/Coord.h"

class Attack;
class Particle;

// Harm and spectacle fixed to a place, owned by nobody: a campfire, a burst of gore,
// hellfire and a pit in the floor.
class Hazard {
  public:
    static void set_up_campfire(Attack& a);
    static void run_campfire(Attack& a);
    // Gore and the pit count their frames or stages in pos.y, from 0.
    static void set_up_count(Attack& a);
    static void run_gore(Attack& a);
    static void run_hellfire(Attack& a);
    // Drawn in four stages as the level opens or closes it.
    static void run_pit(Attack& a);

    // Unlisted particles for fires (the fire shield's too): a still flame, a rising puff.
    static Particle* flame(Coord at);
    static Particle* smoke(Coord at, int rise);
};
