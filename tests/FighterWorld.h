#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Coord.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

// The real sprite sheets and animations, loaded once per suite from the assembled data
// folder; every test starts with no agents, attacks or particles and the floor at 500.
class FighterWorld : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        char here[4096];
        previous_dir() = getcwd(here, sizeof here) ? here : ".";
        ASSERT_EQ(chdir(IRONVALE_DATA_DIR), 0);
        Graphics::start(Coord(800, 600), 40, false);
        Pixel::start();
        Sound::start();
        SpriteSheet::start();
        Animation::start();
        AgentInput::start();
        Combos::start();
    }
    static void TearDownTestSuite() {
        Animation::end();
        SpriteSheet::end();
        Sound::end();
        Graphics::end();
        if (chdir(previous_dir().c_str()) != 0)
            ADD_FAILURE() << "cannot return to " << previous_dir();
    }
    void SetUp() override {
        Agent::start();
        Attack::start();
        Particle::start();
        Level::FLOOR_HEIGHT = 500;
        Random::seed(1);
    }
    void TearDown() override {
        Agent::delete_all();
        Attack::DB.clear();
        Particle::start();
    }

    static std::string& previous_dir() {
        static std::string dir;
        return dir;
    }

    static void frames(int n) {
        for (int i = 0; i < n; ++i)
            Agent::run_all();
    }

    static std::vector<Attack*> attacks(AttackType type) {
        std::vector<Attack*> found;
        for (Attack::DB.reiterate(); Attack::DB.current(); Attack::DB.next()) {
            Attack* a = static_cast<Attack*>(Attack::DB.current());
            if (a->type == type) found.push_back(a);
        }
        return found;
    }

    static int count(ThingDB& list) {
        int n = 0;
        for (list.reiterate(); list.current(); list.next())
            ++n;
        return n;
    }

    static int picture(const Agent* a) { return a->frame ? a->frame->sprite_index : -1; }

    // A white-caped fighter standing on the floor.
    static Agent* fighter(int x, int team, bool facing_left, int hp = 20) {
        return new Agent(VARIANT_WHITE_CAPE, hp, Coord(x, Level::FLOOR_HEIGHT), team, facing_left);
    }
};
