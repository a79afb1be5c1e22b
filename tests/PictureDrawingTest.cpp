// The generator's drawing primitives and skeleton renderer, tested on canvases in memory.
#include <gtest/gtest.h>

#include <set>

#include "Burning.h"
#include "Canvas.h"
#include "KeyColours.h"
#include "Ordinary.h"
#include "PoseTable.h"
#include "Scenery.h"
#include "Skeleton.h"

using namespace contentgen;

namespace {

int count(const Canvas& c, Rgb colour) {
    int n = 0;
    for (const Rgb& p : c.data())
        n += p == colour;
    return n;
}

Pose standing() {
    Pose p = *find_pose(0);
    p.strike = Strike::none;
    return p;
}

TEST(CanvasShapes, FillOnlyThePixelsWhoseCentresLieInside) {
    Canvas c(10, 10, key::transparent);
    c.fill_polygon({{2, 2}, {6, 2}, {6, 5}, {2, 5}}, key::body);
    EXPECT_EQ(12, count(c, key::body));
    EXPECT_TRUE(c.get(2, 2) == key::body);
    EXPECT_TRUE(c.get(6, 2) == key::transparent);
    Canvas d(21, 21, key::transparent);
    d.fill_circle({10.5, 10.5}, 5, key::body);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            EXPECT_TRUE(d.get(x, y) == d.get(20 - x, y)) << "circle is symmetric";
    // Drawing outside the canvas is clipped, not an error.
    d.fill_capsule({-30, -30}, {50, 50}, 2, 2, key::cape);
    EXPECT_GT(count(d, key::cape), 0);
}

TEST(CanvasShapes, CropFillsWhatLiesOutsideAndReplaceIsExact) {
    Canvas c(4, 4, key::body);
    const Canvas cropped = c.crop(2, 2, 4, 4, key::transparent);
    EXPECT_EQ(4, count(cropped, key::body));
    EXPECT_EQ(12, count(cropped, key::transparent));
    c.set(1, 1, Rgb{0, 0, 1});
    c.replace(key::body, key::cape);
    EXPECT_EQ(15, count(c, key::cape));
    EXPECT_TRUE(c.get(1, 1) == (Rgb{0, 0, 1}));
}

TEST(CropToAnchor, GivesAnEvenWidthWithTheAnchorColumnInTheMiddle) {
    Canvas s(scratch::width, scratch::height, key::transparent);
    s.fill_rect(scratch::ox - 10, scratch::oy - 40, 14, 40, key::body); // more to the left
    s.set(scratch::ox, scratch::oy - 41, key::head);
    const Canvas c = crop_to_anchor(s, true);
    EXPECT_EQ(0, c.width() % 2);
    EXPECT_TRUE(c.get(c.width() / 2, c.height() - 41) == key::head)
        << "anchor column lands on w / 2";
    EXPECT_GT(count(Canvas(c.crop(0, c.height() - 1, c.width(), 1, key::transparent)), key::body),
              0)
        << "the lowest painted row is the bottom row";
    EXPECT_TRUE(c.get(0, c.height() - 1) == key::transparent);
    EXPECT_TRUE(c.get(1, c.height() - 1) == key::body) << "one pixel of margin on the wider side";
    const Canvas empty =
        crop_to_anchor(Canvas(scratch::width, scratch::height, key::transparent), true);
    EXPECT_EQ(2, empty.width());
    EXPECT_EQ(2, empty.height());
}

TEST(CropToAnchor, StandsTheBodyOnTheFloorAndCutsOffASwordBelowIt) {
    Canvas s(scratch::width, scratch::height, key::transparent);
    s.fill_rect(scratch::ox - 3, scratch::oy - 60, 6, 50, key::body);
    s.fill_rect(scratch::ox + 6, scratch::oy - 40, 2, 40, key::sword); // reaching 10 rows lower
    const Canvas standing = crop_to_anchor(s, true);
    EXPECT_EQ(51, standing.height());
    EXPECT_TRUE(standing.get(standing.width() / 2, standing.height() - 1) == key::body);
    const Canvas flying = crop_to_anchor(s, false);
    EXPECT_EQ(61, flying.height());
    EXPECT_TRUE(flying.get(flying.width() / 2 + 6, flying.height() - 1) == key::sword);
}

TEST(SkeletonRenderer, ColoursTheSwordByWhatLiesUnderIt) {
    Pose p = standing();
    p.grip = Grip::near_hand;
    p.sword = 180; // pointing back: across the body, then over the cape, then free
    p.cape = 100;
    p.cape_len = 34;
    const Canvas c = draw_figure(p, fighter_look());
    EXPECT_GT(count(c, key::sword_on_body), 0);
    EXPECT_GT(count(c, key::sword_on_cape), 0);
    EXPECT_GT(count(c, key::sword), 0);
    EXPECT_GT(count(c, key::head), 0);
    EXPECT_GT(count(c, key::eyes), 0);
    p.grip = Grip::none;
    const Canvas bare = draw_figure(p, fighter_look());
    EXPECT_EQ(0, count(bare, key::sword) + count(bare, key::sword_on_body) +
                     count(bare, key::sword_on_cape));
}

TEST(SkeletonRenderer, PutsExactlyTheAttackPointsTheStrikeAsksFor) {
    const std::pair<Strike, int> strikes[] = {
        {Strike::none, 0}, {Strike::blade2, 2},    {Strike::blade3, 3},  {Strike::tip1, 1},
        {Strike::tip2, 2}, {Strike::near_hand, 1}, {Strike::far_hand, 1}};
    for (const Pose& table_pose : pose_table()) {
        for (const auto& [strike, expected] : strikes) {
            const bool on_blade = strike != Strike::near_hand && strike != Strike::far_hand;
            if (table_pose.grip == Grip::none && on_blade) continue; // no blade to mark
            Pose p = table_pose;
            p.strike = strike;
            EXPECT_EQ(expected, count(draw_figure(p, fighter_look()), key::special))
                << "pose " << p.number << " strike " << static_cast<int>(strike);
        }
    }
}

TEST(SkeletonRenderer, HeadlessAndCivilianFiguresHaveNoHeadMark) {
    Pose p = standing();
    p.headless = true;
    const Canvas c = draw_figure(p, fighter_look());
    EXPECT_EQ(0, count(c, key::head));
    EXPECT_EQ(0, count(c, key::eyes));
    EXPECT_GT(count(c, key::body), 0);
}

TEST(PoseTable, HoldsEveryPictureDrawnFromTheSkeletonOnce) {
    std::set<int> seen;
    for (const Pose& p : pose_table())
        EXPECT_TRUE(seen.insert(p.number).second) << "pose " << p.number << " twice";
    for (int n = 0; n < 130; ++n) {
        const bool drawn_otherwise = n == 70 || (n >= 85 && n <= 88) || (n >= 120 && n <= 123);
        EXPECT_EQ(!drawn_otherwise, find_pose(n) != nullptr) << "pose " << n;
    }
}

TEST(OrdinaryColours, NudgesEveryReservedColourButKeepsBlackAndBlue) {
    const Rgb reserved[] = {key::head,          key::eyes,          key::cape,    key::sword,
                            key::sword_on_body, key::sword_on_cape, key::special, key::safe,
                            key::bloodbody,     key::waterbody,     key::glow1,   key::glow2,
                            key::glow3,         key::glow4,         key::white};
    Canvas c(17, 1, key::transparent);
    for (int i = 0; i < 15; ++i)
        c.set(i, 0, reserved[i]);
    c.set(15, 0, key::body);
    make_ordinary(c, true);
    for (int i = 0; i < 15; ++i) {
        EXPECT_FALSE(key::is_reserved(c.get(i, 0)) || c.get(i, 0) == key::white) << i;
        EXPECT_FALSE(c.get(i, 0) == key::transparent || c.get(i, 0) == key::body) << i;
    }
    EXPECT_TRUE(c.get(15, 0) == key::body);
    EXPECT_TRUE(c.get(16, 0) == key::transparent);
    make_ordinary(c, false);
    EXPECT_EQ(0, count(c, key::transparent)) << "opaque pictures lose their pure blue";
}

TEST(Scenery, NoiseTilesSoLayersJoinSeamlessly) {
    const Noise1D n(42, 800, 5);
    for (double x : {0.0, 13.5, 400.0, 799.0}) {
        EXPECT_NEAR(n.at(x), n.at(x + 800), 1e-9);
        EXPECT_LE(std::abs(n.at(x)), 1.0);
    }
    EXPECT_NE(n.at(0), n.at(200));
}

TEST(Burning, FlamesAndAshNeverUseAKeyColour) {
    Canvas c = draw_figure(standing(), fighter_look());
    std::set<std::uint32_t> before;
    for (const Rgb& p : c.data())
        before.insert(p.r << 16 | p.g << 8 | p.b);
    set_ablaze(c, 1.0, 0.5, 7);
    for (const Rgb& p : c.data())
        if (!before.count(p.r << 16 | p.g << 8 | p.b)) {
            EXPECT_FALSE(key::is_reserved(p) || p == key::white);
        }
    const Canvas heap = draw_ash_heap(0.5, 0.5, 9);
    for (const Rgb& p : heap.data())
        EXPECT_FALSE(key::is_reserved(p) || p == key::white);
    for (int x = 0; x < heap.width(); ++x)
        EXPECT_TRUE(heap.get(x, scratch::oy) == key::transparent);
}

} // namespace
