// The level script language: every command, its messages and the reader's limits.
// A line given to run_lines may hold several lines of the script.
#include <unistd.h>

#include "LevelWorld.h"
#include "ai/AI_Peasant.h"
#include "combat/HealthMonitor.h"
#include "core/Sound.h"

using LevelScriptTest = LevelWorld;

namespace {
testing::AssertionResult logged(const std::string& log, const std::string& line) {
    if (log.find(line) != std::string::npos) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << line << "\" is not in the log:\n" << log;
}

int occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// An AGENT command: skin 0, not facing left.
std::string agent_command(const std::string& hp, const std::string& team, const std::string& x,
                          const std::string& controller = "AI_Dummy") {
    return "AGENT\n0\n" + hp + "\n" + team + "\n" + x + "\n0\n" + controller;
}
} // namespace

TEST_F(LevelScriptTest, AgentCommandMakesFightersWithControllersAndMapsSkins) {
    const std::string log =
        run_lines({"AGENT\n1\n100\n1\n200\n0\nAI_Dummy", "/ an enemy", "",
                   "AGENT\n21\n50\n2\n600\n1\nAI_Dummy", "AGENT\n26\n30\n2\n700\n0\nAI_Dummy",
                   "AGENT\n-1\n30\n2\n710\n0\nAI_Dummy"});
    ASSERT_EQ(Agent::agents.size(), 4u);
    const Agent* player = Agent::agents[0];
    EXPECT_EQ(player->variant, VARIANT_WHITE_CAPE);
    EXPECT_EQ(player->hp, 100);
    EXPECT_EQ(player->max_hp, 100);
    EXPECT_EQ(player->team, 1);
    EXPECT_EQ(player->pos, Coord(200, 500));
    EXPECT_FALSE(player->facing_left);
    EXPECT_EQ(Agent::agents[1]->variant, VARIANT_NO_CAPE_UNARMED) << "skin 21 skips the water";
    EXPECT_TRUE(Agent::agents[1]->facing_left);
    EXPECT_EQ(Agent::agents[2]->variant, VARIANT_SHEET);
    EXPECT_EQ(Agent::agents[3]->variant, VARIANT_SHEET);
    ASSERT_EQ(AI::AI_list.size(), 4u);
    EXPECT_EQ(AI::AI_list[1]->agent, Agent::agents[1]);
    EXPECT_EQ(occurrences(log, "Skin ID out of range. Must be between 0 and 17"), 2)
        << "both 26 and -1";
    EXPECT_FALSE(logged(log, "INVALID LEVEL SCRIPT COMMAND"));
}

// Keywords match only whole lines, so bad ones leave their arguments to be read as commands.
// A missing script does nothing; every run starts from the default wave pause.
TEST_F(LevelScriptTest, KeywordsAreWholeLinesAndEveryRunStartsAfresh) {
    const std::string log = run_lines({"AGENT ", "WIN", "agent", "EXIT"});
    EXPECT_TRUE(logged(log, "INVALID LEVEL SCRIPT COMMAND: AGENT \n"));
    EXPECT_TRUE(logged(log, "INVALID LEVEL SCRIPT COMMAND: agent\n"));
    EXPECT_TRUE(Agent::agents.empty());
    EXPECT_TRUE(level->script_won);
    EXPECT_TRUE(level->quit());

    Level::wave_pause = 42;
    run("nothing.txt");
    EXPECT_EQ(Level::wave_pause, 1500);
    run_lines({"WAVEPAUSE", "3000"});
    EXPECT_EQ(Level::wave_pause, 3000);
}

TEST_F(LevelScriptTest, CommandCutOffByTheEndOfTheFileHalts) {
    write("cut.txt", "WAVE\nSETSTATE\n0");
    // The log goes to standard output; the death test reads standard error.
    EXPECT_EXIT((dup2(2, 1), level->runScript(dir, "cut.txt")), testing::ExitedWithCode(1),
                "FileIn: Can't read from file - it failed to open");
}

TEST_F(LevelScriptTest, WavesDelayLevelFlagsAndHalts) {
    EXPECT_TRUE(logged(run_lines({"WAVES", "-2"}), "Error: Level cannot have -2 waves!"));
    EXPECT_EQ(level->waves, 0);
    const Uint32 before = Clock::now();
    run_lines({"WAVES", "3", "DELAY WAVE", "100000", "BLACKEN", "7", "TWOPLAYER"});
    EXPECT_EQ(level->waves, 3);
    EXPECT_GE(level->win_time, before + 100000);
    EXPECT_TRUE(level->blacken);
    EXPECT_TRUE(level->two_player);
    run_lines({"BLACKEN", "0"});
    EXPECT_FALSE(level->blacken);

    // Without agents nothing is lost and everything is won.
    delete level;
    level = new Level();
    run_lines({"HALT IF LOST", "WAVES", "1", "HALT IF WON", "WIN"});
    EXPECT_EQ(level->waves, 1);
    EXPECT_FALSE(level->script_won);
    run_lines({agent_command("10", "2", "300"), "HALT IF WON", "EXIT"});
    EXPECT_TRUE(level->quit());
}

