#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Drawings.h"
#include "core/Random.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Frame.h"
#include "sprites/Sprite.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

namespace {

const Coord SCREEN(320, 240);

// Colour of plain sprite n in the fixture sheet: distinct per picture.
Uint32 sheet_colour(int n) { return Pixel::make(200, n, 0); }

class ParticleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Graphics::start(SCREEN, 0, false);
        Pixel::start();
        TempDataFolder folder;
        // 2x2 pictures anchored on their centre, so that drawing at p covers p.
        for (int n = 0; n < SpriteSheet::BASE_SPRITES; ++n) {
            drawings::save(drawings::blank(2, 2, sheet_colour(n)), Utility::str(n));
            SpriteSheet::base.push_back(new Sprite(Utility::str(n), 1, 1));
        }
    }
    static void TearDownTestSuite() {
        Particle::start();
        for (Sprite* s : SpriteSheet::base) delete s;
        SpriteSheet::base.clear();
        Graphics::end();
    }
    void SetUp() override {
        Particle::start();
        Graphics::screen->fill(Pixel::black);
    }
    void TearDown() override {
        Particle::start();
        Level::FLOOR_HEIGHT = 500;
        for (Frame* f : frames) delete f;
    }

    static Uint32 at(Coord p) {
        Graphics::screen->open();
        const Uint32 c = Graphics::screen->get_pixel(p);
        Graphics::screen->close();
        return c;
    }
    static int size(ThingDB& list) {
        int n = 0;
        for (list.reiterate(); list.current(); list.next()) ++n;
        return n;
    }
    // An animation of the fixture sheet from the given pictures, stopping at its end.
    Frame* chain(const std::vector<int>& pictures) {
        Frame* first = nullptr;
        for (auto it = pictures.rbegin(); it != pictures.rend(); ++it)
            frames.push_back(first = new Frame(*it, first));
        return first;
    }
    // Runs a still particle showing `anim` and returns the picture drawn in each frame.
    std::vector<int> shown(Frame* anim, int runs, Particle& p) {
        p.make_animation(anim);
        std::vector<int> pictures;
        for (int i = 0; i < runs && p.alive; ++i) {
            Graphics::screen->fill(Pixel::black);
            p.run();
            pictures.push_back(-1);
            for (int n = 0; n < SpriteSheet::BASE_SPRITES; ++n)
                if (at(p.pos) == sheet_colour(n)) pictures.back() = n;
        }
        return pictures;
    }

    std::vector<Frame*> frames;
};

// How a particle moves, falls and is limited the recorded fights show; drag stops it.
TEST_F(ParticleTest, DragSlowsAParticleToAStop) {
    Particle p(Coord(50, 100), Coord(5, 0), 0);
    p.add_x_drag(2);
    p.run();
    EXPECT_EQ(p.pos, Coord(55, 100));
    EXPECT_EQ(p.vel, Coord(2, 0));
    p.run();
    EXPECT_EQ(p.pos, Coord(57, 100));
    EXPECT_EQ(p.vel, Coord(0, 0));
}

// Two numbers a frame, with jitter or without: x's then y's; each clamped to 20.
TEST_F(ParticleTest, JitterIsDrawnXThenYAndClamped) {
    Random::seed(7);
    const int nx = Random::next() % 5 - 2;
    const int ny = Random::next() % 7 - 3;
    Random::next();
    Random::next();
    const int fifth = Random::next();
    Random::seed(7);
    Particle p(Coord(50, 50), Coord(0, 0), 2);
    p.add_jitter(Coord(2, 3));
    p.run();
    EXPECT_EQ(p.vel, Coord(nx, ny + 2));
    Particle(Coord(10, 10), Coord(3, -2), 1).run();
    EXPECT_EQ(Random::next(), fifth);

    Particle wild(Coord(50, 50), Coord(0, 0), 0);
    wild.add_jitter(Coord(100, 100));
    wild.persist();
    int largest = 0;
    for (int i = 0; i < 50; ++i) {
        const Coord before = wild.vel;
        wild.run();
        EXPECT_LE(std::abs(wild.vel.y - before.y), 20);
        largest = std::max(largest, std::abs(wild.vel.x - before.x));
    }
    EXPECT_EQ(largest, 20);
}

