#include "FighterWorld.h"
#include "combat/AgentChild.h"
#include "combat/AgentWoman.h"
#include "combat/HealthMonitor.h"
#include "core/Image.h"

namespace {

const int FLOOR = 500;

class CivilianTest : public FighterWorld {
  protected:
    // Runs one frame of the agents on a screen cleared to a colour no picture uses and
    // tells whether anything was drawn.
    static bool frame_draws() {
        const Uint32 blank = Pixel::make(1, 2, 3);
        Image* screen = Graphics::screen;
        screen->fill(blank);
        frames(1);
        bool drawn = false;
        screen->open();
        for (int y = 0; y < screen->h() && !drawn; ++y)
            for (int x = 0; x < screen->w() && !drawn; ++x)
                drawn = screen->get_pixel(Coord(x, y)) != blank;
        screen->close();
        return drawn;
    }
};

// One hit point, and whatever kills them they die their own death, not a fighter's.
TEST_F(CivilianTest, AnyWoundKillsWithTheCivilianOwnDeath) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 2, false);
    AgentChild* child = new AgentChild(Coord(600, FLOOR), 2, true);
    const Sprite* standing = woman->pose;
    woman->wound(1, BEHEADED);
    child->wound(30, DISMEMBERED);
    EXPECT_FALSE(woman->alive);
    EXPECT_FALSE(child->alive);
    EXPECT_NE(woman->pose, standing);
    EXPECT_EQ(woman->frame, Animation::idle);
}

TEST_F(CivilianTest, CiviliansTalkOnTheFloor) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 0, false);
    AgentChild* child = new AgentChild(Coord(500, FLOOR - 200), 0, false);
    const Sprite* standing = woman->pose;
    woman->set_state(TALK);
    EXPECT_NE(woman->pose, standing);
    frames(30);
    EXPECT_EQ(woman->state, TALK);
    EXPECT_EQ(child->pos.y, FLOOR);
    child->set_state(AIRBORNE);
    EXPECT_TRUE(child->alive);
}

// Struck, a woman slides back until she vanishes; a child is thrown back and bursts, once.
TEST_F(CivilianTest, StruckCiviliansAreThrownBackThenVanish) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 2, true);
    woman->set_state(STUN);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_TRUE(frame_draws()) << "frame " << i;
        EXPECT_EQ(woman->pos.x, 300 + 4 * i);
    }
    EXPECT_FALSE(frame_draws());

    AgentChild* child = new AgentChild(Coord(300, FLOOR), 2, false);
    child->set_state(DYING);
    for (int i = 1; i <= 19; ++i) {
        EXPECT_TRUE(frame_draws()) << "frame " << i;
        EXPECT_EQ(child->pos.x, 300 - 10 * i);
    }
    EXPECT_EQ(count(Particle::foreground) + count(Particle::background), 0);
    EXPECT_FALSE(frame_draws());
    const int burst = count(Particle::foreground) + count(Particle::background);
    EXPECT_GT(burst, 0);
    frames(30);
    EXPECT_EQ(count(Particle::foreground) + count(Particle::background), burst);
}

TEST_F(CivilianTest, CiviliansTakePartInSearchesAndHitTests) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 2, false);
    Agent* hero = new Agent(VARIANT_WHITE_CAPE, 10, Coord(200, FLOOR), 1, false);
    EXPECT_EQ(hero->get_closest(Agent::F_ENEMY), woman);
    int body = 0;
    for (int y = FLOOR - 100; y < FLOOR; ++y)
        for (int x = 250; x < 350; ++x)
            body += woman->collide(Coord(x, y)) == 2;
    EXPECT_GT(body, 0);
}

// The bars slide off their edges by the share of health lost; a dead agent has none left.
TEST_F(CivilianTest, HealthBarSlidesOffItsEdge) {
    Agent* a = new Agent(VARIANT_WHITE_CAPE, 10, Coord(300, FLOOR), 1, false);
    HealthMonitor left(a, 20, true);
    HealthMonitor right(a, 40, false);
    EXPECT_EQ(left.position().y, 20);
    const int cases[][3] = {{10, 0, 200}, {5, -128, 328}, {0, -256, 456}};
    for (const auto& c : cases) {
        a->set_hp(c[0]);
        EXPECT_EQ(left.position().x, c[1]) << c[0];
        EXPECT_EQ(right.position().x, c[2]) << c[0];
    }
    a->set_hp(7);
    a->set_state(DYING);
    EXPECT_EQ(left.position().x, -256);
    EXPECT_EQ(right.position().x, 456);

    HealthMonitor full(new Agent(VARIANT_WHITE_CAPE, 10, Coord(500, FLOOR), 1, false), 20, true);
    Graphics::screen->fill(Pixel::make(1, 2, 3));
    full.draw();
    Graphics::screen->open();
    EXPECT_NE(Graphics::screen->get_pixel(Coord(10, 20 + SpriteSheet::health_sword->h() / 2)),
              Pixel::make(1, 2, 3));
    Graphics::screen->close();
}

} // namespace
