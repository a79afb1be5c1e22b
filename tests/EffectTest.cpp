#include <vector>

#include "CombatWorld.h"
#include "world/Effect.h"

namespace {

class EffectTest : public CombatWorld {};

TEST_F(EffectTest, BloodOfNoDropsMakesNothingAndDrawsNoRandomNumbers) {
    Random::seed(7);
    const int first = Random::next();
    Random::seed(7);
    Effect::blood(Coord(100, 100), 0, 30, 1, 5, 0);
    Effect::meat(Coord(100, 100), 0, 30, 1, 5, 0);
    EXPECT_EQ(Random::next(), first);
    EXPECT_EQ(count(Particle::foreground) + count(Particle::background), 0);
}

std::vector<Sprite*> giblet_pictures() {
    std::vector<Sprite*> pictures;
    for (Attack::DB.reiterate(); Attack::DB.current(); Attack::DB.next()) {
        Attack* a = static_cast<Attack*>(Attack::DB.current());
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
        parts.push_back(
            static_cast<Particle*>(static_cast<Attack*>(Attack::DB.current())->carrier));
    }
    for (int frame = 0; frame < 400; ++frame)
        Attack::DB.run();
    // Six parts at rest on the floor, still; they trailed blood on the way.
    EXPECT_EQ(attacks(ATK_GIBLET).size(), 6u);
    for (Particle* p : parts) {
        EXPECT_EQ(p->vel, Coord(0, 0));
        EXPECT_GE(p->pos.y, Level::FLOOR_HEIGHT);
    }
    EXPECT_GT(count(Particle::foreground) + count(Particle::background), 0);
}

} // namespace
