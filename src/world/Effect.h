#pragma once
#include "core/Coord.h"

class Agent;

// Recipes that spray particles for one visual event each: blood and meat, body parts,
// bursts, flames, rubble, sparkles, weather and lightning. They hold no state.
class Effect {
  public:
    // The agent bursts into six flying body parts that trail blood.
    static void giblets(Agent* a);
    static void leaf();
    static void snow();
    static void rain();
    static void bolt_hit(Coord at);
    static void hellfire(int x);
    static void stomp(int x);
    // Drawn straight onto the screen for this frame only.
    static void lightning(Coord from, Coord to, int count, int a, int b);
    static void water_spray(Coord at);
    static void teleport(Coord at);
    // Speeds are Random::next() mod (3 * (high - low)) - low; high must exceed low.
    static void blood(Coord at, int angle, int spread, int low, int high, int count);
    static void meat(Coord at, int angle, int spread, int low, int high, int count);
};
