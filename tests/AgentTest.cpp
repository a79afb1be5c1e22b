#include <cmath>
#include <initializer_list>

#include "FighterWorld.h"
#include "core/Image.h"
#include "sprites/AgentFrame.h"

namespace {

const int FLOOR = 500;

class AgentTest : public FighterWorld {
  protected:
    static Agent* fighter(Coord pos, int team = 1, bool facing_left = false, int hp = 10,
                          SpriteVariant v = VARIANT_WHITE_CAPE) {
        return new Agent(v, hp, pos, team, facing_left);
    }
    // Gives `a` each input in turn, one frame each.
    static void enter(Agent* a, std::initializer_list<AgentInput> inputs) {
        for (const AgentInput& in : inputs) {
            a->input = in;
            frames(1);
        }
        a->input = AgentInput();
    }
    static AgentInput none() { return AgentInput(); }
};

TEST_F(AgentTest, StartsOnTheFloorIdleOrAboveItAirborneAndLands) {
    Agent* standing = fighter(Coord(100, FLOOR));
    EXPECT_EQ(standing->state, IDLE);
    EXPECT_EQ(standing->frame, Animation::idle);
    EXPECT_EQ(standing->frame_delay, 10);
    EXPECT_TRUE(standing->alive);

    Agent* falling = fighter(Coord(400, FLOOR - 1));
    EXPECT_EQ(falling->state, AIRBORNE);
    EXPECT_EQ(falling->fall_offset, 1);
    ASSERT_EQ(Agent::agents.size(), 2u);
    EXPECT_EQ(Agent::agents[1], falling);

    frames(1);
    EXPECT_EQ(falling->state, LANDING);
    EXPECT_EQ(falling->pos.y, FLOOR);
    EXPECT_EQ(falling->vel.y, 0);
    frames(8);
    EXPECT_EQ(falling->state, IDLE);
}

TEST_F(AgentTest, HoldingUpMakesAJumpLastAboutTwiceAsLong) {
    auto airtime = [this](bool hold) {
        Agent* a = fighter(Coord(300, FLOOR));
        a->input = AgentInput::UP;
        frames(1);
        EXPECT_EQ(a->state, JUMP);
        if (!hold) a->input = none();
        int n = 0;
        while (a->pos.y == FLOOR && n < 20)
            frames(1), ++n;
        int air = 0;
        while (a->pos.y < FLOOR && air < 200)
            frames(1), ++air;
        Agent::delete_all();
        return air;
    };
    const int short_jump = airtime(false);
    const int long_jump = airtime(true);
    EXPECT_GT(short_jump, 10);
    EXPECT_NEAR(static_cast<double>(long_jump) / short_jump, 2.0, 0.25);
}

TEST_F(AgentTest, CloseAgentsArePushedApartFasterEachFrameUntil75Apart) {
    Agent* a = fighter(Coord(100, FLOOR), 1, false);
    Agent* b = fighter(Coord(140, FLOOR), 2, true);
    // Each agent's steps: 1, 2, 3 ... pixels outwards for as long as it is within 75.
    std::vector<int> a_steps, b_steps;
    for (int i = 0; i < 12; ++i) {
        const int ax = a->pos.x, bx = b->pos.x;
        frames(1);
        if (ax != a->pos.x) a_steps.push_back(ax - a->pos.x);
        if (bx != b->pos.x) b_steps.push_back(b->pos.x - bx);
    }
    for (const std::vector<int>* steps : {&a_steps, &b_steps}) {
        ASSERT_GE(steps->size(), 4u);
        for (size_t i = 0; i < steps->size(); ++i)
            EXPECT_EQ((*steps)[i], static_cast<int>(i) + 1);
    }
    EXPECT_GE(b->pos.x - a->pos.x, 75);
    EXPECT_LT(b->pos.x - a->pos.x, 75 + 7);
    EXPECT_EQ(a->push_speed, 0);
    EXPECT_EQ(b->push_speed, 0);
}

TEST_F(AgentTest, AgentsAtTheSameXAreJiggledNotPushed) {
    Agent* a = fighter(Coord(300, FLOOR));
    fighter(Coord(300, FLOOR));
    for (int i = 0; i < 20; ++i) {
        a->pos.x = 300;
        a->run();
        EXPECT_GE(a->pos.x, 299);
        EXPECT_LE(a->pos.x, 301);
        EXPECT_EQ(a->push_speed, 0);
    }
}

TEST_F(AgentTest, WoundsStunThenKillButNotDuringSpeechesOrOnTheDead) {
    Agent* a = fighter(Coord(300, FLOOR), 2, false, 3);
    a->wound(1, DYING);
    EXPECT_EQ(a->hp, 2);
    EXPECT_EQ(a->state, STUN);
    EXPECT_TRUE(a->alive);
    frames(3);
    const int held = a->frame_counter;
    a->wound(1, DYING);
    EXPECT_EQ(a->state, STUN);
    EXPECT_EQ(a->frame_counter, held) << "a second wound must not restart the stun";
    Agent::suspend_damage = true;
    a->wound(5, DYING);
    EXPECT_EQ(a->hp, 1) << "no wounds during speeches";
    Agent::suspend_damage = false;
    a->wound(1, DYING);
    EXPECT_EQ(a->hp, 0);
    EXPECT_EQ(a->state, DYING);
    EXPECT_FALSE(a->alive);
    EXPECT_GE(a->state_timer, 1);
    EXPECT_LE(a->state_timer, 2);
    // A second hit in the same frame reaches a corpse: nothing changes, the game goes on.
    a->wound(5, BEHEADED);
    EXPECT_EQ(a->hp, 0);
    EXPECT_EQ(a->state, DYING);
}

TEST_F(AgentTest, BloodAndWaterCreaturesBurnAwayWhateverKillsThem) {
    Agent* blood = fighter(Coord(200, FLOOR), 2, false, 1, VARIANT_BLOOD);
    Agent* water = fighter(Coord(500, FLOOR), 2, false, 1, VARIANT_WATER);
    blood->wound(1, DYING);
    water->wound(1, BEHEADED);
    EXPECT_EQ(blood->state, BURN);
    EXPECT_EQ(water->state, BURN);
    EXPECT_FALSE(blood->alive);
    frames(1);
    EXPECT_EQ(water->team, 0) << "a dissolved water creature is nobody's enemy";
    frames(44);
    EXPECT_EQ(blood->state, GONE);
    const Frame* shown = blood->frame;
    frames(100);
    EXPECT_EQ(blood->state, GONE);
    EXPECT_EQ(blood->frame, shown);
}

TEST_F(AgentTest, WaterCreaturesDissolveByThemselves) {
    Agent* water = fighter(Coord(300, FLOOR), 2, false, 3, VARIANT_WATER);
    int n = 0;
    while (water->alive && n < 5000)
        frames(1), ++n;
    EXPECT_GT(n, 3);
    EXPECT_EQ(water->state, BURN);
    EXPECT_EQ(water->team, 0);
    EXPECT_LT(water->hp, 1);
    EXPECT_GT(count(Particle::foreground), 0) << "it sprays while it lives";
}

TEST_F(AgentTest, DeathsEndInTheirFinalPictures) {
    Agent* dying = fighter(Coord(100, FLOOR));
    Agent* headless = fighter(Coord(300, FLOOR));
    Agent* cut = fighter(Coord(500, FLOOR));
    Agent* shot = fighter(Coord(700, FLOOR));
    dying->set_state(DYING);
    headless->set_state(BEHEADED);
    cut->set_state(DISMEMBERED);
    shot->set_state(BOLT_DEATH);
    EXPECT_FALSE(headless->alive);
    frames(30);
    EXPECT_TRUE(dying->state == CORPSE || dying->state == TWITCH);
    EXPECT_EQ(shot->state, REMAINS);
    EXPECT_EQ(shot->frame, Animation::burned_corpse);
    frames(80 + 40 + 10);
    EXPECT_EQ(headless->state, REMAINS);
    EXPECT_EQ(headless->frame, Animation::behead_corpse);
    frames(3000);
    EXPECT_EQ(cut->state, REMAINS);
    EXPECT_EQ(cut->frame, Animation::dismember_corpse);
    EXPECT_EQ(Agent::agents.size(), 4u);
    for (Agent* a : Agent::agents)
        EXPECT_FALSE(a->alive);
}

TEST_F(AgentTest, ClosestAgentFilters) {
    Agent* me = fighter(Coord(100, FLOOR), 1, false);
    Agent* behind = fighter(Coord(40, FLOOR), 2);
    Agent* flying = fighter(Coord(180, FLOOR - 100), 2);
    Agent* ally = fighter(Coord(110, FLOOR), 1);
    Agent* neutral = fighter(Coord(105, FLOOR), 0);
    Agent* far = fighter(Coord(250, FLOOR), 3);
    Agent* corpse = fighter(Coord(101, FLOOR), 2);
    corpse->set_state(DYING);

    EXPECT_EQ(me->get_closest(0), neutral);
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY), behind);
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY | Agent::F_FACED), flying);
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY | Agent::F_FACED | Agent::F_GROUNDED), far);
    EXPECT_EQ(me->get_closest(Agent::F_FACED), neutral);
    far->set_state(TELEPORT);
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY | Agent::F_GROUNDED), behind);
    EXPECT_EQ(ally->get_closest(Agent::F_ENEMY | Agent::F_FACED), flying);
    EXPECT_EQ(neutral->get_closest(Agent::F_ENEMY), nullptr);

    // Equal distances keep the earlier agent.
    Agent* twin = fighter(Coord(160, FLOOR), 2);
    behind->pos.x = 40;
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY | Agent::F_GROUNDED), behind);
    (void)twin;
}

