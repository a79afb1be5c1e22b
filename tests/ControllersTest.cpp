// The players' keys, the factory, and the controllers' rules the recorded fights do not reach
// exactly (the stationary fighter, Vader, the mage and the Mk2 they guard whole).
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "CombatWorld.h"
#include "ai/AI.h"
#include "ai/AI_Concrete.h"
#include "combat/Agent.h"
#include "combat/Combos.h"
#include "level/Level.h"
#include "sprites/Animation.h"

namespace {

const int FLOOR = 500;

// Controllers whose private counters the tests set or read.
class PeasantProbe : public AI_Peasant {
  public:
    using AI_Peasant::AI_Peasant;
    using AI_Peasant::mood;
};

class ControllersTest : public CombatWorld {
  protected:
    void SetUp() override {
        CombatWorld::SetUp();
        AI::kill_all();
        keys.assign(SDLK_LAST, 0);
        AI::keystates = keys.data();
    }
    void TearDown() override {
        AI::keystates = nullptr;
        AI::kill_all();
        CombatWorld::TearDown();
    }

    void hold(SDLKey key) { keys[key] = 1; }
    void release(SDLKey key) { keys[key] = 0; }

    // One frame of play without the event pump: the controller, then agents and attacks.
    static void play_frame(AI* controller) {
        controller->run();
        Agent::run_all();
        Attack::DB.run();
    }

