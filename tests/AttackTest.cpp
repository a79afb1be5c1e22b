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

// What a block does to a swing or a lunge the recorded fights show; a blocked telekinetic
// sword wounds its owner.
TEST_F(AttackTest, ABlockedTelekineticSwordWoundsItsOwner) {
    Agent* owner = fighter(300, 1, false, 20);
    Agent* blocker = fighter(340, 2, true, 20);
    blocker->set_state(BLOCK);
    new Attack(ATK_TELEKINESIS, owner, point_on(blocker, 2));
    run_attacks(1);
    EXPECT_EQ(owner->hp, 15);
    EXPECT_EQ(owner->state, STUN);
    EXPECT_EQ(blocker->hp, 20);
    EXPECT_EQ(blocker->state, BLOCK);
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

// Enemies within reach lose 35; who is grounded and who bursts the recorded fights show.
TEST_F(AttackTest, AStompHarmsOnlyEnemiesNearby) {
    Agent* stomper = fighter(300, 1, false);
    Agent* ally = fighter(330, 1, false);
    Agent* neutral = fighter(270, 0, false);
    Agent* enemy = fighter(360, 2, true, 40);
    Agent* far = fighter(375, 2, true, 40);
    new Attack(ATK_STOMP, stomper, stomper->pos);
    run_attacks(1);
    EXPECT_EQ(ally->hp, 20);
    EXPECT_EQ(neutral->hp, 20);
    EXPECT_EQ(enemy->hp, 5);
    EXPECT_EQ(far->hp, 40);
    EXPECT_TRUE(attacks(ATK_STOMP).empty());
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

// Whom it strikes the recorded fights show; here, that it is drawn and ends with the spell.
TEST_F(AttackTest, LightningIsDrawnAndEndsWithTheSpell) {
    Agent* caster = fighter(300, 1, false);
    fighter(500, 2, true, 10);
    caster->set_state(LIGHTNING_STRIKE);
    caster->frame = Animation::lightning->next->next;
    new Attack(ATK_LIGHTNING, caster, Coord(330, 440));
    run_attacks(1);
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

// Whose bolts count for a fighter the recorded fights show.
TEST_F(AttackTest, SearchesFindTheNearestAttackOfAType) {
    Agent* b = fighter(700, 2, true);
    Attack* own = new Attack(ATK_HELLFIRE, nullptr, Coord(120, 500));
    Attack* theirs = new Attack(ATK_FIREBOLT, b, Coord(600, 450));
    new Attack(ATK_FIREBOLT, b, Coord(300, 450));
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