TEST_F(LevelScriptTest, MusicCommandsKeepToTheTrackList) {
    ASSERT_FALSE(Sound::mus.empty());
    const std::string tracks = std::to_string(Sound::mus.size());
    std::string log = run_lines({"MUSIC", tracks, "MUSIC", "-2"});
    EXPECT_TRUE(logged(log, "Error: Music doesn't exist with id " + tracks));
    EXPECT_TRUE(logged(log, "Error: Music doesn't exist with id -2"));

    Mix_HaltMusic();
    run_lines({"MUSIC", "1"});
    ASSERT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Sound::playing, 1);
    run_lines({"MUSIC", "-1"});
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);

    Mix_HaltMusic();
    run_lines({"RANDMUSIC"});
    EXPECT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Sound::playing, 1) << "a random track is not recorded";
    Mix_HaltMusic();
}

TEST_F(LevelScriptTest, SetStateCodes) {
    agent(1, 100);
    Agent* victim = agent(2, 400);
    std::string log =
        run_lines({"SETSTATE", "1", "0", "SETSTATE", "1", "10", "SETSTATE", "2", "1"});
    EXPECT_TRUE(logged(log, "Invalid state for SETSTATE: State 0 doesn't exist"));
    EXPECT_TRUE(logged(log, "Invalid state for SETSTATE: State 10 doesn't exist"));
    EXPECT_TRUE(logged(log, "Invalid ID for SETSTATE: Agent 2 doesn't exist"));

    run_lines({"SETSTATE", "1", "3"});
    EXPECT_EQ(victim->state, GONE);
    EXPECT_FALSE(victim->alive);
    EXPECT_EQ(attacks(ATK_GIBLET).size(), 6u);
    run_lines({"SETSTATE", "1", "1"});
    EXPECT_EQ(victim->state, IDLE);
    EXPECT_TRUE(victim->alive) << "a script can bring the dead back";
    run_lines({"SETSTATE", "1", "6"});
    EXPECT_EQ(victim->state, GONE);
    EXPECT_EQ(victim->frame_delay, 20);
    EXPECT_EQ(attacks(ATK_HELLFIRE).size(), 3u);
    run_lines({"SETSTATE", "0", "8"});
    EXPECT_EQ(Agent::agents[0]->state, BOLT);
}

// Each missing agent is named in its own message, and the script goes on.
TEST_F(LevelScriptTest, AgentCommandsReportIdsThatDoNotExist) {
    agent(1, 100);
    const std::string log = run_lines({"FREEZE\n1\n1", "HEAL\n-1", "CRIPPLE\n5", "HALO\n1",
                                       "SET TEAM\n1\n3", "TELEPORT\n1\n300", "TELEKINETIC\n1",
                                       "HEALTH\n1", "SPEECH\n1\nnone.wav", "WIN"});
    EXPECT_TRUE(logged(log, "Invalid ID for FREEZE: Agent 1 doesn't exist"));
    EXPECT_TRUE(logged(log, "Invalid ID for HEAL/CRIPPLE: Agent -1 doesn't exist"));
    EXPECT_EQ(occurrences(log, "doesn't exist"), 9);
    EXPECT_FALSE(logged(log, "INVALID LEVEL SCRIPT COMMAND"));
    EXPECT_TRUE(level->script_won);
    EXPECT_EQ(count(Attack::DB), 0);
}

TEST_F(LevelScriptTest, AgentCommandsChangeTheirAgent) {
    Agent* a = agent(1, 100);
    a->hp = 3;
    run_lines({"FREEZE", "0", "5", "HEAL", "0", "SET TEAM", "0", "4", "TELEPORT", "0", "650",
               "HALO", "0", "TELEKINETIC", "0"});
    EXPECT_TRUE(a->frozen);
    EXPECT_EQ(a->hp, 100);
    EXPECT_EQ(a->team, 4);
    EXPECT_EQ(a->pos, Coord(650, 500));
    EXPECT_EQ(attacks(ATK_HALO).size(), 1u);
    EXPECT_EQ(attacks(ATK_TELEKINESIS).size(), 1u);
    run_lines({"CRIPPLE", "0", "FREEZE", "0", "0"});
    EXPECT_EQ(a->max_hp, 1);
    EXPECT_EQ(a->hp, 1);
    EXPECT_FALSE(a->frozen);
}

