#pragma once
// The fighters' world with a black screen to draw on, and ways to look into it.
#include <cstdlib>
#include <vector>

#include "FighterWorld.h"

class CombatWorld : public FighterWorld {
  protected:
    void SetUp() override {
        FighterWorld::SetUp();
        Graphics::screen->fill(Pixel::black);
    }

    static std::vector<Particle*> particles(ThingDB& list) {
        std::vector<Particle*> found;
        for (list.reiterate(); list.current(); list.next())
            found.push_back(static_cast<Particle*>(list.current()));
        return found;
    }

    // A screen point over the agent's current picture that gives `contact`, searched
    // from the chest outwards; fails the test when the picture has none.
    static Coord point_on(Agent* a, int contact) {
        for (int r = 0; r < 60; ++r)
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    if (std::abs(dx) != r && std::abs(dy) != r) continue;
                    const Coord p(a->pos.x + dx, a->pos.y - 40 + dy);
                    if (a->collide(p) == contact) return p;
                }
        ADD_FAILURE() << "no point of contact " << contact;
        return a->pos;
    }

    static int non_black_pixels() {
        int n = 0;
        Graphics::screen->open();
        for (int y = 0; y < Graphics::screen->h(); ++y)
            for (int x = 0; x < Graphics::screen->w(); ++x)
                n += Graphics::screen->get_pixel(Coord(x, y)) != Pixel::black;
        Graphics::screen->close();
        return n;
    }
};
