#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Drawings.h"
#include "core/Utility.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Thing.h"

using drawings::Rows;

namespace {

struct Expected {
    const char* name;
    Frame* const* first;
    std::vector<int> pictures;
    int attack_at;  // index of the frame with an attack, or -1
    AttackType attack;
    bool loops;
    int delay;
};

// The catalogue as the game's design lists it.
const std::vector<Expected>& agent_animations() {
    static const std::vector<Expected> list = {
        {"idle", &Animation::idle, {0, 8, 9, 8}, -1, ATK_NONE, false, 10},
        {"talk", &Animation::talk, {90, 91, 92, 91}, -1, ATK_NONE, true, 10},
        {"walk", &Animation::walk, {1, 2, 3, 4, 5, 6}, -1, ATK_NONE, true, 4},
        {"block", &Animation::block, {11, 10}, -1, ATK_NONE, false, 5},
        {"atk1", &Animation::atk1, {12, 124, 125, 13, 14, 13, 12}, 4, ATK_SLASH, false, 4},
        {"jump", &Animation::jump, {1, 15, 12}, -1, ATK_NONE, false, 2},
        {"airborn", &Animation::airborn, {16}, -1, ATK_NONE, true, 4},
        {"landing", &Animation::landing, {15, 1}, -1, ATK_NONE, false, 4},
        {"turning", &Animation::turning, {18, 18}, -1, ATK_NONE, false, 5},
        {"airatk", &Animation::airatk, {19, 20, 21}, 2, ATK_AIR_SLASH, false, 5},
        {"airblock", &Animation::airblock, {54, 55}, -1, ATK_NONE, false, 5},
        {"bolting", &Animation::bolting, {25, 26, 27, 28, 29, 15}, 4, ATK_FIREBOLT, false, 2},
        {"rollstart", &Animation::rollstart, {7, 30, 31, 32}, -1, ATK_NONE, false, 3},
        {"rollend", &Animation::rollend, {32, 31, 30, 7}, -1, ATK_NONE, false, 3},
        {"rolling", &Animation::rolling, {33, 34, 35}, -1, ATK_NONE, false, 4},
        {"summoning", &Animation::summoning, {97, 96, 95}, 2, ATK_SUMMON, false, 4},
        {"airturn", &Animation::airturn, {36, 36}, -1, ATK_NONE, false, 4},
        {"atk2", &Animation::atk2, {10, 38, 39, 40, 41, 42, 126, 43, 44, 45, 46, 47}, 9, ATK_LUNGE,
         false, 4},
        {"stun", &Animation::stun, {7}, -1, ATK_NONE, false, 5},
        {"airbolting", &Animation::airbolting, {58, 59, 60, 61, 62, 15}, 4, ATK_FIREBOLT, false, 4},
        {"fireshield", &Animation::fireshield, {64, 65, 66, 67, 68, 69}, 2, ATK_FIRESHIELD, false,
         4},
        {"teleport", &Animation::teleport, {70}, -1, ATK_NONE, false, 50},
        {"stomping", &Animation::stomping, {37, 22, 23, 71}, 3, ATK_SLASH, false, 3},
        {"burn", &Animation::burn, {80, 81, 82, 83, 84, 85, 86, 87, 88}, -1, ATK_NONE, false, 5},
        {"lightning", &Animation::lightning, {12, 13, 119, 13, 12}, 2, ATK_LIGHTNING, false, 4},
        {"death1", &Animation::death1, {72, 73, 74, 75, 76}, -1, ATK_NONE, false, 5},
        {"death2", &Animation::death2, {30, 31, 32, 33, 34, 35}, -1, ATK_NONE, false, 4},
        {"corpse1", &Animation::corpse1, {109}, -1, ATK_NONE, true, 4},
        {"corpse2", &Animation::corpse2, {98}, -1, ATK_NONE, true, 4},
        {"twitch1", &Animation::twitch1, {77, 78}, -1, ATK_NONE, false, 1},
        {"twitch2", &Animation::twitch2, {99, 100, 101}, -1, ATK_NONE, false, 4},
        {"behead1", &Animation::behead1, {48}, -1, ATK_NONE, false, 80},
        {"behead2", &Animation::behead2, {49, 50, 51, 52, 53}, -1, ATK_NONE, false, 8},
        {"behead_corpse", &Animation::behead_corpse, {79}, -1, ATK_NONE, true, 4},
        {"dismember1", &Animation::dismember1, {102, 103}, -1, ATK_NONE, false, 8},
        {"dismember2", &Animation::dismember2, {104, 105}, -1, ATK_NONE, false, 1},
        {"dismember3", &Animation::dismember3, {106, 107, 108}, -1, ATK_NONE, false, 8},
        {"dismember_corpse", &Animation::dismember_corpse, {108}, -1, ATK_NONE, true, 4},
        {"bolt_death", &Animation::bolt_death, {110, 111, 112, 113, 114}, -1, ATK_NONE, false, 4},
        {"fire_death", &Animation::fire_death, {116, 117, 118, 113, 114}, -1, ATK_NONE, false, 4},
        {"burned_corpse", &Animation::burned_corpse, {115}, -1, ATK_NONE, true, 4},
    };
    return list;
}

const std::vector<Expected>& plain_animations() {
    static const std::vector<Expected> list = {
        {"bolt", &Animation::bolt, {1, 2, 3, 4}, -1, ATK_NONE, true, 4},
        {"cloud", &Animation::cloud, {5, 6, 7, 8, 9, 10}, -1, ATK_NONE, false, 4},
        {"fire", &Animation::fire, {11, 12, 13, 14, 15, 16}, -1, ATK_NONE, false, 4},
        {"rubble", &Animation::rubble, {17, 18, 19, 20}, -1, ATK_NONE, true, 4},
        {"bolt_hit", &Animation::bolt_hit, {22, 23, 24, 25, 26, 27}, -1, ATK_NONE, false, 4},
        {"waterbomb", &Animation::waterbomb, {41, 42, 43, 44, 45}, -1, ATK_NONE, false, 4},
        {"deathburst", &Animation::deathburst, {46, 47, 48, 49}, -1, ATK_NONE, false, 4},
        {"hellfire", &Animation::hellfire, {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61}, -1,
         ATK_NONE, false, 4},
    };
    return list;
}

// The frames of a chain, first to last.
std::vector<Frame*> frames_of(Frame* first) {
    std::vector<Frame*> frames;
    for (Frame* f = first; f && frames.size() < 100; f = f->peek_next()) {
        frames.push_back(f);
        if (f->peek_next() == first) break;
    }
    return frames;
}

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override { Animation::start(); }
    void TearDown() override { Animation::end(); }
};