TEST_F(AgentTest, HealthStaysWithinItsCeiling) {
    Agent* a = fighter(Coord(300, FLOOR), 2, false, 10);
    a->set_state(BLOCK);
    a->hp = 3;
    a->heal(-5);
    EXPECT_EQ(a->hp, 0);
    EXPECT_TRUE(a->alive);
    EXPECT_EQ(a->state, BLOCK);
    EXPECT_EQ(a->get_hp(), 0.0);
    a->heal(50);
    EXPECT_EQ(a->hp, 10);
    a->set_hp(4);
    EXPECT_DOUBLE_EQ(a->get_hp(), 0.4);
    a->set_hp(99);
    EXPECT_EQ(a->hp, 10);
    a->enfeeble(3);
    EXPECT_EQ(a->max_hp, 7);
    EXPECT_EQ(a->hp, 7);
    a->set_max_hp(20);
    EXPECT_EQ(a->hp, 7);
    a->set_max_hp(5);
    EXPECT_EQ(a->hp, 5);
}

TEST_F(AgentTest, SwordSwingSpawnsSlashesAtItsFifthFrame) {
    for (bool left : {false, true}) {
        Agent* a = fighter(Coord(400, FLOOR), 1, left);
        a->input = AgentInput::ATTACK;
        frames(1);
        a->input = none();
        EXPECT_EQ(a->state, SLASH);
        while (picture(a) != 14) {
            ASSERT_LT(a->frame_counter, 20);
            EXPECT_TRUE(attacks(ATK_SLASH).empty()) << "at picture " << picture(a);
            frames(1);
        }
        EXPECT_EQ(a->frame_counter, 16);
        // One at each of the pose's attack points, in front of the swordsman.
        const std::vector<Attack*> swings = attacks(ATK_SLASH);
        const AgentFrame* pose = static_cast<AgentFrame*>(a->frame);
        EXPECT_EQ(swings.size(), pose->attack_positions(a->pos, left).size());
        for (Attack* s : swings) {
            EXPECT_EQ(s->owner, a);
            EXPECT_EQ(s->pos.x > a->pos.x, !left);
        }
        frames(12);
        EXPECT_EQ(attacks(ATK_SLASH).size(), swings.size()) << "the pose spawns once";
        Agent::delete_all();
        Attack::DB.clear();
    }
}

