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

TEST_F(CombosTest, PushDropsTheOldestAndStartingTwiceBuildsTheSameCombos) {
    ComboLog log;
    log.push(AgentInput::UP);
    for (int i = 0; i < ComboLog::LENGTH; ++i) log.push(AgentInput::DOWN);
    for (int i = 0; i < ComboLog::LENGTH; ++i) EXPECT_EQ(log.entries[i], AgentInput::DOWN);
    Combos::start();
    EXPECT_TRUE(Combos::FIREBOLT.entries[3].empty());
}

// Presses separated by releases, and clean changes without them, are recorded once each;
// the same input twice needs a release between.
TEST_F(CombosTest, InputsFedFrameByFrameMatchOrNot) {
    const AgentInput D = AgentInput::DOWN, B = AgentInput::BACKWARD, F = AgentInput::FORWARD,
                     A = AgentInput::ATTACK, U = AgentInput::UP;
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
        // Only the combo's entries up to its first empty one are compared.
        {{U, NONE, D, NONE, D}, &Combos::STOMP, true},
        {{U, NONE, D, NONE, D}, &Combos::FIREBOLT, false},
        {{}, &Combos::STOMP, false},
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

// An approaching controller needs one frame per input, plus a release before each repeat.
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
        int repeats = 0;
        for (int i = 1; i < inputs; ++i)
            if (combo->entries[i] == combo->entries[i - 1]) ++repeats;
        EXPECT_EQ(frames, inputs + repeats) << "combo of " << inputs << " inputs";
    }
}

} // namespace