void check_chain(const Expected& e, bool agent) {
    SCOPED_TRACE(e.name);
    Frame* first = *e.first;
    ASSERT_NE(first, nullptr);
    const std::vector<Frame*> frames = frames_of(first);
    ASSERT_EQ(frames.size(), e.pictures.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i]->sprite_index, e.pictures[i]) << "frame " << i;
        const AgentFrame* posed = dynamic_cast<const AgentFrame*>(frames[i]);
        EXPECT_EQ(posed != nullptr, agent) << "frame " << i;
        if (posed) {
            const AttackType wanted = static_cast<int>(i) == e.attack_at ? e.attack : ATK_NONE;
            EXPECT_EQ(posed->attack_type, wanted) << "frame " << i;
        }
    }
    EXPECT_EQ(frames.back()->peek_next(), e.loops ? first : nullptr);
}

TEST_F(AnimationTest, EveryAnimationHasItsPicturesAttacksEndingAndDelaysAndOwnFrames) {
    std::set<Frame*> seen;
    size_t total = 0;
    for (const auto* list : {&agent_animations(), &plain_animations()})
        for (const Expected& e : *list) {
            check_chain(e, list == &agent_animations());
            EXPECT_EQ(Animation::frame_delay(*e.first), e.delay) << e.name;
            EXPECT_EQ(Animation::frames_til_attack(*e.first), e.attack_at) << e.name;
            const std::vector<Frame*> frames = frames_of(*e.first);
            total += frames.size();
            seen.insert(frames.begin(), frames.end());
        }
    EXPECT_EQ(seen.size(), total);
    EXPECT_EQ(agent_animations().size() + plain_animations().size(), 49u);
}

TEST_F(AnimationTest, SteppingGoesToTheSuccessorStopsAtTheEndOrLoops) {
    Thing thing;
    const std::vector<Frame*> atk1 = frames_of(Animation::atk1);
    EXPECT_EQ(atk1[3]->get_next(&thing, false), atk1[4]);
    EXPECT_EQ(atk1.back()->get_next(&thing, true), nullptr);
    EXPECT_EQ(frames_of(Animation::walk).back()->get_next(&thing, false), Animation::walk);
    EXPECT_EQ(frames_of(Animation::cloud).back()->get_next(&thing, false), nullptr);
    EXPECT_EQ(frames_of(Animation::bolt).back()->get_next(&thing, true), Animation::bolt);
    EXPECT_EQ(Animation::airborn->get_next(&thing, false), Animation::airborn);
    // Only first frames are named: from the middle of a swing the default delay applies, and
    // the count runs from the frame given.
    EXPECT_EQ(Animation::frame_delay(atk1[1]), 4);
    EXPECT_EQ(Animation::frame_delay(Animation::idle->peek_next()), 4);
    EXPECT_EQ(Animation::frames_til_attack(atk1[1]), 3);
    EXPECT_EQ(Animation::frames_til_attack(nullptr), -1);
}

