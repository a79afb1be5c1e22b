#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/Coord.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Frame.h"
#include "sprites/Sprite.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

namespace {

const Coord SCREEN(320, 240);

// A picture of one colour, or of two colours (left half, right half), written as a file
// the sprite loader reads; IMG_Load tells the format by content, not by name.
std::string write_picture(const std::string& folder, const std::string& name, Coord size,
                          Uint32 left, Uint32 right) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, size.x, size.y, 32, 0x00ff0000,
                                          0x0000ff00, 0x000000ff, 0);
    SDL_Rect l = {0, 0, static_cast<Uint16>(size.x / 2), static_cast<Uint16>(size.y)};
    SDL_Rect r = {static_cast<Sint16>(size.x / 2), 0, static_cast<Uint16>(size.x - size.x / 2),
                  static_cast<Uint16>(size.y)};
    SDL_FillRect(s, &l, left);
    SDL_FillRect(s, &r, right);
    const std::string path = folder + "/" + name + ".png";
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

// Colour of plain sprite n in the fixture sheet: distinct per picture.
Uint32 sheet_colour(int n) { return Pixel::make(200, n, 0); }

class ParticleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Graphics::start(SCREEN, 0, false);
        Pixel::start();
        char folder_template[] = "/tmp/ironvale-particle-test.XXXXXX";
        folder = mkdtemp(folder_template);
        // 2x2 pictures anchored on their centre, so that drawing at p covers p.
        for (int n = 0; n < SpriteSheet::BASE_SPRITES; ++n) {
            const Uint32 c = sheet_colour(n);
            const std::string path = write_picture(folder, Utility::str(n), Coord(2, 2), c, c);
            SpriteSheet::base.push_back(new Sprite(path, 1, 1));
            std::remove(path.c_str());
        }
    }
    static void TearDownTestSuite() {
        Particle::start();
        for (Sprite* s : SpriteSheet::base) delete s;
        SpriteSheet::base.clear();
        rmdir(folder.c_str());
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
    static bool screen_is_black() {
        for (int y = 0; y < SCREEN.y; ++y)
            for (int x = 0; x < SCREEN.x; ++x)
                if (at(Coord(x, y)) != Pixel::black) return false;
        return true;
    }
    static int size(ThingDB& list) {
        int n = 0;
        for (list.reiterate(); list.current(); list.next()) ++n;
        return n;
    }
    // An animation of the fixture sheet from the given pictures, stopping at its end.
    Frame* chain(const std::vector<int>& pictures) {
        Frame* first = nullptr;
        for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
            first = new Frame(*it, first);
            frames.push_back(first);
        }
        return first;
    }
    // Runs a still particle showing `anim` and returns the picture drawn in each frame.
    std::vector<int> shown(Frame* anim, int runs, Particle& p) {
        p.make_animation(anim);
        std::vector<int> pictures;
        for (int i = 0; i < runs && p.alive; ++i) {
            Graphics::screen->fill(Pixel::black);
            p.run();
            int picture = -1;
            for (int n = 0; n < SpriteSheet::BASE_SPRITES; ++n)
                if (at(p.pos) == sheet_colour(n)) picture = n;
            pictures.push_back(picture);
        }
        return pictures;
    }

    static std::string folder;
    std::vector<Frame*> frames;
};

std::string ParticleTest::folder;

TEST_F(ParticleTest, MovesByLastVelocityThenFallsDrawingTwoRandomNumbers) {
    std::srand(42);
    std::rand();
    std::rand();
    const int third = std::rand();
    std::srand(42);
    Particle p(Coord(10, 10), Coord(3, -2), 1);
    p.run();
    EXPECT_EQ(p.pos, Coord(13, 8));
    EXPECT_EQ(p.vel, Coord(3, -1));
    EXPECT_EQ(std::rand(), third);
}

TEST_F(ParticleTest, JitterIsDrawnXThenYAndClamped) {
    std::srand(7);
    const int nx = std::rand() % 5 - 2;
    const int ny = std::rand() % 7 - 3;
    std::srand(7);
    Particle p(Coord(50, 50), Coord(0, 0), 2);
    p.add_jitter(Coord(2, 3));
    p.run();
    EXPECT_EQ(p.vel, Coord(nx, ny + 2));

    Particle wild(Coord(50, 50), Coord(0, 0), 0);
    wild.add_jitter(Coord(100, 100));
    wild.persist();
    bool reached_limit = false;
    for (int i = 0; i < 50; ++i) {
        const Coord before = wild.vel;
        wild.run();
        EXPECT_LE(std::abs(wild.vel.x - before.x), 20);
        EXPECT_LE(std::abs(wild.vel.y - before.y), 20);
        reached_limit = reached_limit || std::abs(wild.vel.x - before.x) == 20;
    }
    EXPECT_TRUE(reached_limit);
}

