#pragma once
// A headless world with the game's own pictures and sounds: agents, attacks and
// particles run and draw as they do in play, on an 800x600 screen nobody sees.
#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

class CombatWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Graphics::start(Coord(800, 600), 0, false);
        Pixel::start();
        ASSERT_EQ(chdir(IRONVALE_DATA_DIR), 0);
        Sound::start();
        SpriteSheet::start();
        Animation::start();
        AgentInput::start();
        Combos::start();
    }
    static void TearDownTestSuite() {
        clear_world();
        Animation::end();
        SpriteSheet::end();
        Sound::end();
        Graphics::end();
    }
    void SetUp() override {
        clear_world();
        Graphics::screen->fill(Pixel::black);
    }
    void TearDown() override { clear_world(); }

    static void clear_world() {
        Attack::start();
        Particle::start();
        Agent::delete_all();
        Agent::start();
        Level::FLOOR_HEIGHT = 500;
    }

    static std::vector<Attack*> attacks(AttackType type) {
        std::vector<Attack*> found;
        for (Attack::DB.reiterate(); Attack::DB.current(); Attack::DB.next()) {
            Attack* a = static_cast<Attack*>(Attack::DB.current());
            if (a->type == type) found.push_back(a);
        }
        return found;
    }

    static std::vector<Particle*> particles(ThingDB& list) {
        std::vector<Particle*> found;
        for (list.reiterate(); list.current(); list.next())
            found.push_back(static_cast<Particle*>(list.current()));
        return found;
    }

    static std::vector<Particle*> all_particles() {
        std::vector<Particle*> found = particles(Particle::foreground);
        for (Particle* p : particles(Particle::background)) found.push_back(p);
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