TEST(AnimationLifecycle, EndFreesTheCatalogueAndStartRebuildsIt) {
    Animation::start();
    Animation::end();
    for (const auto* list : {&agent_animations(), &plain_animations()})
        for (const Expected& e : *list) EXPECT_EQ(*e.first, nullptr) << e.name;
    // Without a catalogue no frame is named: the default delay.
    EXPECT_EQ(Animation::frame_delay(nullptr), 4);
    Animation::start();
    Animation::start();
    EXPECT_EQ(frames_of(Animation::walk).size(), 6u);
    Animation::end();
    Animation::end();
}

// Frames drawn and attack points placed with a small sprite table made by the test.
class FrameDrawingTest : public drawings::FolderTest {
protected:
    void SetUp() override {
        drawings::FolderTest::SetUp();
        Animation::start();
        SpriteSheet::agent.assign(SpriteSheet::AGENT_SPRITES, nullptr);
        SpriteSheet::base.assign(SpriteSheet::BASE_SPRITES, nullptr);
    }
    void TearDown() override {
        SpriteSheet::end();
        Animation::end();
        drawings::FolderTest::TearDown();
    }
};

// A 40 x 30 pose (anchor (20, 30)) for picture n with attack points at the given places,
// shown by the frame at `index` of `anim`.
AgentFrame* pose_with_points(int n, const std::vector<Coord>& points, Frame* anim, size_t index) {
    Rows pose = drawings::blank(40, 30, Pixel::transparent);
    for (const Coord& p : points) pose[p.y][p.x] = Pixel::special;
    drawings::save(pose, Utility::str(n) + ".png");
    SpriteSheet::agent[n] = new AgentSprite(Utility::str(n) + ".png");
    AgentFrame* frame = static_cast<AgentFrame*>(frames_of(anim)[index]);
    EXPECT_EQ(frame->sprite_index, n);
    return frame;
}

TEST_F(FrameDrawingTest, AttackPointsAreMirroredAboutTheAnchorOfThePose) {
    AgentFrame* slash = pose_with_points(14, {Coord(30, 10), Coord(35, 12)}, Animation::atk1, 4);
    const std::vector<Coord> right = slash->attack_positions(Coord(100, 500), false);
    EXPECT_EQ(right, (std::vector<Coord>{Coord(110, 480), Coord(115, 482)}));
    EXPECT_EQ(slash->attack_positions(Coord(100, 500), true),
              (std::vector<Coord>{Coord(90, 480), Coord(85, 482)}));
    // Points left of the centre, and on it, mirror alike.
    const AgentFrame* cast =
        pose_with_points(119, {Coord(5, 10), Coord(20, 10)}, Animation::lightning, 2);
    EXPECT_EQ(cast->attack_positions(Coord(100, 500), false),
              (std::vector<Coord>{Coord(85, 480), Coord(100, 480)}));
    EXPECT_EQ(cast->attack_positions(Coord(100, 500), true),
              (std::vector<Coord>{Coord(115, 480), Coord(100, 480)}));

    // Facing right they are where the marked pixels appear on the screen.
    Thing fighter(Coord(100, 500));
    Graphics::screen->fill(Pixel::white);
    slash->draw(&fighter, VARIANT_SHEET, false, 0);
    for (const Coord& p : right) EXPECT_EQ(Graphics::screen->get_pixel(p), Pixel::special);
}

TEST_F(FrameDrawingTest, FramesDrawTheirPictureWithShiftAndVariant) {
    const Uint32 five = Pixel::make(5, 50, 5);
    const Uint32 six = Pixel::make(6, 60, 6);
    for (const auto& [n, colour] : {std::pair<int, Uint32>{5, five}, {6, six}}) {
        drawings::save(drawings::blank(2, 2, colour), Utility::str(n) + ".png");
        SpriteSheet::base[n] = new Sprite(Utility::str(n) + ".png");
    }
    Rows pose = drawings::blank(4, 4, Pixel::black);
    pose[0][0] = Pixel::cape;
    drawings::save(pose, "1.png");
    SpriteSheet::agent[1] = new AgentSprite("1.png");

    Thing thing(Coord(300, 300));
    Image* screen = Graphics::screen;
    screen->fill(Pixel::white);
    Animation::cloud->draw(&thing, false);
    EXPECT_EQ(screen->get_pixel(Coord(300, 300)), five);
    Animation::cloud->draw(&thing, VARIANT_SHEET, false, 1);
    EXPECT_EQ(screen->get_pixel(Coord(300, 300)), six);

    // walk starts on pose 1, anchored bottom centre: its top-left pixel (the cape) lands
    // at (298, 296); in the cyan-cape skin it is cyan, and mirrored it moves to (301, 296).
    Animation::walk->draw(&thing, VARIANT_CYAN_CAPE, false, 0);
    EXPECT_EQ(screen->get_pixel(Coord(298, 296)), Pixel::make(0, 255, 255));
    screen->fill(Pixel::white);
    Animation::walk->draw(&thing, true);
    EXPECT_EQ(screen->get_pixel(Coord(301, 296)), Pixel::cape);
    EXPECT_EQ(screen->get_pixel(Coord(298, 296)), Pixel::black);
}

} // namespace