    std::vector<Uint8> keys;
};

AgentInput step_of(const Agent* a, const ComboLog& combo) {
    return a->log.approach(combo);
}

// ---- the players

// The first player's arrows and the second player's letters follow the facing; the second
// player swings at once and ignores the first player's keys.
TEST_F(ControllersTest, PlayersKeysFollowTheFacing) {
    const struct {
        bool second, facing_left;
        std::vector<SDLKey> held;
        AgentInput expected;
    } cases[] = {
        {false, false, {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT},
         AgentInput(true, true, true, true, false)},
        {false, false, {SDLK_RIGHT}, AgentInput::FORWARD},
        {false, true, {SDLK_RIGHT}, AgentInput::BACKWARD},
        {true, true, {SDLK_f}, AgentInput::ATTACK},
        {true, true, {SDLK_a, SDLK_w}, AgentInput(true, false, true, false, false)},
        {true, true, {SDLK_d, SDLK_s}, AgentInput(false, true, false, true, false)},
        {true, true, {SDLK_SPACE, SDLK_LEFT}, AgentInput()},
    };
    for (const auto& c : cases) {
        keys.assign(SDLK_LAST, 0);
        for (SDLKey k : c.held) hold(k);
        Agent* me = fighter(300, 1, c.facing_left);
        AI* player = c.second ? static_cast<AI*>(new AI_P2(me, false)) : new AI_P1(me, false);
        player->run();
        EXPECT_EQ(me->input, c.expected) << c.second << " " << c.held[0];
        delete player;
    }
}

TEST_F(ControllersTest, FirstPlayerTurningAboutSwapsTheArrowsOnTheNextFrame) {
    Agent* me = fighter(300, 1, false);
    AI_P1 p1(me, false);
    hold(SDLK_LEFT);
    p1.run();
    EXPECT_EQ(me->input, AgentInput::BACKWARD);
    int frames = 0;
    while (!me->facing_left && frames++ < 40)
        play_frame(&p1);
    ASSERT_TRUE(me->facing_left);
    p1.run();
    EXPECT_EQ(me->input, AgentInput::FORWARD);
    release(SDLK_LEFT);
    hold(SDLK_RIGHT);
    p1.run();
    EXPECT_EQ(me->input, AgentInput::BACKWARD);
}

TEST_F(ControllersTest, SpaceHeldThroughCreationSwingsOnlyAfterARelease) {
    Agent* me = fighter(300, 1, false);
    hold(SDLK_SPACE);
    AI_P1 p1(me, false);
    EXPECT_TRUE(AI::suspend_attack_key);
    for (int i = 0; i < 3; ++i) {
        p1.run();
        EXPECT_FALSE(me->input.attack) << i;
    }
    release(SDLK_SPACE);
    p1.run();
    EXPECT_FALSE(me->input.attack);
    EXPECT_FALSE(AI::suspend_attack_key);
    hold(SDLK_SPACE);
    for (int i = 0; i < 3; ++i) {
        p1.run();
        EXPECT_TRUE(me->input.attack) << i;
    }
    // A new first player arms the latch again.
    AI_P1 again(me, false);
    again.run();
    EXPECT_FALSE(me->input.attack);
}

TEST_F(ControllersTest, PlayersWithoutASampledKeyboardPressNothing) {
    Agent* me = fighter(300, 1, false);
    AI_P1 p1(me, false);
    AI_P2 p2(me, false);
    AI::keystates = nullptr;
    p1.run();
    EXPECT_TRUE(me->input.empty());
    EXPECT_TRUE(AI::suspend_attack_key);
    p2.run();
    EXPECT_TRUE(me->input.empty());
}

// ---- the factory

// Every name makes the class of that name (as the compiler mangles it), listed;
// an unknown name is logged and answered with a dummy, which an unlisted caller owns.
TEST_F(ControllersTest, TheFactoryMakesTheNamedClassOrALoggedDummy) {
    Agent* me = fighter(300, 2, false);
    const std::vector<std::string> names = AI::controller_names();
    EXPECT_EQ(names.size(), 22u);
    for (const std::string& name : names) {
        AI* made = AI::make_AI(name, me, true);
        EXPECT_EQ(typeid(*made).name(), std::to_string(name.size()) + name);
        EXPECT_EQ(made->agent, me);
        EXPECT_EQ(AI::AI_list.back(), made);
    }
    EXPECT_EQ(AI::AI_list.size(), names.size());

    testing::internal::CaptureStdout();
    AI* loose = AI::make_AI("ai_mk1", me, false);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Invalid AI: ai_mk1"), std::string::npos) << log;
    EXPECT_EQ(typeid(*loose), typeid(AI_Dummy));
    EXPECT_EQ(AI::AI_list.size(), names.size());
    delete loose;
}

TEST_F(ControllersTest, PlayersAreHandedToTheComputerInTheirPlaces) {
    const std::vector<std::pair<std::string, int>> made = {
        {"AI_P1", 1}, {"AI_Mk1", 1}, {"AI_P2", 2}, {"AI_Dummy", 2}};
    for (const auto& m : made)
        AI::make_AI(m.first, fighter(100 * m.second, m.second, false), true);
    const std::vector<AI*> before = AI::AI_list;

    EXPECT_EQ(AI::replace_players("AI_Mk3"), 2);
    const std::vector<const std::type_info*> now = {&typeid(AI_Mk3), &typeid(AI_Mk1),
                                                    &typeid(AI_Mk3), &typeid(AI_Dummy)};
    ASSERT_EQ(AI::AI_list.size(), made.size());
    for (size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(typeid(*AI::AI_list[i]), *now[i]) << i;
        EXPECT_EQ(AI::AI_list[i]->agent, Agent::agents[i]) << i;
    }
    EXPECT_EQ(AI::AI_list[1], before[1]) << "computer controllers are kept";
    EXPECT_EQ(AI::replace_players("AI_Mk3"), 0) << "nobody is left to hand over";
}

// ---- simple computer controllers

// What a simple controller presses in one situation: its fighter (of team 2) at x, raised
// above the floor by `above`, facing left or not and in a state, with or without an enemy.
TEST_F(ControllersTest, SimpleControllersInEachSituation) {
    const AgentInput JUMP_ON(true, false, true, false, false);
    const AgentInput BOLT_STEP(true, true, true, true, true); // stands for the bolt's step
    const struct {
        const char* controller;
        int x, above;
        bool facing_left;
        AgentState state;
        int foe_x; // 0: no enemy
        AgentInput input;
    } cases[] = {
        {"AI_Dummy", 300, 0, false, IDLE, 0, AgentInput()},
        {"AI_Dummy", 300, 0, false, WALK, 0, AgentInput::FORWARD},
        {"AI_Dummy", 300, 0, false, IDLE, 200, AgentInput::BACKWARD},
        {"AI_Dummy", 300, 0, true, IDLE, 200, AgentInput()},
        // A panicked fighter watches from afar and flees up close.
        {"AI_Panicked", 300, 0, true, IDLE, 900, AgentInput(false, false, true, true, false)},
        {"AI_Panicked", 300, 0, false, IDLE, 900, AgentInput()},
        {"AI_Panicked", 300, 0, false, IDLE, 500, AgentInput::FORWARD},
        // A fast bolter bolts from afar, unless bolting, and slashes up close.
        {"AI_FastBolter", 300, 0, false, IDLE, 500, BOLT_STEP},
        {"AI_FastBolter", 300, 0, false, BOLT, 500, AgentInput()},
        {"AI_FastBolter", 300, 0, false, IDLE, 370, AgentInput::ATTACK},
        // Outside the pit a pit fighter turns towards it, jumps back in, and waits in the air.
        {"AI_Pitfighter", 600, 0, false, IDLE, 400, AgentInput::BACKWARD},
        {"AI_Pitfighter", 600, 0, true, IDLE, 400, JUMP_ON},
        {"AI_Pitfighter", 600, 100, true, IDLE, 400, AgentInput()},
        {"AI_Pitfighter", 200, 0, false, IDLE, 400, JUMP_ON},
    };
    for (const auto& c : cases) {
        Agent* me = fighter(c.x, 2, c.facing_left);
        me->pos.y -= c.above;
        if (c.state != IDLE) me->set_state(c.state);
        if (c.foe_x) fighter(c.foe_x, 1, true);
        AI* controller = AI::make_AI(c.controller, me, false);
        controller->run();
        const AgentInput expected = c.input == BOLT_STEP ? step_of(me, Combos::FIREBOLT) : c.input;
        EXPECT_FALSE(c.input == BOLT_STEP && expected.empty());
        EXPECT_EQ(me->input, expected) << c.controller << " at " << c.x << " foe " << c.foe_x;
        delete controller;
        Agent::delete_all();
    }
}

// A fresh summoner summons at once, only while alive, and waits 150 frames after each summoning.
TEST_F(ControllersTest, ASummonerSummonsAtOnceWhileAliveThenWaits) {
    Agent* me = fighter(300, 2, false);
    fighter(600, 1, true);
    me->alive = false;
    AI_Summoner dead(me, false);
    dead.run();
    EXPECT_NE(me->input, step_of(me, Combos::SUMMON));
    EXPECT_TRUE(me->input.forward);

    me->alive = true;
    AI_Summoner summoner(me, false);
    summoner.run();
    EXPECT_EQ(me->input, step_of(me, Combos::SUMMON));
    Frame* summoning_picture = Animation::summoning->next;
    ASSERT_EQ(summoning_picture->sprite_index, 96);
    me->frame = summoning_picture;
    summoner.run();
    EXPECT_NE(me->input, step_of(me, Combos::SUMMON));
    me->frame = Animation::idle;
    for (int i = 1; i < 151; ++i) {
        summoner.run();
        ASSERT_NE(me->input, step_of(me, Combos::SUMMON)) << i;
    }
    summoner.run();
    EXPECT_EQ(me->input, step_of(me, Combos::SUMMON));
}

// A peasant watched by its enemy (facing it, 200 away) acts on its mood: a mover moves on, a
// fleer facing the enemy turns and jumps away then runs, a fighter turns to face it first; far
// away a fleer heads for the enemy.
TEST_F(ControllersTest, PeasantMoods) {
    const struct {
        int mood;
        bool facing_left;
        int foe_x;
        AgentInput input;
    } cases[] = {{0, false, 500, AgentInput::FORWARD},
                 {2, false, 500, AgentInput(true, false, false, true, false)},
                 {2, true, 500, AgentInput::FORWARD},
                 {1, true, 500, AgentInput::UP},
                 {2, false, 1500, AgentInput::FORWARD}};
    Agent* me = fighter(300, 2, false);
    Agent* foe = fighter(500, 1, true);
    PeasantProbe peasant(me, false);
    for (const auto& c : cases) {
        me->facing_left = c.facing_left;
        foe->pos.x = c.foe_x;
        peasant.mood = c.mood;
        peasant.run();
        EXPECT_EQ(me->input, c.input) << c.mood << " " << c.facing_left << " " << c.foe_x;
        EXPECT_TRUE(c.foe_x != 500 || peasant.mood == c.mood) << "watched, it keeps its mood";
    }
    // Out of sight, a mover picks a new mood.
    foe->pos.x = 500;
    foe->facing_left = false;
    int changes = 0;
    for (int i = 0; i < 20; ++i) {
        peasant.mood = 0;
        peasant.run();
        changes += peasant.mood != 0;
    }
    EXPECT_GT(changes, 5);
}

} // namespace