TEST_F(ParticleTest, TerminalVelocityLimitsOnlyDownwardSpeed) {
    Particle drop(Coord(50, 0), Coord(0, 19), 3);
    drop.add_terminal_velocity(20);
    drop.run();
    EXPECT_EQ(drop.vel.y, 20);
    drop.run();
    EXPECT_EQ(drop.vel.y, 20);

    Particle unlimited(Coord(50, 0), Coord(0, 19), 3);
    unlimited.run();
    EXPECT_EQ(unlimited.vel.y, 22);

    // A negative limit makes a rising particle keep rising at that speed.
    Particle flame(Coord(50, 200), Coord(0, -7), 1);
    flame.add_terminal_velocity(-5);
    flame.run();
    EXPECT_EQ(flame.vel.y, -6);
    flame.run();
    EXPECT_EQ(flame.vel.y, -5);
    flame.run();
    EXPECT_EQ(flame.vel.y, -5);
}

TEST_F(ParticleTest, BouncesWithHalfSpeedThenComesToRest) {
    Level::FLOOR_HEIGHT = 100;
    Particle p(Coord(50, 92), Coord(0, 8), 1);
    p.add_bounce();
    p.run();
    // At the floor with vel.y 9 after gravity: 1 + 4 < 9, so it rebounds.
    EXPECT_EQ(p.pos.y, 100);
    EXPECT_EQ(p.vel.y, -4);
    EXPECT_TRUE(p.bouncing());

    // Truncation towards zero: 5 rebounds as -2.
    Particle five(Coord(50, 120), Coord(0, 4), 1);
    five.add_bounce();
    five.run();
    EXPECT_EQ(five.vel.y, -2);

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

TEST_F(ParticleTest, NoBounceAboveTheFloorWhileRisingOrWhenNotSet) {
    Level::FLOOR_HEIGHT = 100;
    Particle above(Coord(50, 80), Coord(0, 8), 1);
    above.add_bounce();
    above.run();
    EXPECT_EQ(above.vel.y, 9);

    Particle rising(Coord(50, 120), Coord(0, -8), 1);
    rising.add_bounce();
    rising.run();
    EXPECT_EQ(rising.vel.y, -7);
    EXPECT_TRUE(rising.bouncing());

    Particle plain(Coord(50, 100), Coord(0, 8), 1);
    plain.run();
    EXPECT_EQ(plain.vel.y, 9);
}

TEST_F(ParticleTest, DragSlowsHorizontallyEveryFrame) {
    Particle p(Coord(50, 50), Coord(5, 0), 0);
    p.add_x_drag(2);
    p.run();
    EXPECT_EQ(p.vel.x, 2);
    p.run();
    EXPECT_EQ(p.vel.x, 0);
    EXPECT_EQ(p.pos.x, 57);
}

TEST_F(ParticleTest, LifespanOneRunsAndDrawsOnceThenLeavesItsList) {
    Particle* p = new Particle(Coord(40, 40), Coord(0, 0), 0);
    p->make_pixel(Pixel::white);
    p->add_lifespan(1);
    p->put_foreground();
    Particle::foreground.run();
    EXPECT_EQ(at(Coord(40, 40)), Pixel::white);
    EXPECT_EQ(size(Particle::foreground), 0);

    Particle* q = new Particle(Coord(40, 40), Coord(0, 0), 0);
    q->add_lifespan(3);
    q->put_background();
    Particle::background.run();
    Particle::background.run();
    EXPECT_EQ(size(Particle::background), 1);
    Particle::background.run();
    EXPECT_EQ(size(Particle::background), 0);
}

TEST_F(ParticleTest, DiesMoreThanAHundredPixelsOffScreenUnlessPersistent) {
    const int w = SCREEN.x;
    const int h = SCREEN.y;
    struct Case {
        Coord pos;
        bool dies;
    };
    const Case cases[] = {{Coord(w + 100, 10), false}, {Coord(w + 101, 10), true},
                          {Coord(-100, 10), false},    {Coord(-101, 10), true},
                          {Coord(10, -101), true},     {Coord(10, h + 100), false},
                          {Coord(10, h + 101), true}};
    for (const Case& c : cases) {
        Particle p(c.pos, Coord(0, 0), 0);
        p.run();
        EXPECT_EQ(p.alive, !c.dies) << c.pos.x << "," << c.pos.y;
    }
    Particle far(Coord(w + 5000, -5000), Coord(0, 0), 0);
    far.persist();
    far.run();
    EXPECT_TRUE(far.alive);
}

TEST_F(ParticleTest, FacingFollowsTheSignOfVelocityAndIsKeptAtZero) {
    Particle p(Coord(50, 50), Coord(-2, 0), 0);
    p.run();
    EXPECT_TRUE(p.flipped);
    p.vel.x = 0;
    p.run();
    EXPECT_TRUE(p.flipped);
    p.vel.x = 3;
    p.run();
    EXPECT_FALSE(p.flipped);
    p.vel.x = 0;
    p.run();
    EXPECT_FALSE(p.flipped);
}

TEST_F(ParticleTest, LooklessParticleMovesButDrawsNothing) {
    Particle p(Coord(50, 50), Coord(2, 1), 0);
    p.run();
    EXPECT_EQ(p.pos, Coord(52, 51));
    EXPECT_TRUE(screen_is_black());
}

TEST_F(ParticleTest, DotIsATwoByTwoBoxAtThePosition) {
    Particle p(Coord(30, 20), Coord(0, 0), 0);
    p.make_pixel(Pixel::white);
    p.run();
    for (int y = 19; y <= 22; ++y)
        for (int x = 29; x <= 32; ++x) {
            const bool inside = x >= 30 && x <= 31 && y >= 20 && y <= 21;
            EXPECT_EQ(at(Coord(x, y)), inside ? Pixel::white : Pixel::black) << x << "," << y;
        }
}

TEST_F(ParticleTest, SpriteComesFirstAndIsMirroredWhenFlipped) {
    const Uint32 left = Pixel::make(10, 200, 10);
    const Uint32 right = Pixel::make(10, 10, 200);
    const std::string path = write_picture(folder, "two", Coord(4, 2), left, right);
    Sprite picture(path, 2, 0);
    std::remove(path.c_str());

    Particle p(Coord(60, 60), Coord(0, 0), 0);
    p.make_pixel(Pixel::white);
    p.make_sprite(&picture);
    p.run();
    EXPECT_EQ(at(Coord(58, 60)), left);
    EXPECT_EQ(at(Coord(61, 60)), right);

    Graphics::screen->fill(Pixel::black);
    Particle q(Coord(60, 60), Coord(-1, 0), 0);
    q.make_sprite(&picture);
    q.run();
    EXPECT_EQ(at(Coord(57, 60)), right);
    EXPECT_EQ(at(Coord(60, 60)), left);
}

TEST_F(ParticleTest, HoldTimesOfThePlainAnimations) {
    for (int n : {1, 4, 5, 10, 11, 16, 17, 20, 21, 28, 40, 62})
        EXPECT_EQ(Particle::hold_time(n), 4) << n;
    for (int n : {22, 27, 41, 45, 49}) EXPECT_EQ(Particle::hold_time(n), 2) << n;
    for (int n : {50, 55, 61}) EXPECT_EQ(Particle::hold_time(n), 1) << n;
}

TEST_F(ParticleTest, AnimationHoldsEachPictureThenAOneShotEnds) {
    Particle burst(Coord(80, 80), Coord(0, 0), 0);
    EXPECT_EQ(shown(chain({22, 23}), 10, burst), (std::vector<int>{22, 22, 23, 23}));
    EXPECT_FALSE(burst.alive);
    EXPECT_EQ(burst.animation, nullptr);

    Particle cloud(Coord(80, 80), Coord(0, 0), 0);
    EXPECT_EQ(shown(chain({5, 6}), 10, cloud), (std::vector<int>{5, 5, 5, 5, 6, 6, 6, 6}));

    Particle flame(Coord(80, 80), Coord(0, 0), 0);
    EXPECT_EQ(shown(chain({50, 51, 52}), 10, flame), (std::vector<int>{50, 51, 52}));
    EXPECT_FALSE(flame.alive);
}

TEST_F(ParticleTest, LoopingAnimationNeverEnds) {
    Frame* bolt = chain({1, 2});
    bolt->loop();
    Particle p(Coord(80, 80), Coord(0, 0), 0);
    const std::vector<int> pictures = shown(bolt, 20, p);
    EXPECT_EQ(pictures.size(), 20u);
    EXPECT_EQ(pictures[16], 1);
    EXPECT_EQ(pictures[19], 1);
    EXPECT_TRUE(p.alive);
}

TEST_F(ParticleTest, ListsTakeParticlesAtTheHeadAndStartEmptiesThem) {
    Particle* older = new Particle(Coord(10, 10), Coord(0, 0), 0);
    Particle* newer = new Particle(Coord(10, 10), Coord(0, 0), 0);
    older->put_foreground();
    newer->put_foreground();
    (new Particle(Coord(10, 10), Coord(0, 0), 0))->put_background();
    Particle::foreground.reiterate();
    EXPECT_EQ(Particle::foreground.current(), newer);
    EXPECT_EQ(size(Particle::foreground), 2);
    EXPECT_EQ(size(Particle::background), 1);
    Particle::start();
    EXPECT_EQ(size(Particle::foreground), 0);
    EXPECT_EQ(size(Particle::background), 0);
}

} // namespace
