#include <gtest/gtest.h>

#include <vector>

#include "combat/AgentInput.h"
#include "combat/ComboLog.h"
#include "combat/Combos.h"

namespace {

class CombosTest : public ::testing::Test {
protected:
    void SetUp() override {
        AgentInput::start();
        Combos::start();
    }

    const AgentInput NONE;
    // Feeds one input per frame.
    static void feed(ComboLog& log, const std::vector<AgentInput>& frames) {
        for (const AgentInput& in : frames) log.update(in);
    }
    static AgentInput both(const AgentInput& a, const AgentInput& b) {
        return AgentInput(a.up || b.up, a.down || b.down, a.forward || b.forward,
                          a.backward || b.backward, a.attack || b.attack);
    }
};

TEST_F(CombosTest, PushShiftsAndDropsTheOldestAndStartingTwiceBuildsTheSameCombos) {
    ComboLog log;
    EXPECT_TRUE(log.idle);
    for (int i = 0; i < ComboLog::LENGTH; ++i) EXPECT_TRUE(log.entries[i].empty());
    log.push(AgentInput::UP);
    for (int i = 0; i < ComboLog::LENGTH; ++i) log.push(AgentInput::DOWN);
    for (int i = 0; i < ComboLog::LENGTH; ++i) EXPECT_EQ(log.entries[i], AgentInput::DOWN);
    EXPECT_TRUE(log.idle);
    Combos::start();
    EXPECT_TRUE(Combos::FIREBOLT.entries[3].empty());
}

// Presses separated by releases, and clean changes without them, are recorded once each;
// the same input twice needs a release between.
TEST_F(CombosTest, InputsFedFrameByFrameMatchOrNot) {
    const AgentInput D = AgentInput::DOWN, B = AgentInput::BACKWARD, F = AgentInput::FORWARD,
                     A = AgentInput::ATTACK;
    const struct {
        std::vector<AgentInput> frames;
        const ComboLog* combo;
        bool matches;
    } cases[] = {
        {{D, NONE, B, NONE}, &Combos::FIREBOLT, false},
        {{D, NONE, B, NONE, F}, &Combos::FIREBOLT, true},
        {{D, D, B, B, F}, &Combos::FIREBOLT, true},
        {{A, F, F, D}, &Combos::LIGHTNING, false},
        {{A, F, NONE, F, D}, &Combos::LIGHTNING, true},
    };
    for (const auto& c : cases) {
        ComboLog log;
        feed(log, c.frames);
        EXPECT_EQ(log.matches(*c.combo), c.matches) << c.frames.size();
    }
}

TEST_F(CombosTest, HeldButtonsAlternateAndSpoilFirebolt) {
    ComboLog log;
    const AgentInput down_back = both(AgentInput::DOWN, AgentInput::BACKWARD);
    feed(log, {AgentInput::DOWN, down_back});
    EXPECT_EQ(log.entries[0], AgentInput::BACKWARD);
    EXPECT_EQ(log.entries[1], AgentInput::DOWN);
    log.update(down_back);
    EXPECT_EQ(log.entries[0], AgentInput::DOWN);
    EXPECT_EQ(log.entries[1], AgentInput::BACKWARD);

    log.update(both(down_back, AgentInput::FORWARD));
    EXPECT_EQ(log.entries[0], AgentInput::HORIZONTAL);
    EXPECT_FALSE(log.matches(Combos::FIREBOLT));
}

TEST_F(CombosTest, MatchesComparesOnlyUpToTheFirstEmptyEntry) {
    ComboLog log;
    feed(log, {AgentInput::UP, NONE, AgentInput::DOWN, NONE, AgentInput::DOWN});
    EXPECT_TRUE(log.matches(Combos::STOMP));
    EXPECT_TRUE(log.matches(ComboLog()));
    EXPECT_FALSE(log.matches(Combos::FIREBOLT));
    EXPECT_FALSE(ComboLog().matches(Combos::STOMP));

    // A full log matches a full combo only when all eight are equal.
    ComboLog summon;
    feed(summon, {AgentInput::DOWN, AgentInput::BACKWARD, AgentInput::DOWN, AgentInput::FORWARD,
                  AgentInput::BACKWARD, AgentInput::FORWARD, AgentInput::DOWN,
                  AgentInput::BACKWARD});
    EXPECT_TRUE(summon.matches(Combos::SUMMON));
    summon.entries[7] = AgentInput::UP;
    EXPECT_FALSE(summon.matches(Combos::SUMMON));
}

TEST_F(CombosTest, ApproachFireboltStepByStep) {
    ComboLog log;
    EXPECT_EQ(log.approach(Combos::FIREBOLT), AgentInput::DOWN);
    log.update(AgentInput::DOWN);
    // Still held: BACKWARD differs from the latest entry, so no release is needed.
    EXPECT_EQ(log.approach(Combos::FIREBOLT), AgentInput::BACKWARD);
    log.update(NONE);
    EXPECT_EQ(log.approach(Combos::FIREBOLT), AgentInput::BACKWARD);
    feed(log, {AgentInput::BACKWARD, AgentInput::FORWARD});
    EXPECT_TRUE(log.approach(Combos::FIREBOLT).empty());
}

TEST_F(CombosTest, ApproachDrivesAControllerThroughEveryCombo) {
    const ComboLog* combos[] = {&Combos::FIREBOLT, &Combos::SUMMON, &Combos::TELEPORT,
                                &Combos::LIGHTNING, &Combos::STOMP, &Combos::SHIELD};
    for (const ComboLog* combo : combos) {
        int inputs = 0;
        while (inputs < ComboLog::LENGTH && !combo->entries[inputs].empty()) ++inputs;
        ComboLog log;
        int frames = 0;
        while (!log.matches(*combo) && frames < 40) {
            log.update(log.approach(*combo));
            ++frames;
        }
        EXPECT_TRUE(log.matches(*combo)) << "combo of " << inputs << " inputs";
        // One frame per input, plus a release frame before each repeated input.
        int repeats = 0;
        for (int i = 1; i < inputs; ++i)
            if (combo->entries[i] == combo->entries[i - 1]) ++repeats;
        EXPECT_EQ(frames, inputs + repeats) << "combo of " << inputs << " inputs";
    }
}

} // namespace
