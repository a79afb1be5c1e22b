#include "world/Thing.h"

#include "core/Random.h"

Thing::Thing() : alive(true) {}
Thing::Thing(Coord pos) : pos(pos), alive(true) {}
Thing::Thing(Coord pos, Coord vel) : pos(pos), vel(vel), alive(true) {}
Thing::~Thing() = default;

void Thing::run() {}

unsigned long Thing::kills = 0;

void Thing::kill() {
    alive = false;
    ++kills;
}

void Thing::slow_x(int amount, int chance) {
    if (chance < 1) chance = 1;
    for (int i = amount; i >= 1; --i) {
        if (Random::next() % chance != 0) continue;
        if (vel.x >= -i && vel.x <= i)
            vel.x = 0;
        else
            vel.x += vel.x > 0 ? -i : i;
    }
}