TEST_F(ParticleTest, BouncesWithHalfSpeedOnlyWhenFallingOntoTheFloorThenRests) {
    Level::FLOOR_HEIGHT = 100;
    // Start y, start vel.y, bounce set, then vel.y after one frame (gravity 1). At the floor
    // with vel.y 9: 1 + 4 < 9, it rebounds; 5 truncates towards zero to -2; above the floor,
    // rising or without bounce it just falls.
    struct Case {
        int y, vel_y;
        bool bounce;
        int after;
    };
    const Case cases[] = {{92, 8, true, -4}, {120, 4, true, -2}, {80, 8, true, 9},
                          {120, -8, true, -7}, {100, 8, false, 9}};
    for (const Case& c : cases) {
        Particle p(Coord(50, c.y), Coord(0, c.vel_y), 1);
        if (c.bounce) p.add_bounce();
        p.run();
        EXPECT_EQ(p.vel.y, c.after) << "from " << c.y << " at " << c.vel_y;
        EXPECT_EQ(p.bouncing(), c.bounce) << "from " << c.y << " at " << c.vel_y;
    }

    // vel.y 2 after gravity: 1 + 1 is not less than 2, so it rests below the line.
    Particle slow(Coord(50, 102), Coord(0, 1), 1);
    slow.add_bounce();
    slow.run();
    EXPECT_EQ(slow.vel.y, 0);
    EXPECT_EQ(slow.gravity, 0);
    EXPECT_FALSE(slow.bouncing());
    slow.run();
    EXPECT_EQ(slow.pos, Coord(50, 103));
    EXPECT_EQ(slow.vel.y, 0);
}

// Without a look nothing is drawn; a dot is a 2 x 2 box.
TEST_F(ParticleTest, LifespanOneRunsAndDrawsOnceThenLeavesItsListAndStartEmptiesBoth) {
    Particle(Coord(30, 20), Coord(0, 0), 0).run();
    EXPECT_EQ(at(Coord(30, 20)), Pixel::black);
    Particle* p = new Particle(Coord(40, 40), Coord(0, 0), 0);
    p->make_pixel(Pixel::white);
    p->add_lifespan(1);
    p->put_foreground();
    Particle::foreground.run();
    for (const Coord& c : {Coord(40, 40), Coord(41, 41), Coord(42, 40), Coord(40, 39)})
        EXPECT_EQ(at(c), c.x < 42 && c.y > 39 ? Pixel::white : Pixel::black) << c.x << "," << c.y;
    EXPECT_EQ(size(Particle::foreground), 0);

    // Counting a lifespan down also ends every swing; here the two lists keep apart.
    Particle* q = new Particle(Coord(40, 40), Coord(0, 0), 0);
    q->add_lifespan(1);
    q->put_background();
    (new Particle(Coord(40, 40), Coord(0, 0), 0))->put_foreground();
    Particle::background.run();
    EXPECT_EQ(size(Particle::background), 0);
    EXPECT_EQ(size(Particle::foreground), 1);
    Particle::start();
    EXPECT_EQ(size(Particle::foreground), 0);
}

// The picture mirrors about its anchor while the particle moves left, and stays so when it stops.
TEST_F(ParticleTest, SpriteComesFirstAndIsMirroredWhileFacingLeft) {
    const Uint32 left = Pixel::make(10, 200, 10);
    const Uint32 right = Pixel::make(10, 10, 200);
    TempDataFolder folder;
    drawings::save({{left, left, right, right}, {left, left, right, right}}, "two");
    Sprite picture("two", 2, 0);

    Particle p(Coord(60, 60), Coord(0, 0), 0);
    p.make_pixel(Pixel::white);
    p.make_sprite(&picture);
    const struct {
        int vel_x;
        bool mirrored;
    } steps[] = {{0, false}, {-1, true}, {0, true}, {1, false}};
    for (const auto& step : steps) {
        p.vel.x = step.vel_x;
        Graphics::screen->fill(Pixel::black);
        p.run();
        const int x = p.pos.x;
        EXPECT_EQ(at(Coord(x - 2, 60)), step.mirrored ? right : left) << step.vel_x;
        EXPECT_EQ(at(Coord(x + 1, 60)), step.mirrored ? left : right) << step.vel_x;
    }
}

TEST_F(ParticleTest, AnimationHoldsEachPictureAOneShotEndsAndALoopNeverDoes) {
    Particle burst(Coord(80, 80), Coord(0, 0), 0);
    EXPECT_EQ(shown(chain({22, 23}), 10, burst), (std::vector<int>{22, 22, 23, 23}));
    EXPECT_FALSE(burst.alive);
    EXPECT_EQ(burst.animation, nullptr);

    Particle cloud(Coord(80, 80), Coord(0, 0), 0);
    EXPECT_EQ(shown(chain({5, 6}), 10, cloud), (std::vector<int>{5, 5, 5, 5, 6, 6, 6, 6}));

    Particle flame(Coord(80, 80), Coord(0, 0), 0);
    EXPECT_EQ(shown(chain({50, 51, 52}), 10, flame), (std::vector<int>{50, 51, 52}));
    EXPECT_FALSE(flame.alive);

    Frame* bolt = chain({1, 2});
    bolt->loop();
    Particle spark(Coord(80, 80), Coord(0, 0), 0);
    const std::vector<int> pictures = shown(bolt, 20, spark);
    EXPECT_EQ(pictures.size(), 20u);
    EXPECT_EQ(pictures[16], 1);
    EXPECT_EQ(pictures[19], 1);
    EXPECT_TRUE(spark.alive);
}

} // namespace
