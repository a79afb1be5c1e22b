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
    // The answer `a` would get from stepping `combo` now; never empty on a fresh log.
    static AgentInput step_of(Agent* a, const ComboLog& combo) {
        AgentInput in = a->log.approach(combo);
        EXPECT_FALSE(in.empty());
        return in;
    }
};

// Each check in one situation: this controller's fighter (team 1) at x 100 and its enemy
// (team 2), each raised `up` above the floor, facing, moving and in a state.
struct Situation {
    const char* check;
    AgentState my_state;
    bool my_left;
    int my_up, my_vel_x;
    AgentState foe_state;
    bool foe_left;
    int foe_x, foe_up, foe_vel_x;
    bool acts;
    AgentInput input;
    const ComboLog* step = nullptr; // when set, the input expected is this combo's next step
};

bool check(Probe& ai, const std::string& name) {
    if (name == "face dumb") return ai.face_enemy(AI::DUMB);
    if (name == "face smart") return ai.face_enemy(AI::SMART);
    if (name == "stomp") return ai.use_stomp();
    if (name == "backstab") return ai.backstab();
    if (name == "cautious") return ai.cautious_advance();
    if (name == "block stomp") return ai.block_stomp();
    if (name == "block teleport") return ai.block_teleport();
    if (name == "attack air") return ai.attack_air(0.18);
    ADD_FAILURE() << "no check " << name;
    return false;
}

// The thresholds: facing away, the simple mode turns and the smart one jumps to turn under 401;
// within 50 and moving in the air it stomps, moving it jumps, standing it walks on, beyond 200
// nothing; a backstab from under 70 behind; an advance only on an enemy not attacking; a stomp
// from under 100 is run under or blocked; a teleport is jumped at, or followed from the air.
TEST_F(AIBaseTest, EachCheckAtItsThresholds) {
    const AgentInput NONE, UP = AgentInput::UP, BACK = AgentInput::BACKWARD,
                           FWD = AgentInput::FORWARD, DOWN = AgentInput::DOWN,
                           HIT = AgentInput::ATTACK, AIR_HIT(true, false, false, false, true);
    const Situation cases[] = {
        {"face smart", IDLE, true, 0, 0, IDLE, false, 500, 0, 0, true, UP},
        {"face smart", IDLE, true, 0, 0, IDLE, false, 501, 0, 0, true, BACK},
        {"face dumb", IDLE, true, 0, 0, IDLE, false, 150, 0, 0, true, BACK},
        {"face dumb", IDLE, false, 0, 0, IDLE, false, 150, 0, 0, false, NONE},
        {"face smart", IDLE, false, 0, 0, IDLE, false, 150, 0, 0, false, NONE},
        {"stomp", IDLE, false, 100, 3, IDLE, false, 150, 0, 0, true, NONE, &Combos::STOMP},
        {"stomp", IDLE, false, 100, 3, IDLE, false, 151, 0, 0, true, UP},
        {"stomp", IDLE, false, 100, 3, IDLE, false, 301, 0, 0, false, NONE},
        {"stomp", IDLE, false, 100, 0, IDLE, false, 300, 0, 0, true, FWD},
        {"stomp", IDLE, false, 0, 3, IDLE, false, 150, 0, 0, true, UP},
        {"backstab", IDLE, false, 0, 0, IDLE, false, 169, 0, 0, true, FWD},
        {"backstab", WALK, false, 0, 0, IDLE, false, 169, 0, 0, true, HIT},
        {"backstab", WALK, false, 0, 0, IDLE, false, 170, 0, 0, false, NONE},
        {"cautious", IDLE, false, 0, 0, SLASH, true, 170, 0, 0, false, NONE},
        {"cautious", IDLE, false, 0, 0, IDLE, true, 170, 0, 0, true, FWD},
        {"block stomp", IDLE, false, 0, 0, IDLE, false, 199, 200, -2, true, FWD},
        {"block stomp", WALK, false, 0, 0, IDLE, false, 199, 200, -2, true, DOWN},
        {"block stomp", WALK, false, 0, 0, IDLE, false, 200, 200, -2, false, NONE},
        {"block teleport", IDLE, false, 0, 0, TELEPORT, false, 200, 200, 0, true, UP},
        {"block teleport", IDLE, false, 200, 0, TELEPORT, false, 200, 200, 0, true, NONE,
         &Combos::TELEPORT},
        // Closing at 5 a frame on an airborne enemy 50 beyond reach; not on one behind or grounded.
        {"attack air", IDLE, false, 200, 5, IDLE, false, 200, 200, 0, true, AIR_HIT},
        {"attack air", IDLE, false, 200, 5, IDLE, false, 0, 200, 0, false, NONE},
        {"attack air", IDLE, false, 200, 5, IDLE, false, 200, 0, 0, false, NONE},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Situation& c = cases[i];
        Agent::delete_all();
        Agent* me = new Agent(VARIANT_WHITE_CAPE, 10, Coord(100, FLOOR - c.my_up), 1, c.my_left);
        Agent* foe = new Agent(VARIANT_WHITE_CAPE, 10, Coord(c.foe_x, FLOOR - c.foe_up), 2,
                               c.foe_left);
        me->state = c.my_state;
        me->vel.x = c.my_vel_x;
        foe->state = c.foe_state;
        foe->vel.x = c.foe_vel_x;
        Probe ai(me, false);
        ai.run();
        const AgentInput expected = c.step ? step_of(me, *c.step) : c.input;
        EXPECT_EQ(check(ai, c.check), c.acts) << i << ": " << c.check;
        EXPECT_EQ(me->input, expected) << i << ": " << c.check;
    }
}

