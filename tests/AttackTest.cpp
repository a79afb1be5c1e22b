#include <string>

#include "CombatWorld.h"
#include "ai/AI.h"
#include "ai/AI_Peasant.h"

namespace {

// Runs the attack list `frames` times, as the level does once a frame.
void run_attacks(int frames) {
    for (int i = 0; i < frames; ++i)
        Attack::DB.run();
}

class AttackTest : public CombatWorld {};

// A swing at the body of a stunned fighter wounds on each of its five frames, then ends; a
// stroke from behind cuts deeper, one that leaves the body (moving on with the swordsman)
// stops wounding, and the swordsman's own side and the neutral are spared.
TEST_F(AttackTest, ASwingWoundsOnEachOfItsFiveFramesThenEnds) {
    const struct {
        const char* target;
        int team;
        bool facing_left;
        int owner_speed, frames, hp_low, hp_high;
    } cases[] = {{"face to face", 2, true, 0, 5, 15, 15},
                 {"from behind", 2, false, 0, 1, 18, 18},
                 {"leaving the body", 2, true, 40, 5, 16, 19},
                 {"an ally", 1, true, 0, 5, 20, 20},
                 {"the neutral", 0, true, 0, 5, 20, 20}};
    for (const auto& c : cases) {
        Agent* owner = fighter(300, 1, false);
        Agent* target = fighter(340, c.team, c.facing_left, 20);
        target->set_state(STUN);
        const Coord body = point_on(target, 2);
        owner->vel = Coord(c.owner_speed, 0);
        new Attack(ATK_SLASH, owner, body);
        run_attacks(c.frames);
        EXPECT_GE(target->hp, c.hp_low) << c.target;
        EXPECT_LE(target->hp, c.hp_high) << c.target;
        EXPECT_EQ(target->state, STUN) << c.target;
        EXPECT_EQ(attacks(ATK_SLASH).empty(), c.frames == 5) << c.target;
        TearDown();
        SetUp();
    }
}

// A block ends a swing and heals the blocker at the swordsman's cost (never below 0, never
// over the maximum); a telekinetic sword wounds its owner; a lunge goes through, enfeebling.
TEST_F(AttackTest, WhatABlockDoesToEachAttack) {
    const struct {
        AttackType type;
        int owner_hp, blocker_hp, owner_after, blocker_after, max_after;
        AgentState owner_state, blocker_state;
    } cases[] = {{ATK_SLASH, 3, 17, 0, 20, 20, IDLE, IDLE},
                 {ATK_TELEKINESIS, 20, 20, 15, 20, 20, STUN, BLOCK},
                 {ATK_LUNGE, 20, 40, 20, 15, 25, IDLE, STUN}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Agent* owner = fighter(300, 1, false, 20);
        owner->hp = c.owner_hp;
        Agent* blocker = fighter(340, 2, true, std::max(20, c.blocker_hp));
        blocker->hp = c.blocker_hp;
        blocker->set_state(BLOCK);
        const int delay = owner->frame_delay;
        new Attack(c.type, owner, point_on(blocker, c.type == ATK_SLASH ? 1 : 2));
        run_attacks(1);
        EXPECT_EQ(owner->hp, c.owner_after);
        EXPECT_EQ(blocker->hp, c.blocker_after);
        EXPECT_EQ(blocker->max_hp, c.max_after);
        EXPECT_EQ(owner->state, c.owner_state);
        EXPECT_EQ(blocker->state, c.blocker_state);
        EXPECT_TRUE(owner->alive);
        if (c.type == ATK_SLASH) {
            EXPECT_TRUE(attacks(ATK_SLASH).empty());
            EXPECT_EQ(owner->frame_delay, delay + 2);
        }
        TearDown();
        SetUp();
    }
}

TEST_F(AttackTest, TwoSwingsInOneFrameNeverStrikeTheCorpse) {
    Agent* owner = fighter(300, 1, false);
    Agent* target = fighter(340, 2, true, 1);
    const Coord body = point_on(target, 2);
    new Attack(ATK_SLASH, owner, body);
    new Attack(ATK_SLASH, owner, body);
    testing::internal::CaptureStdout();
    run_attacks(5);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(target->alive);
    EXPECT_EQ(target->state, DYING);
    EXPECT_EQ(log.find("already-dead"), std::string::npos) << log;
}

TEST_F(AttackTest, ALungeBeheadsTheStunned) {
    Agent* stunned = fighter(340, 2, true, 1);
    stunned->set_state(STUN);
    new Attack(ATK_LUNGE, fighter(300, 1, false), point_on(stunned, 2));
    run_attacks(1);
    EXPECT_EQ(stunned->state, BEHEADED);
}

// A bolt cast from `caster`'s hand height towards the right.
Attack* cast_bolt(Agent* caster) {
    return new Attack(ATK_FIREBOLT, caster, Coord(caster->pos.x + 40, caster->pos.y - 50));
}

TEST_F(AttackTest, AReflectedBoltFliesBackAndKillsItsCaster) {
    Agent* caster = fighter(200, 1, false, 5);
    Agent* blocker = fighter(450, 2, true, 20);
    blocker->set_state(BLOCK);
    Attack* bolt = cast_bolt(caster);
    bool reflected = false;
    for (int frame = 0; frame < 200 && !attacks(ATK_FIREBOLT).empty(); ++frame) {
        run_attacks(1);
        if (!attacks(ATK_FIREBOLT).empty() && bolt->owner == blocker) reflected = true;
    }
    EXPECT_TRUE(reflected);
    EXPECT_EQ(blocker->hp, 20);
    EXPECT_EQ(blocker->state, IDLE);
    EXPECT_FALSE(caster->alive);
    EXPECT_EQ(caster->state, BOLT_DEATH);
    EXPECT_TRUE(attacks(ATK_FIREBOLT).empty());
}

TEST_F(AttackTest, ABoltFliesStraightBurstsBelowTheFloorAndTurnsTowardsAnEnemyInItsCone) {
    Agent* caster = fighter(200, 1, false);
    fighter(20, 2, false); // behind the caster, outside the cone
    Attack* bolt = cast_bolt(caster);
    const int y = bolt->carrier->pos.y;
    int frames = 0;
    for (; !attacks(ATK_FIREBOLT).empty() && frames < 200; ++frames) {
        EXPECT_EQ(bolt->carrier->pos.y, y);
        run_attacks(1);
    }
    EXPECT_EQ(frames, 51) << "13 pixels a frame from x = 240 to beyond 900";
    EXPECT_TRUE(particles(Particle::foreground).empty());

    new Attack(ATK_FIREBOLT, caster, Coord(300, Level::FLOOR_HEIGHT + 1));
    run_attacks(1);
    EXPECT_TRUE(attacks(ATK_FIREBOLT).empty());
    const std::vector<Particle*> burst = particles(Particle::foreground);
    ASSERT_EQ(burst.size(), 1u);
    EXPECT_EQ(burst[0]->animation, Animation::bolt_hit);
    EXPECT_EQ(burst[0]->pos, Coord(300, Level::FLOOR_HEIGHT + 1));

    fighter(600, 2, true);
    bolt = new Attack(ATK_FIREBOLT, caster, Coord(240, 300));
    run_attacks(3);
    EXPECT_GT(bolt->heading, 0.0) << "down towards the enemy's chest";
}

// Grounded enemies within reach lose 35; one that dies bursts apart.
TEST_F(AttackTest, AStompHarmsOnlyGroundedEnemiesNearbyAndBurstsTheKilled) {
    Agent* stomper = fighter(300, 1, false);
    Agent* ally = fighter(330, 1, false);
    Agent* neutral = fighter(270, 0, false);
    Agent* enemy = fighter(360, 2, true, 40);
    Agent* far = fighter(375, 2, true, 40);
    Agent* flying = new Agent(VARIANT_WHITE_CAPE, 40, Coord(310, 400), 2, true);
    Agent* weak = fighter(240, 2, false, 35);
    new Attack(ATK_STOMP, stomper, stomper->pos);
    run_attacks(1);
    EXPECT_EQ(ally->hp, 20);
    EXPECT_EQ(neutral->hp, 20);
    EXPECT_EQ(enemy->hp, 5);
    EXPECT_EQ(far->hp, 40);
    EXPECT_EQ(flying->hp, 40);
    EXPECT_TRUE(attacks(ATK_STOMP).empty());
    EXPECT_FALSE(weak->alive);
    EXPECT_EQ(weak->state, GONE);
    EXPECT_EQ(attacks(ATK_GIBLET).size(), 6u);
}

TEST_F(AttackTest, OneFireShieldBurnsForAHundredFrames) {
    Agent* owner = fighter(300, 1, false);
    Agent* near = fighter(390, 2, true, 100);
    Agent* away = fighter(500, 2, true, 100);
    new Attack(ATK_FIRESHIELD, owner, Coord(0, 0));
    run_attacks(60);
    EXPECT_EQ(near->hp, 100);
    run_attacks(1);
    EXPECT_EQ(near->hp, 99);
    run_attacks(39);
    EXPECT_NE(Attack::get_closest(ATK_FIRESHIELD, Coord(0, 0)), nullptr);
    EXPECT_EQ(away->hp, 100);
    run_attacks(1);
    EXPECT_EQ(Attack::get_closest(ATK_FIRESHIELD, Coord(0, 0)), nullptr);
    // One puff or flame a frame.
    EXPECT_EQ(particles(Particle::foreground).size(), 100u);
}

TEST_F(AttackTest, TheShieldComboIsIgnoredWhileAShieldBurns) {
    Agent* caster = fighter(300, 1, false);
    fighter(700, 2, true);
    // The caster keeps entering the combo, as a computer controller would.
    int shields_raised = 0;
    int frame_of_second = 0;
    for (int frame = 1; frame <= 200; ++frame) {
        const AgentState before = caster->state;
        caster->input = caster->log.approach(Combos::SHIELD);
        Agent::run_all();
        run_attacks(1);
        EXPECT_LE(attacks(ATK_FIRESHIELD).size(), 1u);
        if (caster->state == FIRESHIELD && before != FIRESHIELD) {
            ++shields_raised;
            if (shields_raised == 2) frame_of_second = frame;
        }
    }
    // The second comes only once the first has burnt its 100 frames.
    EXPECT_EQ(shields_raised, 2);
    EXPECT_GT(frame_of_second, 100);
}

TEST_F(AttackTest, AHaloGlowsOnTheLivingAndLeavesTheDeadPlain) {
    Agent* owner = fighter(400, 2, false);
    new Attack(ATK_HALO, owner, Coord(0, 0));
    run_attacks(10);
    EXPECT_NE(owner->variant, VARIANT_WHITE_CAPE);
    EXPECT_GT(non_black_pixels(), 0);

    owner->set_state(DYING);
    Graphics::screen->fill(Pixel::black);
    run_attacks(1);
    EXPECT_EQ(owner->variant, VARIANT_NO_CAPE);
    EXPECT_EQ(non_black_pixels(), 0);
}

TEST_F(AttackTest, LightningStrikesTheNearestGroundedEnemyAndEndsWithTheSpell) {
    Agent* caster = fighter(300, 1, false);
    Agent* enemy = fighter(500, 2, true, 10);
    new Agent(VARIANT_WHITE_CAPE, 10, Coord(350, 300), 2, true);
    caster->set_state(LIGHTNING_STRIKE);
    caster->frame = Animation::lightning->next->next;
    new Attack(ATK_LIGHTNING, caster, Coord(330, 440));
    run_attacks(1);
    EXPECT_EQ(enemy->hp, 9);
    EXPECT_GT(non_black_pixels(), 0);

    caster->set_state(IDLE);
    run_attacks(1);
    EXPECT_TRUE(attacks(ATK_LIGHTNING).empty());
}

TEST_F(AttackTest, ATelekineticSwordStrikesOnceThenRecoversFor16Frames) {
    Agent* owner = fighter(100, 1, false);
    Agent* target = fighter(500, 2, true, 100);
    Attack* sword = new Attack(ATK_TELEKINESIS, owner, point_on(target, 2));
    run_attacks(16);
    EXPECT_NE(static_cast<Particle*>(sword->carrier)->sprite, SpriteSheet::base[38]);
    run_attacks(1);
    EXPECT_EQ(target->hp, 95);
    EXPECT_EQ(static_cast<Particle*>(sword->carrier)->sprite, SpriteSheet::base[38]) << "ready";
    // With its owner dead the sword falls and is lost off the screen.
    owner->set_state(DYING);
    run_attacks(1);
    EXPECT_EQ(static_cast<Particle*>(sword->carrier)->gravity, 1);
    EXPECT_TRUE(static_cast<Particle*>(sword->carrier)->dies_offscreen);
}

// Every enemy under an attack is tested, even once the attack has ended or struck: a fire bolt
// over two overlapping enemies burns both (and bursts twice), a telekinetic sword cuts both.
TEST_F(AttackTest, AnAttackStrikesEveryEnemyItOverlaps) {
    const struct {
        AttackType type;
        int wound;
        size_t bursts;
    } cases[] = {{ATK_FIREBOLT, 7, 2}, {ATK_TELEKINESIS, 5, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Agent* owner = fighter(100, 1, false);
        Agent* first = fighter(500, 2, true, 100);
        Agent* second = fighter(500, 2, true, 100);
        new Attack(c.type, owner, point_on(first, 2));
        Attack::DB.run();
        EXPECT_EQ(first->hp, 100 - c.wound);
        EXPECT_EQ(second->hp, 100 - c.wound);
        size_t bursts = 0;
        for (Particle* p : particles(Particle::foreground))
            bursts += p->animation == Animation::bolt_hit;
        EXPECT_EQ(bursts, c.bursts);
        TearDown();
        SetUp();
    }
}

TEST_F(AttackTest, ASummonDropsAWaterCreatureOfTheCastersSide) {
    Agent* caster = fighter(300, 3, false);
    new Attack(ATK_SUMMON, caster, caster->pos);
    ASSERT_EQ(Agent::agents.size(), 2u);
    Agent* creature = Agent::agents[1];
    EXPECT_EQ(creature->variant, VARIANT_WATER);
    EXPECT_EQ(creature->team, 3);
    EXPECT_TRUE(creature->airborn());
    // It fights as a listed peasant.
    ASSERT_EQ(AI::AI_list.size(), 1u);
    EXPECT_NE(dynamic_cast<AI_Peasant*>(AI::AI_list[0]), nullptr);
    EXPECT_EQ(AI::AI_list[0]->agent, creature);
    AI::kill_all();
    run_attacks(1);
    EXPECT_TRUE(attacks(ATK_SUMMON).empty());
}

// Hellfire flames for 29 frames, a flame each; a pit opens in stages 0 (closed) to 15.
TEST_F(AttackTest, HellfireBurnsForItsFramesAndAPitKeepsItsStages) {
    new Attack(ATK_HELLFIRE, nullptr, Coord(400, 30));
    run_attacks(29);
    EXPECT_EQ(particles(Particle::foreground).size(), 29u);
    run_attacks(1);
    EXPECT_TRUE(attacks(ATK_HELLFIRE).empty());

    Attack* pit = new Attack(ATK_PIT, nullptr, Coord(400, 7));
    EXPECT_EQ(pit->pos.y, 0);
    for (const auto& [set, kept] : {std::pair{40, 15}, {-3, 0}}) {
        pit->pos.y = set;
        run_attacks(1);
        EXPECT_EQ(pit->pos.y, kept);
    }
}

// Whose bolts count for a fighter is judged by the computer controllers' tests.
TEST_F(AttackTest, SearchesFindTheNearestAttackOfAType) {
    Agent* b = fighter(700, 2, true);
    Attack* own = new Attack(ATK_HELLFIRE, nullptr, Coord(120, 500));
    Attack* theirs = new Attack(ATK_FIREBOLT, b, Coord(600, 450));
    Attack* nearer = new Attack(ATK_FIREBOLT, b, Coord(300, 450));
    EXPECT_EQ(Attack::get_closest(ATK_FIREBOLT, fighter(100, 1, false)), nearer);
    EXPECT_EQ(Attack::get_closest(ATK_FIREBOLT, fighter(400, 0, false)), nullptr);
    EXPECT_EQ(Attack::get_closest(ATK_FIREBOLT, Coord(650, 450)), theirs);
    EXPECT_EQ(Attack::get_closest(ATK_HELLFIRE, Coord(0, 0)), own);
    EXPECT_EQ(Attack::get_closest(ATK_PIT, Coord(0, 0)), nullptr);
}

TEST_F(AttackTest, AnAttackThatNeedsAnOwnerAndHasNoneDoesNothing) {
    new Attack(ATK_SLASH, nullptr, Coord(100, 100));
    new Attack(ATK_HALO, nullptr, Coord(0, 0));
    run_attacks(1);
    EXPECT_EQ(count(Attack::DB), 0);
}

} // namespace
