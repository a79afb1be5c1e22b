// The generator's skeleton renderer, tested on figures drawn in memory.
#include <gtest/gtest.h>

#include "Canvas.h"
#include "KeyColours.h"
#include "PoseTable.h"
#include "Skeleton.h"

using namespace contentgen;

namespace {

int count(const Canvas& c, Rgb colour) {
    int n = 0;
    for (const Rgb& p : c.data())
        n += p == colour;
    return n;
}

TEST(SkeletonRenderer, ColoursTheSwordByWhatLiesUnderIt) {
    Pose p = *find_pose(0); // standing
    p.strike = Strike::none;
    p.grip = Grip::near_hand;
    p.sword = 180; // pointing back: across the body, then over the cape, then free
    p.cape = 100;
    p.cape_len = 34;
    const Canvas c = draw_figure(p, fighter_look());
    for (Rgb colour : {key::sword_on_body, key::sword_on_cape, key::sword, key::head, key::eyes})
        EXPECT_GT(count(c, colour), 0);
    p.grip = Grip::none;
    const Canvas bare = draw_figure(p, fighter_look());
    EXPECT_EQ(0, count(bare, key::sword) + count(bare, key::sword_on_body) +
                     count(bare, key::sword_on_cape));
}

// A motion smear is steel laid around the figure: it must not take a pixel from the body (a
// blow there would stop wounding) nor bring a colour the recolouring does not know.
TEST(SkeletonRenderer, SmearsOnlyAddSteelAroundTheFigure) {
    int smeared = 0;
    for (const Pose& p : pose_table()) {
        if (p.smear == Smear::none) continue;
        Pose still = p;
        still.smear = Smear::none;
        const Canvas with = draw_figure(p, fighter_look()),
                     without = draw_figure(still, fighter_look());
        for (size_t i = 0; i < with.data().size(); ++i) {
            const Rgb a = without.data()[i], b = with.data()[i];
            if (a == b) continue;
            ++smeared;
            const bool onto_empty = a == key::transparent && b == key::sword;
            const bool onto_cape = a == key::cape && b == key::sword_on_cape;
            ASSERT_TRUE(onto_empty || onto_cape) << "pose " << p.number << " pixel " << i;
        }
    }
    EXPECT_GT(smeared, 0);
}

} // namespace
