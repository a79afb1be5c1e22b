// The level script language: every command, its messages and the reader's limits.
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
} // namespace

TEST_F(LevelScriptTest, AgentCommandMakesFightersWithControllersAndMapsSkins) {
    const std::string log =
        run_lines({"AGENT", "1",     "100", "1",   "200", "0",       "AI_Dummy", "/ an enemy",
                   "",      "AGENT", "21",  "50",  "2",   "600",     "1",        "AI_Dummy",
                   "AGENT", "26",    "30",  "2",   "700", "0",       "AI_Dummy", "AGENT",
                   "-1",    "30",    "2",   "710", "0",   "AI_Dummy"});
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
    const std::string skin = "Skin ID out of range. Must be between 0 and 17";
    const size_t first = log.find(skin);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(log.find(skin, first + 1), std::string::npos) << "both 26 and -1";
    EXPECT_FALSE(logged(log, "INVALID LEVEL SCRIPT COMMAND"));
}

TEST_F(LevelScriptTest, KeywordsMatchOnlyWholeLinesSoBadOnesLeaveTheirArgumentsAsCommands) {
    const std::string log = run_lines({"AGENT ", "WIN", "agent", "EXIT"});
    EXPECT_TRUE(logged(log, "INVALID LEVEL SCRIPT COMMAND: AGENT \n"));
    EXPECT_TRUE(logged(log, "INVALID LEVEL SCRIPT COMMAND: agent\n"));
    EXPECT_TRUE(Agent::agents.empty());
    EXPECT_TRUE(level->script_won);
    EXPECT_TRUE(level->quit());
}

TEST_F(LevelScriptTest, MissingScriptDoesNothingAndEveryRunResetsTheWavePause) {
    Level::wave_pause = 42;
    run("nothing.txt");
    EXPECT_EQ(Level::wave_pause, 1500);
    EXPECT_TRUE(Agent::agents.empty());
    run_lines({"WAVEPAUSE", "3000"});
    EXPECT_EQ(Level::wave_pause, 3000);
}

TEST_F(LevelScriptTest, CommandCutOffByTheEndOfTheFileHalts) {
    write("cut.txt", "WAVE\nSETSTATE\n0");
    // The log goes to standard output; the death test reads standard error.
    EXPECT_EXIT((dup2(2, 1), level->runScript(dir, "cut.txt")), testing::ExitedWithCode(1),
                "FileIn: Can't read from file - it failed to open");
}

TEST_F(LevelScriptTest, WavesDelayAndLevelFlags) {
    std::string log = run_lines({"WAVES", "-2"});
    EXPECT_TRUE(logged(log, "Error: Level cannot have -2 waves!"));
    EXPECT_EQ(level->waves, 0);
    const Uint32 before = Clock::now();
    run_lines({"WAVES", "3", "DELAY WAVE", "100000", "BLACKEN", "7", "TWOPLAYER"});
    EXPECT_EQ(level->waves, 3);
    EXPECT_GE(level->win_time, before + 100000);
    EXPECT_TRUE(level->blacken);
    EXPECT_TRUE(level->two_player);
    run_lines({"BLACKEN", "0"});
    EXPECT_FALSE(level->blacken);
}

TEST_F(LevelScriptTest, HaltIfWonOrLostStopsTheScript) {
    run_lines({"HALT IF LOST", "WAVES", "1", "HALT IF WON", "WIN"});
    EXPECT_EQ(level->waves, 1) << "nothing is lost without agents";
    EXPECT_FALSE(level->script_won) << "no agents: the level is won";
    run_lines({"AGENT", "0", "10", "2", "300", "0", "AI_Dummy", "HALT IF WON", "EXIT"});
    EXPECT_TRUE(level->quit());
}

