#include <initializer_list>

#include "FighterWorld.h"
#include "ai/AI.h"
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

    Agent* falling = fighter(Coord(400, FLOOR - 1));
    EXPECT_EQ(falling->state, AIRBORNE);
    frames(1);
    EXPECT_EQ(falling->state, LANDING);
    EXPECT_EQ(falling->pos.y, FLOOR);
    frames(8);
    EXPECT_EQ(falling->state, IDLE);
}

TEST_F(AgentTest, WoundsStunThenKillButNotDuringSpeechesOrOnTheDead) {
    Agent* a = fighter(Coord(300, FLOOR), 2, false, 3);
    a->wound(1, DYING);
    EXPECT_EQ(a->hp, 2);
    EXPECT_EQ(a->state, STUN);
    a->wound(1, DYING);
    Agent::suspend_damage = true;
    a->wound(5, DYING);
    EXPECT_EQ(a->hp, 1) << "no wounds during speeches";
    Agent::suspend_damage = false;
    a->wound(1, DYING);
    EXPECT_EQ(a->hp, 0);
    EXPECT_EQ(a->state, DYING);
    // A second hit in the same frame reaches a corpse: nothing changes, the game goes on.
    a->wound(5, BEHEADED);
    EXPECT_EQ(a->hp, 0);
    EXPECT_EQ(a->state, DYING);
}

// Whatever kills them they burn away, and stay gone.
TEST_F(AgentTest, BloodCreaturesBurnAwayWhateverKillsThem) {
    Agent* blood = fighter(Coord(100, FLOOR), 2, false, 1, VARIANT_BLOOD);
    blood->wound(1, DYING);
    EXPECT_EQ(blood->state, BURN);
    frames(45);
    EXPECT_EQ(blood->state, GONE);
    const Frame* shown = blood->frame;
    frames(100);
    EXPECT_EQ(blood->state, GONE);
    EXPECT_EQ(blood->frame, shown);
}

TEST_F(AgentTest, DeathsEndInTheirFinalPictures) {
    const struct {
        AgentState death;
        int frames;
        Frame* const* remains;
    } cases[] = {{DYING, 30, nullptr},
                 {BOLT_DEATH, 30, &Animation::burned_corpse},
                 {BEHEADED, 160, &Animation::behead_corpse},
                 {DISMEMBERED, 3160, &Animation::dismember_corpse}};
    for (const auto& c : cases) {
        Agent* a = fighter(Coord(300, FLOOR));
        a->set_state(c.death);
        EXPECT_FALSE(a->alive);
        frames(c.frames);
        if (c.remains) {
            EXPECT_EQ(a->state, REMAINS) << c.death;
            EXPECT_EQ(a->frame, *c.remains) << c.death;
        } else {
            EXPECT_TRUE(a->state == CORPSE || a->state == TWITCH);
        }
        Agent::delete_all();
    }
}

TEST_F(AgentTest, ClosestAgentFilters) {
    Agent* me = fighter(Coord(100, FLOOR), 1, false);
    Agent* behind = fighter(Coord(40, FLOOR), 2);
    Agent* flying = fighter(Coord(180, FLOOR - 100), 2);
    Agent* neutral = fighter(Coord(105, FLOOR), 0);
    Agent* corpse = fighter(Coord(101, FLOOR), 2);
    corpse->set_state(DYING);

    EXPECT_EQ(me->get_closest(0), neutral);
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY), behind);
    EXPECT_EQ(me->get_closest(Agent::F_ENEMY | Agent::F_FACED), flying);
    EXPECT_EQ(me->get_closest(Agent::F_FACED), neutral);
    EXPECT_EQ(neutral->get_closest(Agent::F_ENEMY), nullptr);
}

// Health goes no lower than 0 (that alone kills no one) and no higher than the ceiling,
// which may be lowered or raised.
TEST_F(AgentTest, HealthStaysWithinItsCeiling) {
    Agent* a = fighter(Coord(300, FLOOR), 2, false, 10);
    a->set_state(BLOCK);
    a->hp = 3;
    a->heal(-5);
    EXPECT_EQ(a->hp, 0);
    EXPECT_EQ(a->state, BLOCK);
    EXPECT_EQ(a->get_hp(), 0.0);
    a->set_hp(4);
    EXPECT_DOUBLE_EQ(a->get_hp(), 0.4);
    a->set_hp(99);
    EXPECT_EQ(a->hp, 10);
    a->enfeeble(3);
    EXPECT_EQ(a->hp, 7);
    a->set_max_hp(20);
    EXPECT_EQ(a->hp, 7);
    a->set_max_hp(5);
    EXPECT_EQ(a->hp, 5);
}

// Which spell each combo casts the recorded fights show; in the air the stomp combo dives
// only while moving.
TEST_F(AgentTest, TheStompComboDivesOnlyWhileMoving) {
    for (int speed : {0, 5}) {
        Agent* a = fighter(Coord(300, 150), 1, false);
        a->vel.x = speed;
        enter(a, {AgentInput::UP, AgentInput::DOWN, none(), AgentInput::DOWN});
        EXPECT_EQ(a->state == STOMP, speed != 0) << speed;
        Agent::delete_all();
    }
}

// Behind the nearest enemy, facing it, and lunging; the one at the right edge is reached
// from its left. Without an enemy the teleport ends where it began.
TEST_F(AgentTest, TeleportLandsBehindTheEnemyOrStaysWithoutOne) {
    const struct {
        int enemy_x;
        bool enemy_left;
        int x;
        bool left;
    } cases[] = {{400, true, 450, true}, {400, false, 350, false}, {720, true, 670, false}};
    for (const auto& c : cases) {
        Agent* a = fighter(Coord(100, FLOOR), 1);
        fighter(Coord(c.enemy_x, FLOOR), 2, c.enemy_left)->frozen = true;
        a->set_state(TELEPORT);
        for (int i = 0; i < 50; ++i)
            a->run();
        EXPECT_EQ(a->pos.x, c.x);
        EXPECT_EQ(a->facing_left, c.left);
        EXPECT_EQ(a->state, LUNGE);
        EXPECT_TRUE(attacks(ATK_LUNGE).empty());
        Agent::delete_all();
    }
    Agent* alone = fighter(Coord(300, FLOOR), 1);
    alone->set_state(TELEPORT);
    frames(50);
    EXPECT_EQ(alone->state, AIRBORNE);
    EXPECT_EQ(alone->pos.x, 300);
}

// Where each contact lies is read by every attack test; here the picture read is the
// current one: mirrored when facing left, none once dead.
TEST_F(AgentTest, CollideReadsTheCurrentPicture) {
    Agent* a = fighter(Coord(400, FLOOR), 2, false);
    auto count_body = [&] {
        int n = 0;
        for (int y = a->pos.y - 150; y < a->pos.y + 50; ++y)
            for (int x = a->pos.x - 150; x < a->pos.x + 150; ++x)
                n += a->collide(Coord(x, y)) == 2;
        return n;
    };
    const int right = count_body();
    EXPECT_GT(right, 0);
    EXPECT_EQ(a->collide(Coord(0, 0)), 0);
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

} // namespace