TEST_F(AgentTest, FireboltAndLightningFromTheirCombos) {
    Agent* a = fighter(Coord(300, FLOOR), 1, false);
    enter(a, {AgentInput::DOWN, AgentInput::BACKWARD, AgentInput::FORWARD});
    EXPECT_EQ(a->state, BOLT);
    frames(8);
    EXPECT_EQ(attacks(ATK_FIREBOLT).size(), 1u);
    frames(10);
    EXPECT_EQ(a->state, IDLE);

    enter(a,
          {AgentInput::ATTACK, AgentInput::FORWARD, none(), AgentInput::FORWARD, AgentInput::DOWN});
    EXPECT_EQ(a->state, LIGHTNING_CHARGE);
    int charge = 0;
    while (picture(a) != 119 && charge < 20)
        frames(1), ++charge;
    ASSERT_EQ(picture(a), 119);
    EXPECT_EQ(attacks(ATK_LIGHTNING).size(), 1u);
    int held = 0;
    while (a->state == LIGHTNING_CHARGE && held < 100)
        frames(1), ++held;
    EXPECT_EQ(held, 30);
    EXPECT_EQ(a->state, LIGHTNING_STRIKE);
    int strike = 0;
    while (picture(a) == 119 && strike < 100)
        frames(1), ++strike;
    EXPECT_NEAR(strike, 20 + 4, 4);
    EXPECT_EQ(attacks(ATK_LIGHTNING).size(), 1u) << "a held frame spawns no more bolts";
}

