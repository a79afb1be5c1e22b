#include <cstdlib>
#include <string>

#include "FighterWorld.h"
#include "ai/AI.h"
#include "core/Random.h"

namespace {

const int FLOOR = 500;

// The smallest controller: the base run() plus a count, every primitive made public.
class Probe : public AI {
  public:
    Probe(Agent* agent, bool listed) : AI(agent, listed) {}
    ~Probe() override { ++deleted; }
    void run() override {
        AI::run();
        ++runs;
    }

    using AI::attack;
    using AI::attack_air;
    using AI::backstab;
    using AI::block_bolt;
    using AI::block_firerain;
    using AI::block_melee;
    using AI::block_stomp;
    using AI::block_teleport;
    using AI::cautious_advance;
    using AI::face_enemy;
    using AI::lightning_safe;
    using AI::safe;
    using AI::target_state;
    using AI::use_lightning;
    using AI::use_stomp;
    using AI::use_teleport;
    using AI::wander;

    int runs = 0;
    static int deleted;
};
int Probe::deleted = 0;

// Makes another listed controller on its first run.
class Spawner : public Probe {
  public:
    using Probe::Probe;
    void run() override {
        Probe::run();
        if (!child) child = new Probe(agent, true);
    }
    Probe* child = nullptr;
};

AgentInput all_pressed() { return AgentInput(true, true, true, true, true); }

class AIBaseTest : public FighterWorld {
  protected:
    void SetUp() override {
        FighterWorld::SetUp();
        Probe::deleted = 0;
    }
    void TearDown() override {
        AI::kill_all();
        FighterWorld::TearDown();
    }
    static Agent* fighter(Coord pos, int team, bool facing_left = false) {
        return new Agent(VARIANT_WHITE_CAPE, 10, pos, team, facing_left);
    }
    // The answer `a` would get from stepping `combo` now; never empty on a fresh log.
    static AgentInput step_of(Agent* a, const ComboLog& combo) {
        AgentInput in = a->log.approach(combo);
        EXPECT_FALSE(in.empty());
        return in;
    }
};

TEST_F(AIBaseTest, WithoutAnEnemyRunClearsTheInputAndTheChecksDoNotApply) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    fighter(Coord(200, FLOOR), 0);  // neutral: never an enemy
    fighter(Coord(300, FLOOR), 1);  // an ally
    Probe ai(me, false);
    ai.distance = 77;
    me->input = all_pressed();
    ai.run();
    EXPECT_EQ(ai.enemy, nullptr);
    EXPECT_EQ(ai.distance, 0);
    EXPECT_TRUE(me->input.empty());
    EXPECT_FALSE(ai.face_enemy(AI::DUMB));
    EXPECT_FALSE(ai.face_enemy(AI::SMART));
    EXPECT_FALSE(ai.block_melee(AI::DUMB));
    EXPECT_FALSE(ai.block_melee(AI::SMART));
    EXPECT_FALSE(ai.block_stomp());
    EXPECT_FALSE(ai.backstab());
    EXPECT_TRUE(me->input.empty());
}

TEST_F(AIBaseTest, RunFindsTheNearestEnemyAndProjectsBothEightFramesAhead) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    fighter(Coord(900, FLOOR), 2);
    Agent* near = fighter(Coord(400, FLOOR), 3);
    me->vel = Coord(2, 0);
    near->vel = Coord(-3, -5);
    Probe ai(me, false);
    ai.run();
    EXPECT_EQ(ai.enemy, near);
    // (116, 500) to (376, 460): sqrt(260² + 40²) = 263.06
    EXPECT_EQ(ai.distance, 263);
}

