#include <gtest/gtest.h>

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
};

TEST_F(CombosTest, PushDropsTheOldestAndStartingTwiceBuildsTheSameCombos) {
    ComboLog log;
    log.push(AgentInput::UP);
    for (int i = 0; i < ComboLog::LENGTH; ++i) log.push(AgentInput::DOWN);
    for (int i = 0; i < ComboLog::LENGTH; ++i) EXPECT_EQ(log.entries[i], AgentInput::DOWN);
    Combos::start();
    EXPECT_TRUE(Combos::FIREBOLT.entries[3].empty());
}

} // namespace