TEST_F(AIBaseTest, WithoutAnEnemyRunClearsTheInputAndTheChecksDoNotApply) {
    Agent* me = fighter(100, 1, false);
    fighter(200, 0, false); // neutral: never an enemy
    fighter(300, 1, false); // an ally
    Probe ai(me, false);
    ai.distance = 77;
    me->input = AgentInput(true, true, true, true, true);
    ai.run();
    EXPECT_EQ(ai.enemy, nullptr);
    EXPECT_EQ(ai.distance, 0);
    for (const char* name : {"face dumb", "face smart", "backstab", "block stomp"})
        EXPECT_FALSE(check(ai, name)) << name;
    EXPECT_FALSE(ai.block_melee(AI::DUMB));
    EXPECT_FALSE(ai.block_melee(AI::SMART));
    EXPECT_TRUE(me->input.empty());
}

TEST_F(AIBaseTest, RunFindsTheNearestEnemyAndProjectsBothEightFramesAhead) {
    Agent* me = fighter(100, 1, false);
    fighter(900, 2, false);
    Agent* near = fighter(400, 3, false);
    me->vel = Coord(2, 0);
    near->vel = Coord(-3, -5);
    Probe ai(me, false);
    ai.run();
    EXPECT_EQ(ai.enemy, near);
    // (116, 500) to (376, 460): sqrt(260² + 40²) = 263.06
    EXPECT_EQ(ai.distance, 263);
}

// Mid air slash the teleport cannot be stepped, so the controller only jumps.
TEST_F(AIBaseTest, MidAirSlashATeleportIsOnlyJumpedAt) {
    Agent* me = new Agent(VARIANT_WHITE_CAPE, 10, Coord(100, 300), 1, false);
    Agent* foe = new Agent(VARIANT_WHITE_CAPE, 10, Coord(200, 300), 2, false);
    foe->state = TELEPORT;
    me->state = AIR_SLASH;
    me->frame = Animation::airatk->next;
    Probe ai(me, false);
    ai.run();
    EXPECT_TRUE(ai.block_teleport());
    EXPECT_EQ(me->input, AgentInput::UP);
}

TEST_F(AIBaseTest, UseLightningStrikesOnlyWhenTheLandingTakes31To39Frames) {
    Agent* me = fighter(100, 1, false);
    Agent* foe = fighter(600, 2, false);
    Probe ai(me, false);
    const AgentInput strike = step_of(me, Combos::LIGHTNING);
    // From rest under gravity g the fall of n frames covers g * n(n-1)/2 exactly; holding up
    // halves the gravity, so the same height falls faster without it.
    const struct {
        int frames, g;
        bool holding_up, strikes;
    } falls[] = {{30, 4, false, false}, {31, 4, false, true}, {39, 4, false, true},
                 {40, 4, false, false}, {35, 2, true, true},  {30, 2, true, false},
                 {35, 2, false, false}};
    for (const auto& f : falls) {
        foe->pos.y = FLOOR - f.g * f.frames * (f.frames - 1) / 2;
        foe->vel.y = 0;
        foe->input = f.holding_up ? AgentInput::UP : AgentInput();
        ai.run();
        EXPECT_EQ(ai.use_lightning(), f.strikes) << f.frames << " " << f.holding_up;
        EXPECT_EQ(me->input == strike, f.strikes) << f.frames;
    }
    // On the ground only a roll is struck.
    foe->pos.y = FLOOR;
    foe->input = AgentInput();
    ai.run();
    EXPECT_FALSE(ai.use_lightning());
    foe->state = ROLL_START;
    EXPECT_TRUE(ai.use_lightning());
    EXPECT_EQ(me->input, strike);
}