// Facing away, the simple mode turns; the smart one jumps to turn when the gap is under 401.
TEST_F(AIBaseTest, FaceEnemyTurnsOrJumpsByModeAndGroundDistance) {
    const struct {
        bool facing_left;
        int foe_x, mode;
        bool acts;
        AgentInput input;
    } cases[] = {{true, 500, AI::SMART, true, AgentInput::UP},
                 {true, 501, AI::SMART, true, AgentInput::BACKWARD},
                 {true, 150, AI::DUMB, true, AgentInput::BACKWARD},
                 {false, 150, AI::DUMB, false, AgentInput()},
                 {false, 150, AI::SMART, false, AgentInput()}};
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(500, FLOOR), 2);
    Probe ai(me, false);
    for (const auto& c : cases) {
        me->facing_left = c.facing_left;
        foe->pos.x = c.foe_x;
        ai.run();
        EXPECT_EQ(ai.face_enemy(c.mode), c.acts) << c.foe_x;
        EXPECT_EQ(me->input, c.input) << c.foe_x;
    }
}

// Within 50 and moving in the air it stomps; moving, it jumps; standing, it walks on; beyond
// 200 it does nothing.
TEST_F(AIBaseTest, UseStompByHorizontalDistanceMotionAndHeight) {
    const struct {
        int my_y, my_vel_x, foe_x;
        bool acts, stomps;
        AgentInput input;
    } cases[] = {{400, 3, 150, true, true, AgentInput()},
                 {400, 3, 151, true, false, AgentInput::UP},
                 {400, 3, 301, false, false, AgentInput()},
                 {400, 0, 300, true, false, AgentInput::FORWARD},
                 {FLOOR, 3, 150, true, false, AgentInput::UP}};
    Agent* me = fighter(Coord(100, 400), 1);
    Agent* foe = fighter(Coord(150, FLOOR), 2);
    Probe ai(me, false);
    for (const auto& c : cases) {
        me->pos.y = c.my_y;
        me->vel.x = c.my_vel_x;
        foe->pos.x = c.foe_x;
        ai.run();
        const AgentInput expected = c.stomps ? step_of(me, Combos::STOMP) : c.input;
        EXPECT_EQ(ai.use_stomp(), c.acts) << c.foe_x;
        EXPECT_EQ(me->input, expected) << c.foe_x;
    }
}

TEST_F(AIBaseTest, UseLightningStrikesOnlyWhenTheLandingTakes31To39Frames) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(600, FLOOR), 2);
    Probe ai(me, false);
    const AgentInput strike = step_of(me, Combos::LIGHTNING);
    // From rest under gravity g the fall of n frames covers g * n(n-1)/2 exactly.
    auto falls_for = [&](int n, bool holding_up) {
        const int g = holding_up ? 2 : 4;
        foe->pos.y = FLOOR - g * n * (n - 1) / 2;
        foe->vel.y = 0;
        foe->input = holding_up ? AgentInput::UP : AgentInput();
        ai.run();
        const bool struck = ai.use_lightning();
        EXPECT_EQ(struck, me->input == strike) << n;
        return struck;
    };
    EXPECT_FALSE(falls_for(30, false));
    EXPECT_TRUE(falls_for(31, false));
    EXPECT_TRUE(falls_for(39, false));
    EXPECT_FALSE(falls_for(40, false));
    EXPECT_TRUE(falls_for(35, true));
    EXPECT_FALSE(falls_for(30, true));

    // The same height falls faster without `up` held.
    foe->pos.y = FLOOR - 35 * 34;
    foe->input = AgentInput();
    ai.run();
    EXPECT_FALSE(ai.use_lightning());

    foe->pos.y = FLOOR;
    ai.run();
    EXPECT_FALSE(ai.use_lightning());
    foe->state = ROLL_START;
    EXPECT_TRUE(ai.use_lightning());
    EXPECT_EQ(me->input, strike);
}

TEST_F(AIBaseTest, SafeJudgesTheBoltsHeightAndWhoseBoltsCount) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(700, FLOOR), 2);
    Probe ai(me, false);
    ai.run();
    EXPECT_TRUE(ai.safe());
    auto with_bolt = [&](Agent* owner, int height) {
        Attack::DB.clear();
        new Attack(ATK_FIREBOLT, owner, Coord(400, FLOOR + height));
        return ai.safe();
    };
    EXPECT_FALSE(with_bolt(foe, 70));
    EXPECT_TRUE(with_bolt(foe, 71));
    EXPECT_FALSE(with_bolt(foe, -170));
    EXPECT_TRUE(with_bolt(foe, -171));
    // Far from the enemy only its bolts count; close by, any bolt does.
    EXPECT_TRUE(with_bolt(me, 0));
    foe->pos.x = 250;
    ai.run();
    EXPECT_FALSE(with_bolt(me, 0));
}

