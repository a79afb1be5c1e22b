#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "CombatWorld.h"
#include "LevelWorld.h"
#include "ai/AI.h"
#include "ai/AI_Concrete.h"
#include "combat/Agent.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "level/Level.h"
#include "sprites/Animation.h"

namespace {

const int FLOOR = 500;

class BossProbe : public AI_Boss {
  public:
    using AI_Boss::AI_Boss;
    using AI_Boss::can_taunt;
};

class PenultimateProbe : public AI_Penultimate {
  public:
    using AI_Penultimate::AI_Penultimate;
    using AI_Penultimate::phase;
};

class Boss2Probe : public AI_Boss2 {
  public:
    using AI_Boss2::AI_Boss2;
    using AI_Boss2::stage;
};

class BossTest : public CombatWorld {
  protected:
    void SetUp() override {
        CombatWorld::SetUp();
        AI::kill_all();
        Level::suspend_win = 0;
        Level::skycolour = Pixel::make(127, 127, 127);
        Mix_HaltChannel(-1);
    }
    void TearDown() override {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Sound::playing = 0;
        Level::suspend_win = 0;
        AI::kill_all();
        CombatWorld::TearDown();
    }
    static int blood_sword_count() { return static_cast<int>(attacks(ATK_BLOOD_SWORD).size()); }
};

// ---- AI_Boss

TEST_F(BossTest, TheBossTauntsAtMostOnce) {
    Agent* boss = fighter(300, 2, false);
    Agent* foe = fighter(360, 1, true);
    BossProbe ai(boss, false);
    ai.run();
    EXPECT_TRUE(ai.can_taunt);
    EXPECT_EQ(Mix_Playing(-1), 0);

    // A stunned enemy struck by the boss's lightning is always worth a taunt.
    boss->state = LIGHTNING_STRIKE;
    foe->state = STUN;
    ai.run();
    EXPECT_FALSE(ai.can_taunt);
    EXPECT_GT(Mix_Playing(-1), 0);

    Mix_HaltChannel(-1);
    for (int i = 0; i < 50; ++i) {
        boss->state = LIGHTNING_STRIKE;
        foe->state = STUN;
        ai.run();
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Alone, the boss walks on and a penultimate does nothing; an enemy far away makes it vanish.
TEST_F(BossTest, AloneTheBossWalksOnAndAPenultimateWaitsForAnEnemyOrVanishesFromAFarOne) {
    Agent* boss = fighter(300, 2, false);
    BossProbe ai(boss, false);
    ai.run();
    EXPECT_EQ(boss->input, AgentInput::FORWARD);
    Agent* other = fighter(100, 2, false, 20);
    PenultimateProbe penultimate(other, false);
    other->state = STUN;
    penultimate.run();
    EXPECT_EQ(penultimate.phase, 0);
    EXPECT_EQ(other->state, STUN);
    EXPECT_TRUE(other->input.empty());
    fighter(1200, 1, true);
    penultimate.run();
    EXPECT_EQ(other->state, TELEPORT);
    EXPECT_EQ(count(Particle::foreground), 1);
}

// ---- AI_Penultimate

TEST_F(BossTest, APenultimateVanishesWhenHurtIntoAFightingPhaseBelowHalfHealth) {
    Agent* boss = fighter(300, 2, false, 20);
    Agent* foe = fighter(400, 1, true);
    Agent* bystander = fighter(600, 0, true);
    PenultimateProbe ai(boss, false);
    ai.run();
    EXPECT_EQ(ai.phase, 0);

    boss->set_hp(10); // exactly half
    std::set<int> phases;
    for (int i = 0; i < 40; ++i) {
        boss->state = STUN;
        foe->set_state(IDLE);
        ai.run();
        phases.insert(ai.phase);
        ASSERT_GE(ai.phase, 5);
        ASSERT_LE(ai.phase, 8);
        EXPECT_EQ(boss->state, TELEPORT);
        EXPECT_EQ(boss->frame, Animation::teleport);
        EXPECT_EQ(foe->state, STUN);
        EXPECT_EQ(bystander->state, STUN);
    }
    EXPECT_EQ(phases.size(), 4u);
    EXPECT_EQ(count(Particle::foreground), 40);

    boss->set_hp(11);
    phases.clear();
    for (int i = 0; i < 60; ++i) {
        boss->state = STUN;
        ai.run();
        phases.insert(ai.phase == 333 ? 3 : ai.phase);
    }
    EXPECT_LT(*phases.begin(), 5);
}

// ---- AI_Boss2

TEST_F(BossTest, Boss2StartsItsTrackUnlessItIsAlreadyPlaying) {
    if (Sound::mus.size() <= 4 || !Sound::mus[4]) GTEST_SKIP() << "no track 4";
    Agent* boss = fighter(300, 2, false, 50);
    fighter(700, 1, true);
    Boss2Probe ai(boss, false);
    Sound::play_music(3, true);
    ASSERT_EQ(Sound::playing, 3);
    ai.stage = 199;
    ai.run();
    EXPECT_EQ(Sound::playing, 4);
    EXPECT_NE(Mix_PlayingMusic(), 0);

    // Already the one playing, it is not started again (which would also unpause it).
    Mix_PauseMusic();
    ai.stage = 199;
    ai.run();
    EXPECT_EQ(Mix_PausedMusic(), 1);
    Mix_ResumeMusic();
}

// Runs a risen Boss2 in its storm until `enough` says stop, at most `limit` frames.
template <class Stop> int storm(Boss2Probe& ai, int limit, Stop enough) {
    int frames = 0;
    while (frames < limit && !enough()) {
        ai.run();
        ++frames;
    }
    return frames;
}

TEST_F(BossTest, Boss2StormFlashesTheSkyAndRaisesBloodPeasants) {
    Agent* boss = fighter(300, 2, false, 50);
    fighter(700, 1, true);
    Boss2Probe ai(boss, false);
    ai.stage = 341;

    // Lightning: white with thunder, red, then dark red.
    const Uint32 white = Pixel::make(255, 255, 255);
    storm(ai, 1000, [] { return Level::skycolour == Pixel::make(255, 255, 255); });
    ASSERT_EQ(Level::skycolour, white);
    ai.run();
    EXPECT_EQ(Level::skycolour, Pixel::make(255, 0, 0));
    ai.run();
    EXPECT_EQ(Level::skycolour, Pixel::make(100, 20, 20));

    std::vector<Agent*> peasants;
    std::set<bool> facings;
    storm(ai, 40000, [&] {
        for (size_t i = 2 + peasants.size(); i < Agent::agents.size(); ++i)
            peasants.push_back(Agent::agents[i]);
        for (Agent* p : peasants)
            facings.insert(p->facing_left);
        return facings.size() == 2 && peasants.size() >= 4;
    });
    ASSERT_GE(peasants.size(), 4u);
    EXPECT_EQ(facings.size(), 2u);
    EXPECT_GT(blood_sword_count(), 0);
    for (Agent* p : peasants) {
        EXPECT_EQ(p->variant, VARIANT_BLOOD);
        EXPECT_EQ(p->hp, 10);
        EXPECT_EQ(p->team, 2);
        EXPECT_LE(p->vel.y, 0);
        EXPECT_EQ(p->pos.x, 300);
        EXPECT_EQ(p->pos.y, FLOOR - 170);
    }
    // Each has a listed peasant controller, in the order the peasants came.
    ASSERT_EQ(AI::AI_list.size(), peasants.size());
    for (size_t i = 0; i < peasants.size(); ++i) {
        EXPECT_NE(dynamic_cast<AI_Peasant*>(AI::AI_list[i]), nullptr);
        EXPECT_EQ(AI::AI_list[i]->agent, peasants[i]);
    }
}

TEST_F(BossTest, Boss2FallsAndTheSkyFadesBackToGrey) {
    Agent* boss = fighter(300, 2, false, 50);
    fighter(700, 1, true);
    Boss2Probe ai(boss, false);
    ai.stage = 341;
    boss->alive = false;
    ai.run();
    EXPECT_EQ(boss->state, DISMEMBERED);
    EXPECT_EQ(ai.stage, 342);
    EXPECT_EQ(Level::skycolour, Pixel::make(101, 21, 21));
    for (int v = 342; v < 680; ++v)
        ai.run();
    EXPECT_EQ(Level::skycolour, Pixel::make(127, 127, 127));
    Level::skycolour = 0;
    ai.run();
    EXPECT_EQ(Level::skycolour, 0u);
    EXPECT_EQ(boss->state, DISMEMBERED);
    EXPECT_EQ(blood_sword_count(), 0);
}

// Played in a real level: the judgement must wait for the boss to rise under a red sky.
class BossLevelTest : public LevelWorld {};

TEST_F(BossLevelTest, WhileBoss2RisesTheLevelIsNeitherWonNorStagnant) {
    Agent* player = new Agent(VARIANT_WHITE_CAPE, 1000, Coord(100, FLOOR), 1, false);
    Agent* boss = new Agent(VARIANT_WHITE_CAPE, 50, Coord(600, FLOOR), 2, true);
    new AI_Boss2(boss, true);
    level->run();
    // Its entrance beheads it and stuns its enemies.
    ASSERT_FALSE(boss->alive);
    EXPECT_EQ(boss->state, BEHEADED);
    EXPECT_EQ(boss->variant, VARIANT_HEADLESS);
    EXPECT_EQ(player->state, STUN);
    EXPECT_EQ(Level::suspend_win, 1);
    for (int frame = 2; frame <= 340; ++frame) {
        EXPECT_FALSE(level->won()) << frame;
        EXPECT_FALSE(level->stagnant()) << frame;
        if (frame == 340) boss->set_hp(1); // hurt while rising, it still rises whole
        level->run();
    }
    EXPECT_EQ(Level::skycolour, Pixel::make(100, 20, 20));
    EXPECT_GT(attacks(ATK_MOTE).size(), 0u);
    // Restored on frame 341, and killed again the level is won.
    level->run();
    EXPECT_EQ(Level::suspend_win, 0);
    EXPECT_TRUE(boss->alive);
    EXPECT_EQ(boss->hp, 50);
    boss->alive = false;
    EXPECT_TRUE(player->alive);
    EXPECT_TRUE(level->won());
}

} // namespace