TEST_F(LevelScriptTest, MusicCommandsKeepToTheTrackList) {
    ASSERT_FALSE(Sound::mus.empty());
    const int tracks = static_cast<int>(Sound::mus.size());
    std::string log = run_lines({"MUSIC", std::to_string(tracks), "MUSIC", "-2"});
    EXPECT_TRUE(logged(log, "Error: Music doesn't exist with id " + std::to_string(tracks)));
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

TEST_F(LevelScriptTest, AgentCommandsReportIdsThatDoNotExist) {
    agent(1, 100);
    const std::string log = run_lines({"FREEZE",   "1",      "1",   "HEAL",        "-1", "CRIPPLE",
                                       "5",        "HALO",   "1",   "SET TEAM",    "1",  "3",
                                       "TELEPORT", "1",      "300", "TELEKINETIC", "1",  "HEALTH",
                                       "1",        "SPEECH", "1",   "none.wav",    "WIN"});
    // Each named in its own message; the script goes on.
    EXPECT_TRUE(logged(log, "Invalid ID for FREEZE: Agent 1 doesn't exist"));
    EXPECT_TRUE(logged(log, "Invalid ID for HEAL/CRIPPLE: Agent -1 doesn't exist"));
    int reports = 0;
    for (size_t at = log.find("doesn't exist"); at != std::string::npos;
         at = log.find("doesn't exist", at + 1))
        ++reports;
    EXPECT_EQ(reports, 9);
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

TEST_F(LevelScriptTest, CiviliansDropFromTheTopWithTheNextIds) {
    agent(1, 100);
    run_lines({"CHILD", "300", "0", "1", "WOMAN", "400", "3", "0"});
    ASSERT_EQ(Agent::agents.size(), 3u);
    EXPECT_EQ(Agent::agents[1]->pos, Coord(300, 0));
    EXPECT_TRUE(Agent::agents[1]->facing_left);
    EXPECT_TRUE(Agent::agents[1]->airborn());
    EXPECT_EQ(Agent::agents[2]->team, 3);
    EXPECT_EQ(AI::AI_list.size(), 0u) << "civilians have no controller";
}

TEST_F(LevelScriptTest, HealthBarsStackInTwoColumns) {
    agent(1, 100);
    agent(2, 200);
    agent(1, 300);
    agent(3, 400);
    run_lines({"HEALTH", "0", "HEALTH", "1", "HEALTH", "2", "HEALTH", "3"});
    ASSERT_EQ(level->health_bars.size(), 4u);
    EXPECT_EQ(level->player_bars, 2);
    const int ys[] = {0, 0, 40, 40};
    const bool left[] = {true, false, true, false};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(level->health_bars[i]->y, ys[i]) << i;
        EXPECT_EQ(level->health_bars[i]->left_side, left[i]) << i;
        EXPECT_EQ(level->health_bars[i]->agent, Agent::agents[i]);
    }
}

TEST_F(LevelScriptTest, BackgroundLayersAndTheirDistance) {
    const std::string log = run_lines({"BACKGROUND", "castle_far.png", "0", "0", "0", "BACKGROUND",
                                       "castle_far.png", "25", "-100", "3"});
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
    run_lines({"AGENT", "1", "10", "1", "100", "0", "AI_Dummy",
               "AGENT", "1", "10", "2", "300", "0", "AI_Dummy",
               "AGENT", "1", "10", "2", "500", "0", "AI_Dummy"});
    ASSERT_EQ(AI::AI_list.size(), 3u);
    AI* player = AI::AI_list[0];
    AI* old = AI::AI_list[1];
    run_lines({"TEAM AI", "2", "AI_Peasant"});
    ASSERT_EQ(AI::AI_list.size(), 3u);
    EXPECT_EQ(AI::AI_list[0], player);
    EXPECT_NE(AI::AI_list[1], old);
    EXPECT_NE(dynamic_cast<AI_Peasant*>(AI::AI_list[1]), nullptr);
    EXPECT_NE(dynamic_cast<AI_Peasant*>(AI::AI_list[2]), nullptr);
    EXPECT_EQ(dynamic_cast<AI_Peasant*>(AI::AI_list[0]), nullptr);
    EXPECT_EQ(AI::AI_list[1]->agent, Agent::agents[1]);
    EXPECT_EQ(AI::AI_list[2]->agent, Agent::agents[2]);
}

TEST_F(LevelScriptTest, SubtitleIsReplaced) {
    run_lines({"SUBTITLE", "The gate falls", "SUBTITLE", ""});
    ASSERT_NE(level->subtitle, nullptr);
    agent(1, 400);
    level->update();
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
    std::string log = run_lines({"PLAY", "missing.wav", "PLAY_BG", "gone.wav", "TEAMSPEAK", "2",
                                 "nope.wav", "SPEECH", "0", "absent.wav"});
    for (const char* f : {"missing.wav", "gone.wav", "nope.wav", "absent.wav"})
        EXPECT_TRUE(logged(log, "Failed to load sound file: " + dir + f));
    run_lines({"PLAY", "short.wav", "SPEECH", "1", "short.wav", "TEAMSPEAK", "1", "short.wav",
               "TEAMSPEAK", "7", "short.wav", "PLAY_BG", "short.wav"});
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
    const std::string top = "2147483647";
    const std::string bottom = "-2147483648";
    auto fighter = [](const std::string& hp, const std::string& team, const std::string& x,
                      const std::string& controller) {
        return std::vector<std::string>{"AGENT", "0", hp, team, x, "0", controller};
    };
    auto join = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> lines;
        for (const std::vector<std::string>& p : parts)
            lines.insert(lines.end(), p.begin(), p.end());
        return lines;
    };
    const struct {
        const char* what;
        std::vector<std::string> lines;
    } cases[] = {
        {"the lowest layer offset over distance -1",
         {"BACKGROUND", "castle_far.png", bottom, "0", "-1"}},
        {"a layer's offset and bottom at the top", {"BACKGROUND", "castle_far.png", top, top, "3"}},
        {"lightning at an enemy a billion pixels away",
         join({fighter("100", "1", "400", "AI_Dummy"),
               fighter("100", "2", "1000000000", "AI_Dummy"), {"SETSTATE", "0", "7"}})},
        {"lightning at an enemy at the lowest x",
         join({fighter("100", "1", "400", "AI_Dummy"), fighter("100", "2", bottom, "AI_Dummy"),
               {"SETSTATE", "0", "7"}})},
        {"fighters more than 2^31 apart",
         join({fighter("100", "1", bottom, "AI_Mk3"), fighter("100", "2", top, "AI_Boss")})},
        {"hit points at the edges, healing and wounded",
         join({fighter(top, "2", "400", "AI_Mage"), fighter(bottom, "1", "420", "AI_Mk1"),
               {"HEAL", "1"}})},
        {"the pit and a teleport at the far right, civilians and a fire at the far left",
         join({fighter("100", "1", "400", "AI_Dummy"),
               {"SATAN", top, "TELEPORT", "0", top, "CHILD", bottom, "1", "0", "WOMAN", bottom, "2",
                "1", "CAMPFIRE", bottom}})},
        {"numbers beyond any int",
         join({fighter("-99999999999", "1", "99999999999", "AI_P1"), {"WAVES", "99999999999"}})},
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