// Civilians drop from the top with the next ids and no controller; health bars stack in
// two columns, the players' on the left.
TEST_F(LevelScriptTest, CiviliansAndHealthBars) {
    agent(1, 100);
    run_lines({"CHILD", "300", "0", "1", "WOMAN", "400", "3", "0"});
    ASSERT_EQ(Agent::agents.size(), 3u);
    EXPECT_EQ(Agent::agents[1]->pos, Coord(300, 0));
    EXPECT_TRUE(Agent::agents[1]->facing_left);
    EXPECT_TRUE(Agent::agents[1]->airborn());
    EXPECT_EQ(Agent::agents[2]->team, 3);
    EXPECT_EQ(AI::AI_list.size(), 0u);

    agent(1, 500);
    run_lines({"HEALTH", "0", "HEALTH", "2", "HEALTH", "3", "HEALTH", "1"});
    ASSERT_EQ(level->health_bars.size(), 4u);
    EXPECT_EQ(level->player_bars, 2);
    const struct {
        int agent, y;
        bool left;
    } bars[] = {{0, 0, true}, {2, 0, false}, {3, 40, true}, {1, 40, false}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(level->health_bars[i]->agent, Agent::agents[bars[i].agent]) << i;
        EXPECT_EQ(level->health_bars[i]->y, bars[i].y) << i;
        EXPECT_EQ(level->health_bars[i]->left_side, bars[i].left) << i;
    }
}

TEST_F(LevelScriptTest, BackgroundLayersAndTheirDistance) {
    const std::string log = run_lines(
        {"BACKGROUND\ncastle_far.png\n0\n0\n0", "BACKGROUND\ncastle_far.png\n25\n-100\n3"});
    EXPECT_TRUE(logged(log, "Expected non-zero distance for BACKGROUND"));
    ASSERT_EQ(level->backgrounds.size(), 1u);
    const Level::Background* b = level->backgrounds[0];
    EXPECT_EQ(b->offset, 25);
    EXPECT_EQ(b->distance, 3);
    EXPECT_EQ(b->top, -100 + 600 - b->image->h());
}

TEST_F(LevelScriptTest, WeatherEffectsChooseTheirLoop) {
    run_lines({"EFFECT", "3"});
    EXPECT_EQ(level->weather, Level::WEATHER_STORM);
    EXPECT_TRUE(Sound::looping);
    const int rain = Sound::looper;
    run_lines({"EFFECT", "4"});
    EXPECT_TRUE(Sound::looping);
    EXPECT_EQ(Mix_Playing(rain), Sound::looper == rain ? 1 : 0) << "the rain stops for the wind";
    run_lines({"EFFECT", "2"});
    EXPECT_FALSE(Sound::looping);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(level->weather, Level::WEATHER_LEDGE);
}

TEST_F(LevelScriptTest, SatanOpensOnePitWithHellfireAndCampfiresSitOnTheFloor) {
    run_lines({"SATAN", "300", "CAMPFIRE", "100"});
    ASSERT_NE(level->pit, nullptr);
    Attack* first = level->pit;
    EXPECT_EQ(first->type, ATK_PIT);
    EXPECT_EQ(attacks(ATK_HELLFIRE).size(), 3u);
    ASSERT_EQ(attacks(ATK_CAMPFIRE).size(), 1u);
    EXPECT_EQ(attacks(ATK_CAMPFIRE)[0]->pos, Coord(100, 500));
    run_lines({"SATAN", "500"});
    EXPECT_FALSE(first->alive);
    EXPECT_NE(level->pit, first);
    EXPECT_EQ(level->pit->pos.x, 500);
}

TEST_F(LevelScriptTest, TeamAiReplacesTheControllersOfOneTeamInPlace) {
    run_lines({agent_command("10", "1", "100"), agent_command("10", "2", "300"),
               agent_command("10", "2", "500")});
    ASSERT_EQ(AI::AI_list.size(), 3u);
    AI* player = AI::AI_list[0];
    run_lines({"TEAM AI", "2", "AI_Peasant"});
    ASSERT_EQ(AI::AI_list.size(), 3u);
    EXPECT_EQ(AI::AI_list[0], player);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_NE(dynamic_cast<AI_Peasant*>(AI::AI_list[i]), nullptr) << i;
        EXPECT_EQ(AI::AI_list[i]->agent, Agent::agents[i]) << i;
    }
}