TEST_F(AgentTest, AirCombosTeleportAndStomp) {
    Agent* a = fighter(Coord(300, 200), 1, false);
    enter(a, {AgentInput::UP, AgentInput::ATTACK, AgentInput::BACKWARD});
    EXPECT_EQ(a->state, TELEPORT);

    Agent* b = fighter(Coord(600, 150), 1, false);
    b->vel.x = 5;
    enter(b, {AgentInput::UP, AgentInput::DOWN, none(), AgentInput::DOWN});
    EXPECT_EQ(b->state, STOMP);
    int fall = 0;
    while (b->state == STOMP && fall < 100)
        frames(1), ++fall;
    EXPECT_EQ(b->state, LANDING);
    EXPECT_EQ(b->pos.y, FLOOR);
    const std::vector<Attack*> shock = attacks(ATK_STOMP);
    ASSERT_EQ(shock.size(), 1u);
    EXPECT_EQ(shock[0]->owner, b);
}

TEST_F(AgentTest, SummonComboPlaysTheSummoningInBolt) {
    Agent* a = fighter(Coord(300, FLOOR), 1, false);
    const AgentInput& D = AgentInput::DOWN;
    const AgentInput& B = AgentInput::BACKWARD;
    const AgentInput& F = AgentInput::FORWARD;
    enter(a, {D, B, D, F, B, F, D, B});
    EXPECT_EQ(a->state, BOLT);
    EXPECT_EQ(a->frame, Animation::summoning);
    EXPECT_EQ(a->frame_delay, 2);
}