TEST_F(AIBaseTest, LightningSafeNeedsRoomAndNoBoltNearby) {
    // Enemy's x, an enemy bolt's x (0: none), safe.
    const int cases[][3] = {{401, 0, 1}, {400, 0, 0}, {1000, 601, 1}, {1000, 600, 0}};
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(401, FLOOR), 2);
    Probe ai(me, false);
    for (const auto& c : cases) {
        Attack::DB.clear();
        foe->pos.x = c[0];
        if (c[1]) new Attack(ATK_FIREBOLT, foe, Coord(c[1], FLOOR));
        ai.run();
        EXPECT_EQ(ai.lightning_safe(), c[2] == 1) << c[0] << " " << c[1];
    }
}

TEST_F(AIBaseTest, AttackChoosesSlashOrLungeByRandAndJudgesTheLungeFromWhereItStands) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    fighter(Coord(150, FLOOR), 2);
    Probe ai(me, false);
    int slashes = 0, lunges = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Random::seed(seed);
        const bool slash = Random::next() % 100 <= 80;
        for (AgentState s : {IDLE, WALK}) {
            me->state = s;
            ai.run();
            Random::seed(seed);
            EXPECT_TRUE(ai.attack(80, 80));
            if (slash)
                EXPECT_EQ(me->input, s == IDLE ? AgentInput::ATTACK : AgentInput()) << seed;
            else
                EXPECT_EQ(me->input, s == IDLE ? AgentInput::FORWARD : AgentInput::ATTACK)
                    << seed;
        }
        (slash ? slashes : lunges)++;
    }
    EXPECT_GT(slashes, 0);
    EXPECT_GT(lunges, 0);

    // Running in at 5 a frame closes a gap of 100 within a slash's lead, not a lunge's.
    me->state = IDLE;
    me->pos.x = 50;
    me->vel.x = 5;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Random::seed(seed);
        const bool slash = Random::next() % 100 <= 80;
        ai.run();
        Random::seed(seed);
        EXPECT_EQ(ai.attack(80, 80), slash) << seed;
    }
    me->vel.x = 0;
    me->pos.x = 70;
    ai.run();
    EXPECT_FALSE(ai.attack(80, 100));
    me->pos.x = 71;
    ai.run();
    EXPECT_TRUE(ai.attack(80, 100));
}

TEST_F(AIBaseTest, TargetStateBlocksOnlyFromStatesThatCanAndRejectsOthers) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Probe ai(me, false);
    ai.run();
    testing::internal::CaptureStdout();
    ai.target_state(IDLE);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("AI: target_state() given unsupported state, 0\n"), std::string::npos)
        << log;
    EXPECT_TRUE(me->input.empty());
    EXPECT_EQ(me->state, IDLE);

    ai.target_state(BLOCK);
    EXPECT_EQ(me->input, AgentInput::DOWN);
    me->state = WALK;
    ai.run();
    ai.target_state(BLOCK);
    EXPECT_TRUE(me->input.empty());
}