// A bolt is dangerous between 170 above and 70 below the feet; far from the enemy only its
// bolts count, close by any bolt does. Lightning wants 300 of room and no enemy bolt within 500.
TEST_F(AIBaseTest, SafeAndLightningSafeJudgeTheBolts) {
    Agent* me = fighter(100, 1, false);
    Agent* foe = fighter(700, 2, false);
    Probe ai(me, false);
    auto with_bolt = [&](Agent* owner, int x, int height) {
        Attack::DB.clear();
        if (owner) new Attack(ATK_FIREBOLT, owner, Coord(x, FLOOR + height));
        ai.run();
        return ai.safe();
    };
    EXPECT_TRUE(with_bolt(nullptr, 0, 0));
    EXPECT_FALSE(with_bolt(foe, 400, 70));
    EXPECT_TRUE(with_bolt(foe, 400, 71));
    EXPECT_FALSE(with_bolt(foe, 400, -170));
    EXPECT_TRUE(with_bolt(foe, 400, -171));
    EXPECT_TRUE(with_bolt(me, 400, 0));
    foe->pos.x = 250;
    EXPECT_FALSE(with_bolt(me, 400, 0));

    // Enemy's x, an enemy bolt's x (0: none), lightning safe.
    const int cases[][3] = {{401, 0, 1}, {400, 0, 0}, {1000, 601, 1}, {1000, 600, 0}};
    for (const auto& c : cases) {
        foe->pos.x = c[0];
        with_bolt(c[1] ? foe : nullptr, c[1], 0);
        EXPECT_EQ(ai.lightning_safe(), c[2] == 1) << c[0] << " " << c[1];
    }
}

// Four slashes in five stand and swing; a lunge walks in first. A fighter running in judges
// the lunge from where it stands.
TEST_F(AIBaseTest, AttackChoosesSlashOrLungeByRandAndJudgesTheLungeFromWhereItStands) {
    Agent* me = fighter(100, 1, false);
    fighter(150, 2, false);
    Probe ai(me, false);
    int slashes = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Random::seed(seed);
        const bool slash = Random::next() % 100 <= 80;
        for (AgentState s : {IDLE, WALK}) {
            me->state = s;
            ai.run();
            Random::seed(seed);
            EXPECT_TRUE(ai.attack(80, 80));
            const AgentInput idle = slash ? AgentInput::ATTACK : AgentInput::FORWARD;
            const AgentInput walking = slash ? AgentInput() : AgentInput::ATTACK;
            EXPECT_EQ(me->input, s == IDLE ? idle : walking) << seed;
        }
        slashes += slash;
    }
    EXPECT_GT(slashes, 0);
    EXPECT_LT(slashes, 60);

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
    for (int x : {70, 71}) {
        me->pos.x = x;
        ai.run();
        EXPECT_EQ(ai.attack(80, 100), x == 71);
    }
}

TEST_F(AIBaseTest, TargetStateBlocksOnlyFromStatesThatCanAndRejectsOthers) {
    Agent* me = fighter(100, 1, false);
    Probe ai(me, false);
    ai.run();
    testing::internal::CaptureStdout();
    ai.target_state(IDLE);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("AI: target_state() given unsupported state, 0\n"), std::string::npos)
        << log;
    EXPECT_TRUE(me->input.empty());
    ai.target_state(BLOCK);
    EXPECT_EQ(me->input, AgentInput::DOWN);
    me->state = WALK;
    ai.run();
    ai.target_state(BLOCK);
    EXPECT_TRUE(me->input.empty());
}

TEST_F(AIBaseTest, BlockMeleeBlocksASlashDueSoonAndMeetsLunges) {
    Agent* me = fighter(100, 1, false);
    Agent* foe = fighter(180, 2, true);
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

// An enemy's fire shield rains fire in the first 41 frames of each 100 from 50 to 190, and
// rains on whoever is within 200 of the enemy or while the enemy teleports.
TEST_F(AIBaseTest, BlockFirerainFollowsTheShieldsRhythm) {
    Agent* me = fighter(100, 1, false);
    Agent* foe = fighter(299, 2, false);
    Probe ai(me, false);
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
    Agent* me = fighter(100, 1, false);
    Agent* foe = fighter(700, 2, true);
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

TEST_F(AIBaseTest, RegistryRunsAndDeletesOnlyListedControllers) {
    Agent* me = fighter(100, 1, false);
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
    Agent* me = fighter(100, 1, false);
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
