#include <gtest/gtest.h>

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

TEST_F(EffectTest, LightningDrawsStrokesForThisFrameOnly) {
    Effect::lightning(Coord(100, 100), Coord(400, 300), 0, 10, 40);
    EXPECT_EQ(non_black_pixels(), 0);
    Effect::lightning(Coord(100, 100), Coord(400, 300), 2, 10, 40);
    EXPECT_GT(non_black_pixels(), 0);
    EXPECT_TRUE(all_particles().empty());
}

} // namespace
