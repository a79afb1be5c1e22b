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

using A = Animation;

// Every named animation; agent animations are posed frames, the others plain pictures.
Frame* const* const AGENT_ANIMATIONS[] = {
    &A::idle,     &A::talk,       &A::walk,          &A::block,      &A::atk1,
    &A::jump,     &A::airborn,    &A::landing,       &A::turning,    &A::airatk,
    &A::airblock, &A::bolting,    &A::rollstart,     &A::rollend,    &A::rolling,
    &A::summoning, &A::airturn,   &A::atk2,          &A::stun,       &A::airbolting,
    &A::fireshield, &A::teleport, &A::stomping,      &A::burn,       &A::lightning,
    &A::death1,   &A::death2,     &A::corpse1,       &A::corpse2,    &A::twitch1,
    &A::twitch2,  &A::behead1,    &A::behead2,       &A::behead_corpse, &A::dismember1,
    &A::dismember2, &A::dismember3, &A::dismember_corpse, &A::bolt_death, &A::fire_death,
    &A::burned_corpse};
Frame* const* const PLAIN_ANIMATIONS[] = {&A::bolt,     &A::cloud,      &A::fire,
                                          &A::rubble,   &A::bolt_hit,   &A::waterbomb,
                                          &A::deathburst, &A::hellfire, &A::leaf};

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

// Each chain is whole and its own; posed frames carry at most one attack, where
// frames_til_attack finds it.
TEST_F(AnimationTest, EveryAnimationIsAChainOfItsOwnWithItsAttackAndPace) {
    std::set<Frame*> seen;
    size_t total = 0;
    std::vector<std::pair<Frame* const*, bool>> all;
    for (Frame* const* named : AGENT_ANIMATIONS) all.push_back({named, true});
    for (Frame* const* named : PLAIN_ANIMATIONS) all.push_back({named, false});
    for (const auto& [named, agent] : all) {
        ASSERT_NE(*named, nullptr);
        const std::vector<Frame*> frames = frames_of(*named);
        int attack_at = -1;
        for (size_t i = 0; i < frames.size(); ++i) {
            const AgentFrame* posed = dynamic_cast<const AgentFrame*>(frames[i]);
            EXPECT_EQ(posed != nullptr, agent) << frames[i]->sprite_index;
            if (!posed || posed->attack_type == ATK_NONE) continue;
            EXPECT_EQ(attack_at, -1) << "a second attack in one animation";
            attack_at = static_cast<int>(i);
        }
        EXPECT_EQ(Animation::frames_til_attack(*named), attack_at);
        total += frames.size();
        seen.insert(frames.begin(), frames.end());
    }
    EXPECT_EQ(seen.size(), total);
    // Talking keeps the standing pace: a speech does not make the fighters fidget.
    EXPECT_EQ(Animation::frame_delay(A::talk), Animation::frame_delay(A::idle));
    EXPECT_GT(Animation::frame_delay(A::idle), Animation::frame_delay(A::walk));
    // The swings strike where the fighting is tuned for.
    EXPECT_EQ(Animation::frames_til_attack(A::atk1), 4);
    EXPECT_EQ(Animation::frames_til_attack(A::atk2), 9);
}

// Only first frames are named: from the middle of a swing the default delay applies, and
// the count to the attack runs from the frame given. (Which chains loop, the fighters'
// deaths and the bolts show.)
TEST_F(AnimationTest, TheMiddleOfAChainIsUnnamed) {
    const std::vector<Frame*> atk1 = frames_of(Animation::atk1);
    EXPECT_EQ(Animation::frame_delay(atk1[1]), 4);
    EXPECT_EQ(Animation::frame_delay(Animation::idle->peek_next()), 4);
    EXPECT_EQ(Animation::frames_til_attack(atk1[1]), 3);
    EXPECT_EQ(Animation::frames_til_attack(nullptr), -1);
}

TEST(AnimationLifecycle, EndFreesTheCatalogueAndStartRebuildsIt) {
    Animation::start();
    Animation::end();
    for (Frame* const* named : AGENT_ANIMATIONS) EXPECT_EQ(*named, nullptr);
    for (Frame* const* named : PLAIN_ANIMATIONS) EXPECT_EQ(*named, nullptr);
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