TEST_F(AIBaseTest, BlockMeleeBlocksASlashDueSoonAndMeetsLunges) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(180, FLOOR), 2, true);
    Probe ai(me, false);
    // The enemy's slash lands `due` frames from now; this agent's own idle never does.
    auto slashing = [&](int due) {
        foe->state = SLASH;
        foe->frame = Animation::atk1;
        foe->frame_delay = Animation::frame_delay(Animation::atk1);
        foe->frame_counter = foe->frame_delay * Animation::frames_til_attack(Animation::atk1) - due;
        ai.run();
    };
    slashing(7);
    EXPECT_TRUE(ai.block_melee(AI::SMART));
    EXPECT_EQ(me->input, AgentInput::DOWN);
    slashing(8);
    EXPECT_FALSE(ai.block_melee(AI::SMART));
    EXPECT_TRUE(me->input.empty());

    foe->state = AIR_SLASH;
    ai.run();
    EXPECT_TRUE(ai.block_melee(AI::SMART));
    EXPECT_EQ(me->input, AgentInput::DOWN);

    // The simple mode reacts to a lunge only one time in ten.
    foe->state = LUNGE;
    int met = 0;
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Random::seed(seed);
        const bool reacts = Random::next() % 10 == 0;
        ai.run();
        Random::seed(seed);
        EXPECT_EQ(ai.block_melee(AI::DUMB), reacts) << seed;
        EXPECT_EQ(me->input, reacts ? AgentInput::ATTACK : AgentInput()) << seed;
        met += reacts;
    }
    EXPECT_GT(met, 0);

    // An enemy facing away threatens nothing.
    foe->facing_left = false;
    slashing(1);
    EXPECT_FALSE(ai.block_melee(AI::SMART));
}

TEST_F(AIBaseTest, BlockingStompsTeleportsAndFireRain) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(199, 300), 2);
    Probe ai(me, false);
    foe->vel.x = -2;
    ai.run();
    EXPECT_TRUE(ai.block_stomp());
    EXPECT_EQ(me->input, AgentInput::FORWARD);
    me->state = WALK;
    ai.run();
    EXPECT_TRUE(ai.block_stomp());
    EXPECT_EQ(me->input, AgentInput::DOWN);
    foe->pos.x = 200;
    ai.run();
    EXPECT_FALSE(ai.block_stomp());

    me->state = IDLE;
    foe->state = TELEPORT;
    ai.run();
    EXPECT_TRUE(ai.block_teleport());
    EXPECT_EQ(me->input, AgentInput::UP);
    me->pos.y = 300;
    ai.run();
    const AgentInput teleport = step_of(me, Combos::TELEPORT);
    EXPECT_TRUE(ai.block_teleport());
    EXPECT_EQ(me->input, teleport);
    // Mid air slash the teleport cannot be stepped.
    me->state = AIR_SLASH;
    me->frame = Animation::airatk->next;
    ai.run();
    EXPECT_TRUE(ai.block_teleport());
    EXPECT_EQ(me->input, AgentInput::UP);

    me->pos = Coord(100, FLOOR);
    me->state = IDLE;
    foe->state = IDLE;
    foe->pos = Coord(299, FLOOR);
    Attack* shield = new Attack(ATK_FIRESHIELD, foe, foe->pos);
    ai.run();
    for (int age : {50, 51, 90, 91, 150, 151, 190, 191}) {
        shield->pos.x = age;
        const bool raining = age != 50 && age != 91 && age != 150 && age != 191;
        EXPECT_EQ(ai.block_firerain(), raining) << age;
    }
    shield->pos.x = 60;
    foe->pos.x = 300;
    EXPECT_FALSE(ai.block_firerain());
    foe->state = TELEPORT;
    EXPECT_TRUE(ai.block_firerain());
    shield->owner = me;
    EXPECT_FALSE(ai.block_firerain());
}

TEST_F(AIBaseTest, BlockBoltBlocksABoltThatWillReachTheChestWithinSixFrames) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(700, FLOOR), 2, true);
    Probe ai(me, false);
    ai.run();
    EXPECT_FALSE(ai.block_bolt(AI::DUMB));
    Attack* bolt = new Attack(ATK_FIREBOLT, foe, Coord(600, FLOOR - 45));
    // Five steps of 5 bring it to 29 pixels from the chest.
    bolt->carrier->pos = Coord(100 + 29 + 5 * 5, FLOOR - 45);
    bolt->carrier->vel = Coord(-5, 0);
    EXPECT_TRUE(ai.block_bolt(AI::DUMB));
    EXPECT_EQ(me->input, AgentInput::DOWN);
    ai.run();
    bolt->carrier->pos = Coord(100 + 200, FLOOR - 45);
    EXPECT_FALSE(ai.block_bolt(AI::SMART));
    EXPECT_TRUE(me->input.empty());
}