TEST_F(AgentTest, TeleportLandsBehindTheEnemyOrStaysWithoutOne) {
    Agent* alone = fighter(Coord(300, FLOOR), 1);
    alone->set_state(TELEPORT);
    frames(50);
    EXPECT_EQ(alone->state, AIRBORNE);
    EXPECT_EQ(alone->pos.x, 300);
    Agent::delete_all();

    struct Case {
        int enemy_x;
        bool enemy_left;
        int expected_x;
        bool expected_left;
    };
    for (Case c :
         {Case{400, true, 450, true}, Case{400, false, 350, false}, Case{720, true, 670, false}}) {
        Agent* a = fighter(Coord(100, FLOOR), 1);
        Agent* e = fighter(Coord(c.enemy_x, FLOOR), 2, c.enemy_left);
        e->frozen = true;
        a->set_state(TELEPORT);
        a->run();
        for (int i = 1; i < 50; ++i)
            a->run();
        EXPECT_EQ(a->pos.x, c.expected_x);
        EXPECT_EQ(a->facing_left, c.expected_left);
        EXPECT_EQ(a->state, LUNGE);
        EXPECT_EQ(picture(a), 126);
        EXPECT_TRUE(attacks(ATK_LUNGE).empty());
        Agent::delete_all();
    }
}

TEST_F(AgentTest, CollideReadsTheCurrentPicture) {
    Agent* a = fighter(Coord(400, FLOOR), 2, false);
    AgentSprite* pose = SpriteSheet::agent[picture(a)];
    Image* img = pose->image(a->variant, false);
    Coord body(-1, -1), other(-1, -1);
    img->open();
    for (int y = 0; y < img->h(); ++y)
        for (int x = 0; x < img->w(); ++x) {
            const Uint32 c = img->get_pixel(Coord(x, y));
            if (c == Pixel::black && body.x < 0) body = Coord(x, y);
            if (c != Pixel::black && c != Pixel::transparent && c != Pixel::bloodbody &&
                c != Pixel::waterbody && other.x < 0)
                other = Coord(x, y);
        }
    img->close();
    ASSERT_GE(body.x, 0);
    ASSERT_GE(other.x, 0);
    auto on_screen = [&](Coord p) {
        return Coord(a->pos.x - pose->offset.x + p.x, a->pos.y - pose->offset.y + p.y);
    };
    EXPECT_EQ(a->collide(on_screen(body)), 2);
    EXPECT_EQ(a->collide(on_screen(other)), 1);
    EXPECT_EQ(a->collide(Coord(0, 0)), 0);

    auto count_body = [&] {
        int n = 0;
        for (int y = a->pos.y - 150; y < a->pos.y + 50; ++y)
            for (int x = a->pos.x - 150; x < a->pos.x + 150; ++x)
                n += a->collide(Coord(x, y)) == 2;
        return n;
    };
    const int right = count_body();
    a->facing_left = true;
    EXPECT_EQ(count_body(), right) << "the mirror image shows the same body";
    a->set_state(DYING);
    EXPECT_EQ(count_body(), 0);
}

TEST_F(AgentTest, StateNumbersOutsideTheTableKeepThePicture) {
    Agent* a = fighter(Coord(300, FLOOR));
    Frame* before = a->frame;
    a->set_state(static_cast<AgentState>(40));
    EXPECT_EQ(a->frame, before);
    EXPECT_EQ(static_cast<int>(a->state), 40);
    frames(60);
    EXPECT_EQ(a->state, IDLE);
}

TEST_F(AgentTest, WalkingTurningAndRolling) {
    Agent* a = fighter(Coord(300, FLOOR), 1, false);
    a->input = AgentInput::FORWARD;
    frames(1);
    EXPECT_EQ(a->state, WALK);
    EXPECT_EQ(a->vel.x, Agent::WALK_SPEED);
    a->input = AgentInput::DOWN;
    frames(1);
    EXPECT_EQ(a->state, ROLL_START);
    EXPECT_EQ(a->vel.x, 12);
    frames(12);
    EXPECT_EQ(a->state, ROLL);
    a->input = none();
    frames(1);
    EXPECT_EQ(a->state, ROLL_END);
    frames(20);
    a->input = AgentInput::BACKWARD;
    frames(1);
    EXPECT_EQ(a->state, TURN);
    a->input = none();
    frames(5);
    EXPECT_TRUE(a->facing_left);
}

} // namespace
