// Whole fights between computer controllers, played on a clock of frames and compared with
// the state of play they reached when these expectations were written. The game is
// deterministic, so any change to a rule the fights reach (a controller's judgement, a move,
// a wound, a particle's draw of a random number, a wave) shows here, at the fight it changes.
// A change made on purpose: run this suite, check the fights still play as intended (the
// balance bench, a look at the game) and copy the new fingerprints from its failure messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "LevelWorld.h"
#include "core/Random.h"
#include "level/GameDigest.h"
#include "level/Referee.h"

namespace {

struct Fight {
    const char* name;
    const char* level;
    const char* wave; // the first wave's script, or ""
    int frames;
    uint64_t fingerprint;
};

// Every controller but the players' and most commands that move fighters, in six fights.
// The headless king's fight ends as he rises: his storm's countdown lives as long as the
// program, so a storm played by another test before would change it.
const Fight FIGHTS[] = {
    {"duels in the rain",
     "EFFECT\n1\nAGENT\n1\n150\n1\n200\n0\nAI_Mk1\nAGENT\n7\n150\n2\n600\n1\nAI_Mk2\n"
     "AGENT\n2\n150\n1\n100\n0\nAI_Mk3\nAGENT\n11\n150\n2\n700\n1\nAI_Vader\n",
     "", 2000, 4398554666972039046ULL},
    {"casters in the snow",
     "EFFECT\n5\nAGENT\n1\n100\n1\n150\n0\nAI_FastBolter\nAGENT\n6\n100\n1\n250\n0\nAI_Teleporter\n"
     "AGENT\n9\n100\n2\n550\n1\nAI_Bolter\nAGENT\n10\n100\n2\n650\n1\nAI_MeleeBolter\n"
     "AGENT\n13\n100\n2\n750\n1\nAI_Mage\nAGENT\n8\n100\n1\n50\n0\nAI_Mk2\n",
     "", 2000, 14135596392052584110ULL},
    {"a summoner and the townsfolk in a storm",
     "EFFECT\n3\nAGENT\n8\n150\n2\n600\n1\nAI_Summoner\nAGENT\n3\n150\n2\n450\n1\nAI_Stationary\n"
     "AGENT\n1\n150\n1\n150\n0\nAI_Duelist\nAGENT\n2\n150\n1\n100\n0\nAI_Mk3\n"
     "AGENT\n4\n10\n0\n300\n0\nAI_Peasant\nAGENT\n5\n10\n0\n350\n1\nAI_Panicked\n"
     "CHILD\n400\n0\n1\nWOMAN\n250\n0\n0\n",
     "", 2000, 1170007092464714400ULL},
    {"the boss and the penultimate",
     "AGENT\n7\n250\n2\n600\n1\nAI_Boss\nAGENT\n11\n100\n2\n700\n1\nAI_Penultimate\n"
     "AGENT\n1\n400\n1\n100\n0\nAI_Mk3\nAGENT\n2\n200\n1\n200\n0\nAI_Mk2\nHALO\n2\n",
     "", 2000, 12014752150287908919ULL},
    {"the headless king on shaking ground",
     "EFFECT\n6\nAGENT\n7\n50\n2\n600\n1\nAI_Boss2\nAGENT\n4\n100\n2\n500\n1\nAI_PeasantBoss\n"
     "AGENT\n1\n300\n1\n100\n0\nAI_Mk3\nTELEKINETIC\n0\n",
     "", 340, 10989482569693662398ULL},
    {"a pit fight and a wave",
     "SATAN\n400\nAGENT\n12\n150\n1\n400\n0\nAI_Pitfighter\nAGENT\n3\n80\n2\n700\n1\nAI_Mk1\n"
     "WAVES\n1\nWAVEPAUSE\n500\n",
     "AGENT\n9\n80\n2\n750\n1\nAI_Mk2\nCRIPPLE\n2\nDELAY WAVE\n200\n", 2000,
     5485367756783133808ULL},
};

// Folds `digest` into `fingerprint`.
uint64_t fold(uint64_t fingerprint, uint64_t digest) {
    return (fingerprint ^ digest) * 1099511628211ULL;
}

class RecordedFightsTest : public LevelWorld {
  protected:
    // Plays `fight` from a fresh level and the generator's `seed`; its fingerprint folds
    // the state of play every 50 frames.
    uint64_t play(const Fight& fight, unsigned seed) {
        delete level;
        Random::seed(seed);
        Clock::count_frames();
        level = new Level();
        write("level.txt", fight.level);
        if (*fight.wave) write("wave1.txt", fight.wave);
        const std::string log = run("level.txt");
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << "a script mistake: " << log;
        Referee referee(level, dir);
        uint64_t fingerprint = 0;
        for (int frame = 1; frame <= fight.frames; ++frame) {
            level->run();
            referee.frame();
            Clock::advance();
            if (frame % 50 == 0) fingerprint = fold(fingerprint, GameDigest::of_play());
        }
        return fingerprint;
    }
    void TearDown() override {
        Clock::count_real();
        LevelWorld::TearDown();
    }
};

TEST_F(RecordedFightsTest, EachFightPlaysAsRecorded) {
    for (const Fight& fight : FIGHTS) {
        uint64_t fingerprint = 0;
        for (unsigned seed : {1, 2, 3})
            fingerprint = fold(fingerprint, play(fight, seed));
        EXPECT_EQ(fingerprint, fight.fingerprint) << fight.name;
    }
}

} // namespace