TEST_F(AIBaseTest, AttackAirSwingsAtAnAirborneEnemyComingIntoReach) {
    Agent* me = fighter(Coord(100, 300), 1);
    Agent* foe = fighter(Coord(200, 300), 2);
    Probe ai(me, false);
    me->vel = Coord(5, 0);
    foe->vel = Coord(0, 0);
    ai.run();
    // Reach point 50 short, closing at 5 a frame: 10 frames, bands mostly overlapping.
    EXPECT_TRUE(ai.attack_air(0.18));
    EXPECT_TRUE(me->input.attack);
    EXPECT_TRUE(me->input.up);

    // Enemy behind, gap opening: no timing, so no swing and nothing to do.
    foe->pos.x = 0;
    ai.run();
    EXPECT_FALSE(ai.attack_air(0.18));
    EXPECT_TRUE(me->input.empty());

    foe->pos = Coord(200, FLOOR);
    ai.run();
    EXPECT_FALSE(ai.attack_air(0.18));
}

TEST_F(AIBaseTest, BackstabAndCautiousAdvance) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Agent* foe = fighter(Coord(169, FLOOR), 2);
    Probe ai(me, false);
    ai.run();
    EXPECT_TRUE(ai.backstab());
    EXPECT_EQ(me->input, AgentInput::FORWARD);
    me->state = WALK;
    ai.run();
    EXPECT_TRUE(ai.backstab());
    EXPECT_EQ(me->input, AgentInput::ATTACK);
    foe->pos.x = 170;
    ai.run();
    EXPECT_FALSE(ai.backstab());

    me->state = IDLE;
    foe->facing_left = true;
    foe->state = SLASH;
    ai.run();
    EXPECT_FALSE(ai.cautious_advance());
    foe->state = IDLE;
    EXPECT_TRUE(ai.cautious_advance());
    EXPECT_EQ(me->input, AgentInput::FORWARD);
}

TEST_F(AIBaseTest, RegistryRunsAndDeletesOnlyListedControllers) {
    AI::kill_all();
    EXPECT_TRUE(AI::AI_list.empty());

    Agent* me = fighter(Coord(100, FLOOR), 1);
    Probe* listed = new Probe(me, true);
    Probe* unlisted = new Probe(me, false);
    Spawner* spawner = new Spawner(me, true);
    AI::AI_list.push_back(nullptr);
    ASSERT_EQ(AI::AI_list.size(), 3u);
    AI::run_all();
    EXPECT_NE(AI::keystates, nullptr);
    EXPECT_EQ(listed->runs, 1);
    EXPECT_EQ(unlisted->runs, 0);
    ASSERT_NE(spawner->child, nullptr);
    EXPECT_EQ(spawner->child->runs, 1);
    EXPECT_EQ(AI::AI_list.back(), spawner->child);

    // Controllers outlive their agents; deleting them must not touch the agents.
    Agent::delete_all();
    AI::kill_all();
    EXPECT_TRUE(AI::AI_list.empty());
    EXPECT_EQ(Probe::deleted, 3);
    delete unlisted;
}

TEST_F(AIBaseTest, WanderAlwaysActsAndKeepsWalkingMostly) {
    Agent* me = fighter(Coord(100, FLOOR), 1);
    Probe ai(me, false);
    me->state = WALK;
    int walking = 0;
    for (int i = 0; i < 300; ++i) {
        ai.run();
        EXPECT_TRUE(ai.wander());
        walking += me->input.forward;
    }
    EXPECT_GT(walking, 250);
    EXPECT_LT(walking, 300);
    me->state = STUN;
    ai.run();
    EXPECT_TRUE(ai.wander());
    EXPECT_TRUE(me->input.empty());
}

}  // namespace