TEST_F(LevelScriptTest, TextPageWaitsForAKeyAndTheScriptGoesOnAfterEnd) {
    ScriptedEvents player{SDLK_SPACE, SDLK_SPACE, SDLK_SPACE};
    run_lines({"TEXT", "END", "WIN"});
    EXPECT_TRUE(level->script_won);
    EXPECT_EQ(non_black_pixels(), 0) << "an empty black page";

    run_lines({"TEXT", "Long ago,", "in the vale"});
    EXPECT_GT(non_black_pixels(), 0);
    Graphics::screen->fill(Pixel::black);
    write("last.txt", "TEXT\nNo line feed at the end");
    run("last.txt");
    EXPECT_GT(non_black_pixels(), 0) << "the cut-off last line is still shown";
}

TEST_F(LevelScriptTest, SoundsAreLoadedFromTheLevelFolder) {
    silent_wav("short.wav", 100);
    agent(1, 100);
    agent(2, 500);
    std::string log = run_lines({"PLAY\nmissing.wav", "PLAY_BG\ngone.wav", "TEAMSPEAK\n2\nnope.wav",
                                 "SPEECH\n0\nabsent.wav"});
    for (const char* f : {"missing.wav", "gone.wav", "nope.wav", "absent.wav"})
        EXPECT_TRUE(logged(log, "Failed to load sound file: " + dir + f));
    run_lines({"PLAY\nshort.wav", "SPEECH\n1\nshort.wav", "TEAMSPEAK\n1\nshort.wav",
               "TEAMSPEAK\n7\nshort.wav", "PLAY_BG\nshort.wav"});
    EXPECT_EQ(Mix_Playing(-1), 1) << "only the background sound goes on";
    EXPECT_EQ(Agent::agents[1]->state, IDLE);
    EXPECT_EQ(level->background_sounds.size(), 1u);
}

TEST_F(LevelScriptTest, SkippingOneSpeechSkipsTheRestOfTheRunOnly) {
    silent_wav("long.wav", 60000);
    agent(1, 100);
    {
        ScriptedEvents player{SDLK_TAB};
        run_lines({"SPEECH", "0", "long.wav", "WAVES", "2"});
    }
    EXPECT_FALSE(level->speech_skipped) << "cleared at the end of the run";
    level->speech_skipped = true;
    run_lines({"PLAY", "long.wav", "TEAMSPEAK", "1", "long.wav", "SPEECH", "0", "long.wav"});
    EXPECT_EQ(level->waves, 2);
}

// Numbers at the edges of int and beyond, in every argument that places or sizes something:
// the script and a second and a half of play neither crash nor hang (the sanitizer build
// also rules out anything undefined), and what is clamped is logged.
TEST_F(LevelScriptTest, ExtremeNumbersNeitherCrashNorHang) {
    const std::string top = "2147483647", bottom = "-2147483648";
    const std::string hero = agent_command("100", "1", "400");
    const struct {
        const char* what;
        std::vector<std::string> lines;
    } cases[] = {
        {"the lowest layer offset over distance -1",
         {"BACKGROUND\ncastle_far.png", bottom, "0", "-1"}},
        {"a layer's offset and bottom at the top", {"BACKGROUND\ncastle_far.png", top, top, "3"}},
        {"lightning at an enemy a billion pixels away",
         {hero, agent_command("100", "2", "1000000000"), "SETSTATE\n0\n7"}},
        {"lightning at an enemy at the lowest x",
         {hero, agent_command("100", "2", bottom), "SETSTATE\n0\n7"}},
        {"fighters more than 2^31 apart",
         {agent_command("100", "1", bottom, "AI_Mk3"), agent_command("100", "2", top, "AI_Boss")}},
        {"hit points at the edges, healing and wounded",
         {agent_command(top, "2", "400", "AI_Mage"), agent_command(bottom, "1", "420", "AI_Mk1"),
          "HEAL\n1"}},
        {"the pit and a teleport at the far right, civilians and a fire at the far left",
         {hero, "SATAN", top, "TELEPORT\n0", top, "CHILD", bottom, "1\n0\nWOMAN", bottom, "2\n1",
          "CAMPFIRE", bottom}},
        {"numbers beyond any int",
         {agent_command("-99999999999", "1", "99999999999", "AI_P1"), "WAVES\n99999999999"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        delete level;
        level = new Level();
        const std::string log = run_lines(c.lines);
        for (int frame = 0; frame < 60; ++frame)
            level->run();
        EXPECT_TRUE(logged(log, "is out of range; using "));
        for (const Agent* a : Agent::agents)
            EXPECT_LE(std::abs(a->pos.x), 3000000) << "far beyond the screen, yet in reach";
    }
}
