#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "CombatWorld.h"
#include "combat/Agent.h"
#include "combat/Attack.h"
#include "core/Random.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Effect.h"
#include "world/Particle.h"

namespace {

class EffectTest : public CombatWorld {};

// The random number that follows `action` after seeding with `seed`.
template <typename F> int next_random_after(unsigned seed, F action) {
    Random::seed(seed);
    action();
    return Random::next();
}

TEST_F(EffectTest, BloodOfNoDropsMakesNothingAndDrawsNoRandomNumbers) {
    Random::seed(7);
    const int expected = Random::next();
    EXPECT_EQ(next_random_after(7, [] { Effect::blood(Coord(100, 100), 0, 30, 1, 5, 0); }),
              expected);
    EXPECT_EQ(next_random_after(7, [] { Effect::meat(Coord(100, 100), 0, 30, 1, 5, 0); }),
              expected);
    EXPECT_TRUE(all_particles().empty());
}

TEST_F(EffectTest, BloodDropsAreRedDotsFallingInBothLayers) {
    Effect::blood(Coord(400, 300), 0, 30, 1, 5, 400);
    const std::vector<Particle*> front = particles(Particle::foreground);
    const std::vector<Particle*> back = particles(Particle::background);
    EXPECT_EQ(front.size() + back.size(), 400u);
    EXPECT_GT(front.size(), 100u);
    EXPECT_GT(back.size(), 100u);
    for (Particle* p : all_particles()) {
        EXPECT_EQ(p->pos, Coord(400, 300));
        EXPECT_EQ(p->gravity, 1);
        EXPECT_EQ(p->terminal_velocity, 20);
        Uint8 r, g, b;
        SDL_GetRGB(p->pixel, Graphics::screen->surface->format, &r, &g, &b);
        EXPECT_GE(r, 105);
        EXPECT_EQ(g, 0);
        EXPECT_EQ(b, 0);
        // Speeds from -1 to 10, within 30 degrees of the right.
        EXPECT_LE(std::abs(p->vel.x), 11);
        EXPECT_LE(std::abs(p->vel.y), 6);
    }
}

TEST_F(EffectTest, ADropWithoutSpeedFallsStraightDown) {
    // Speeds -1, 0 or 1: a third of the drops stand still at first.
    Effect::blood(Coord(400, 100), 0, 180, 1, 2, 60);
    std::vector<Particle*> still;
    for (Particle* p : all_particles())
        if (p->vel == Coord(0, 0)) still.push_back(p);
    ASSERT_FALSE(still.empty());
    for (int frame = 0; frame < 10; ++frame)
        for (Particle* p : still)
            p->run();
    for (Particle* p : still) {
        EXPECT_EQ(p->pos.x, 400);
        EXPECT_EQ(p->pos.y, 100 + 45);
    }
}

std::vector<Sprite*> giblet_pictures() {
    std::vector<Sprite*> pictures;
    for (Attack::DB.reiterate(); Attack::DB.current(); Attack::DB.next()) {
        Attack* a = static_cast<Attack*>(Attack::DB.current());
        EXPECT_EQ(a->type, ATK_GIBLET);
        EXPECT_EQ(a->owner, nullptr);
        // The list is newest first; the table's order is the order of creation.
        pictures.insert(pictures.begin(), static_cast<Particle*>(a->carrier)->sprite);
    }
    return pictures;
}

TEST_F(EffectTest, GibletsFacingLeftSwapTheLimbs) {
    Agent* right = new Agent(VARIANT_WHITE_CAPE, 1, Coord(400, 500), 2, false);
    Agent* left = new Agent(VARIANT_WHITE_CAPE, 1, Coord(400, 500), 2, true);
    Random::seed(11);
    Effect::giblets(right);
    const std::vector<Sprite*> facing_right = giblet_pictures();
    Attack::start();
    Random::seed(11);
    Effect::giblets(left);
    const std::vector<Sprite*> facing_left = giblet_pictures();

    const std::vector<int> right_images = {31, 36, 33, 32, 34, 35};
    const std::vector<int> left_images = {31, 36, 32, 33, 35, 34};
    ASSERT_EQ(facing_right.size(), 6u);
    ASSERT_EQ(facing_left.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(facing_right[i], SpriteSheet::base[right_images[i]]) << i;
        EXPECT_EQ(facing_left[i], SpriteSheet::base[left_images[i]]) << i;
    }
}

TEST_F(EffectTest, GibletsFlyUpAndTrailBloodUntilTheyRest) {
    Agent* a = new Agent(VARIANT_WHITE_CAPE, 1, Coord(400, 500), 2, false);
    Effect::giblets(a);
    std::vector<Particle*> parts;
    for (Attack::DB.reiterate(); Attack::DB.current(); Attack::DB.next()) {
        Particle* p = static_cast<Particle*>(static_cast<Attack*>(Attack::DB.current())->carrier);
        EXPECT_LE(p->vel.y, 0);
        EXPECT_TRUE(p->bouncing());
        EXPECT_FALSE(p->dies_offscreen);
        parts.push_back(p);
    }
    for (int frame = 0; frame < 400; ++frame)
        Attack::DB.run();
    // Six parts at rest on the floor, still; they trailed blood on the way.
    EXPECT_EQ(attacks(ATK_GIBLET).size(), 6u);
    for (Particle* p : parts) {
        EXPECT_FALSE(p->bouncing());
        EXPECT_EQ(p->vel, Coord(0, 0));
        EXPECT_GE(p->pos.y, Level::FLOOR_HEIGHT);
    }
    EXPECT_GT(all_particles().size(), 0u);
}

TEST_F(EffectTest, SnowFlakesLiveExactly75FramesWhereverTheyDrift) {
    for (int i = 0; i < 20; ++i)
        Effect::snow();
    std::vector<Particle*> flakes = all_particles();
    ASSERT_GE(flakes.size(), 19u);
    for (Particle* p : flakes) {
        EXPECT_FALSE(p->dies_offscreen);
        EXPECT_EQ(p->lifespan, 75);
        EXPECT_GE(p->terminal_velocity, 8);
        EXPECT_LE(p->terminal_velocity, 10);
        EXPECT_EQ(p->pos.y, 0);
        EXPECT_GE(p->pos.x, -500);
        EXPECT_LT(p->pos.x, 1300);
    }
    for (int frame = 1; frame <= 75; ++frame) {
        EXPECT_EQ(all_particles().size(), flakes.size()) << frame;
        Particle::foreground.run();
        Particle::background.run();
    }
    EXPECT_TRUE(all_particles().empty());
}

TEST_F(EffectTest, AWaterDropWithoutLifespanLivesUntilItLeavesTheScreen) {
    Particle* lasting = nullptr;
    for (int spray = 0; spray < 10 && !lasting; ++spray) {
        Effect::water_spray(Coord(400, 300));
        for (Particle* p : particles(Particle::foreground))
            if (p->lifespan == 0) lasting = p;
    }
    ASSERT_NE(lasting, nullptr);
    // It moves by its velocity, then dies only once that took it beyond the margin.
    for (int frame = 0; frame < 200; ++frame) {
        const Coord next(lasting->pos.x + lasting->vel.x, lasting->pos.y + lasting->vel.y);
        const bool leaves = next.x < -100 || next.x > 900 || next.y < -100 || next.y > 700;
        Particle::foreground.run();
        bool gone = true;
        for (Particle* p : particles(Particle::foreground))
            gone = gone && p != lasting;
        ASSERT_EQ(gone, leaves) << frame;
        if (gone) return;
    }
    ADD_FAILURE() << "the drop never left the screen";
}

TEST_F(EffectTest, AStompThrowsFiveRocksAlongTheFloor) {
    Effect::stomp(300);
    std::vector<Particle*> rocks = particles(Particle::foreground);
    ASSERT_EQ(rocks.size(), 5u);
    std::set<int> xs;
    for (Particle* p : rocks) {
        xs.insert(p->pos.x);
        EXPECT_EQ(p->pos.y, 503);
        EXPECT_LE(p->vel.y, -14);
        EXPECT_GE(p->vel.y, -24);
        EXPECT_EQ(p->gravity, 3);
        EXPECT_GE(p->terminal_velocity, 1);
        EXPECT_LE(p->terminal_velocity, 2);
        bool rubble = false;
        for (int n = 17; n <= 20; ++n)
            rubble = rubble || p->sprite == SpriteSheet::base[n];
        EXPECT_TRUE(rubble);
    }
    EXPECT_EQ(xs, (std::set<int>{250, 275, 300, 325, 350}));
}

TEST_F(EffectTest, HellfireRisesAtFivePixelsAFrameOnceSlowed) {
    Effect::hellfire(300);
    Particle* flame = particles(Particle::foreground).at(0);
    EXPECT_EQ(flame->pos, Coord(300, 500));
    EXPECT_LE(flame->vel.y, -10);
    EXPECT_GE(flame->vel.y, -24);
    const int start = flame->vel.y;
    // Gravity slows the rise until the limit holds it at 5 a frame; twelve pictures.
    for (int frame = 1; frame <= 11; ++frame) {
        flame->run();
        EXPECT_EQ(flame->vel.y, std::min(start + frame, -5)) << frame;
        EXPECT_TRUE(flame->alive);
    }
    flame->run();
    EXPECT_FALSE(flame->alive);
}

TEST_F(EffectTest, LightningDrawsStrokesForThisFrameOnly) {
    Effect::lightning(Coord(100, 100), Coord(400, 300), 0, 10, 40);
    EXPECT_EQ(non_black_pixels(), 0);
    Effect::lightning(Coord(100, 100), Coord(400, 300), 2, 10, 40);
    EXPECT_GT(non_black_pixels(), 0);
    EXPECT_TRUE(all_particles().empty());
}

} // namespace
