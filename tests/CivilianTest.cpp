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

TEST_F(CivilianTest, AnyWoundKillsWithTheCivilianOwnDeath) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 2, false);
    AgentChild* child = new AgentChild(Coord(600, FLOOR), 2, true);
    EXPECT_EQ(woman->state, IDLE);
    EXPECT_EQ(woman->hp, 1);
    EXPECT_EQ(woman->variant, VARIANT_NO_CAPE);
    EXPECT_EQ(woman->pose, SpriteSheet::agent[128]);
    EXPECT_EQ(child->pose, SpriteSheet::agent[89]);

    woman->wound(1, BEHEADED);
    child->wound(30, DISMEMBERED);
    EXPECT_FALSE(woman->alive);
    EXPECT_FALSE(child->alive);
    EXPECT_EQ(woman->state, BEHEADED);
    EXPECT_EQ(woman->pose, SpriteSheet::agent[129]);
    EXPECT_EQ(child->pose, SpriteSheet::agent[94]);
    EXPECT_EQ(woman->vel.x, -4);
    EXPECT_EQ(child->vel.x, 10);
    // The civilian's own death: no animation of the fighters' deaths.
    EXPECT_EQ(woman->frame, Animation::idle);
}

TEST_F(CivilianTest, TalkingAndStandingPictures) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 0, false);
    AgentChild* child = new AgentChild(Coord(500, FLOOR - 200), 0, false);
    woman->set_state(TALK);
    child->set_state(TALK);
    EXPECT_EQ(woman->pose, SpriteSheet::agent[127]);
    EXPECT_EQ(child->pose, SpriteSheet::agent[93]);
    frames(30);
    EXPECT_TRUE(woman->alive);
    EXPECT_EQ(woman->state, TALK);
    EXPECT_EQ(child->pos.y, FLOOR) << "civilians stand on the floor";
    woman->set_state(IDLE);
    child->set_state(AIRBORNE);
    EXPECT_EQ(woman->pose, SpriteSheet::agent[128]);
    EXPECT_EQ(child->pose, SpriteSheet::agent[89]);
    EXPECT_TRUE(child->alive);
    EXPECT_EQ(child->state_timer, 0);
}

TEST_F(CivilianTest, StruckWomanSlidesBackAndVanishes) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 2, true);
    woman->set_state(STUN);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_TRUE(frame_draws()) << "frame " << i;
        EXPECT_EQ(woman->pos.x, 300 + 4 * i);
    }
    EXPECT_FALSE(frame_draws());
}

TEST_F(CivilianTest, StruckChildBurstsOnTheTwentiethFrame) {
    AgentChild* child = new AgentChild(Coord(300, FLOOR), 2, false);
    child->set_state(DYING);
    for (int i = 1; i <= 19; ++i) {
        EXPECT_TRUE(frame_draws()) << "frame " << i;
        EXPECT_EQ(child->pos.x, 300 - 10 * i);
    }
    EXPECT_EQ(count(Particle::foreground) + count(Particle::background), 0);
    EXPECT_FALSE(frame_draws());
    EXPECT_EQ(count(Particle::foreground), 400);
    EXPECT_EQ(count(Particle::background), 400);
    frames(30);
    EXPECT_EQ(count(Particle::foreground) + count(Particle::background), 800) << "one burst only";
}

TEST_F(CivilianTest, CiviliansTakePartInSearchesAndHitTests) {
    AgentWoman* woman = new AgentWoman(Coord(300, FLOOR), 2, false);
    AgentChild* bystander = new AgentChild(Coord(340, FLOOR), 0, false);
    Agent* hero = new Agent(VARIANT_WHITE_CAPE, 10, Coord(200, FLOOR), 1, false);
    EXPECT_EQ(hero->get_closest(Agent::F_ENEMY), woman);
    EXPECT_EQ(hero->get_closest(0), woman);
    hero->pos.x = 400;
    EXPECT_EQ(hero->get_closest(0), bystander);
    EXPECT_EQ(hero->get_closest(Agent::F_ENEMY), woman);

    // Hit tests use the fighter frame the civilian was created with.
    const AgentSprite* shape = SpriteSheet::agent[Animation::idle->sprite_index];
    int body = 0;
    for (int y = FLOOR - shape->h(); y < FLOOR + shape->h(); ++y)
        for (int x = 300 - shape->w(); x < 300 + shape->w(); ++x)
            body += woman->collide(Coord(x, y)) == 2;
    EXPECT_GT(body, 0);
}

TEST_F(CivilianTest, HealthBarSlidesOffItsEdge) {
    Agent* a = new Agent(VARIANT_WHITE_CAPE, 10, Coord(300, FLOOR), 1, false);
    HealthMonitor left(a, 20, true);
    HealthMonitor right(a, 40, false);
    EXPECT_EQ(left.position().x, 0);
    EXPECT_EQ(left.position().y, 20);
    EXPECT_EQ(right.position().x, 200);
    a->set_hp(5);
    EXPECT_EQ(left.position().x, -128);
    EXPECT_EQ(right.position().x, 328);
    a->set_hp(0);
    EXPECT_EQ(left.position().x, -256);
    EXPECT_EQ(right.position().x, 456);
    a->set_hp(7);
    a->set_state(DYING);
    EXPECT_EQ(left.position().x, -256) << "a dead agent has no health to show";
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
