#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "StoryWorld.h"
#include "core/Clock.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "level/Level.h"
#include "level/Referee.h"
#include "level/Story.h"

namespace {
const std::vector<std::string> FIVE = {"One", "Two", "Three", "Four", "Five"};

// Plays a level for one frame, then presses Escape.
bool play_and_escape(Story* story, int level) {
    ScriptedEvents player{SDLK_ESCAPE};
    return story->start_level(level);
}

// What a player saw of the world at one poll.
struct Sight {
    Uint32 clock;
    size_t agents;
    int frame_counter;
    const Frame* frame;
};
} // namespace

using StoryTest = StoryWorld;

// A story whose summary names no level is left out, and so is everything of an empty index.
TEST_F(StoryTest, CatalogueIsReadInOrderWithSavedProgress) {
    write_index("");
    Story::start();
    EXPECT_TRUE(Story::stories.empty());
    Story::end();

    write_index("Beta\nEmpty\nAlpha");
    write_story("Alpha", {"A1", "A2"}, "1");
    write_story("Beta", {"B1", "B2", "B3"}, "");
    write_story("Empty", {}, "0");
    Story::start();
    ASSERT_EQ(Story::stories.size(), 2u);
    EXPECT_EQ(Story::stories[0]->name, "Beta");
    EXPECT_EQ(Story::stories[0]->levels, (std::vector<std::string>{"B1", "B2", "B3"}));
    EXPECT_EQ(Story::stories[0]->progress, 0) << "an empty save.txt gives progress 0";
    EXPECT_EQ(Story::stories[1]->progress, 1);
    EXPECT_FALSE(Story::stories[1]->start_level(2)) << "a level outside the story is refused";
}

TEST_F(StoryTest, SavedProgressIsClampedIntoTheStoryAndAMissingSaveIsNoProgress) {
    struct Case {
        const char* saved; // null: no save.txt
        int progress;
        const char* logged;
        const char* after_playing_level_0;
    };
    const Case cases[] = {
        {"2\n", 2, "Success", "2\n"},
        {"-3", 0, "Story: Saved progress -3 of 'S' is outside 0..2; using 0", "1"},
        {"999", 2, "Story: Saved progress 999 of 'S' is outside 0..2; using 2", "999"},
        {nullptr, 0, "Story: No saved progress for 'S'; starting from the first level", "1"},
    };
    for (const Case& c : cases) {
        write_index("S");
        write_story("S", {"L0", "L1", "L2"}, c.saved ? c.saved : "");
        if (!c.saved) std::filesystem::remove("Stories/S/save.txt");
        testing::internal::CaptureStdout();
        Story::start();
        const std::string log = testing::internal::GetCapturedStdout();
        const std::string name = c.saved ? c.saved : "no save";
        ASSERT_EQ(Story::stories.size(), 1u) << name;
        EXPECT_EQ(Story::stories[0]->progress, c.progress) << name;
        EXPECT_NE(log.find(c.logged), std::string::npos) << name << log;
        EXPECT_TRUE(play_and_escape(Story::stories[0], 0)) << name;
        EXPECT_EQ(read("Stories/S/save.txt"), c.after_playing_level_0) << name;
        Story::end();
    }
}

TEST_F(StoryTest, ASaveThatCannotBeWrittenIsLoggedAndPlayGoesOn) {
    write_index("S");
    write_story("S", {"L0", "L1"}, "0");
    Story::start();
    std::filesystem::remove("Stories/S/save.txt");
    std::filesystem::create_directory("Stories/S/save.txt");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(play_and_escape(Story::stories[0], 0));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Story::stories[0]->progress, 1) << "the unlocked level stays playable";
    EXPECT_NE(log.find("FileOut: Could not save Stories/S/save.txt (replacing: Is a directory)"),
              std::string::npos)
        << log;
}

// Escape gives true only for a won level, and only winning the highest unlocked level
// unlocks the next one.
TEST_F(StoryTest, WinningTheHighestUnlockedLevelUnlocksTheNext) {
    write_index("S");
    write_story("S", {"Open", "Declared", "Guarded", "Waiting", "Last"}, "1\n");
    // An enemy civilian keeps the level from being won.
    write_level_file("S", "Declared", "level.txt", "WOMAN\n400\n2\n0\nWIN");
    write_level_file("S", "Guarded", "level.txt", "WOMAN\n400\n2\n0");
    // Won at once, but a wave is still to come after a long pause.
    write_level_file("S", "Waiting", "level.txt", "WAVES\n1\nWAVEPAUSE\n100000");
    Story::start();
    Story* s = Story::stories[0];
    EXPECT_TRUE(play_and_escape(s, 0));
    EXPECT_EQ(s->progress, 1) << "replaying an earlier level unlocks nothing";
    EXPECT_EQ(read("Stories/S/save.txt"), "1\n") << "and does not rewrite the save";
    EXPECT_TRUE(play_and_escape(s, 1)) << "a script's WIN counts as won";
    EXPECT_EQ(s->progress, 2);
    EXPECT_EQ(read("Stories/S/save.txt"), "2");
    EXPECT_FALSE(play_and_escape(s, 2));
    EXPECT_EQ(s->progress, 2);
    s->progress = 3;
    EXPECT_FALSE(play_and_escape(s, 3)) << "a wave left to come";
    s->progress = 4;
    EXPECT_TRUE(play_and_escape(s, 4));
    EXPECT_EQ(s->progress, 4) << "winning the last level unlocks nothing";
}

TEST_F(StoryTest, IntroPageIsShownUntilAKey) {
    write_index("S");
    write_story("S", {"Start"}, "0");
    write_level_file("S", "Start", "intro.txt", "Once upon a time");
    Story::start();
    ScriptedEvents player{SDLK_a, SDLK_ESCAPE};
    Uint32 first_seen = 1;
    player.each_poll = [&first_seen](SDL_Event&) {
        if (first_seen != 1) return false;
        Graphics::screen->open();
        first_seen = Graphics::screen->get_pixel(Coord(400, 300));
        Graphics::screen->close();
        return false;
    };
    EXPECT_TRUE(Story::stories[0]->start_level(0));
    EXPECT_EQ(first_seen, Pixel::black) << "the page's black, not the level's sky";
}

TEST_F(StoryTest, LoseScriptRunsOnceAndAgainAfterRestart) {
    write_index("S");
    write_story("S", {"Doomed"}, "0");
    // The player's agent is gone at once: lost from the first frame.
    write_level_file("S", "Doomed", "level.txt",
                     "AGENT\n0\n100\n1\n200\n0\nAI_Dummy\nSETSTATE\n0\n9");
    write_level_file("S", "Doomed", "lose.txt", "LOSE MARKER");
    Story::start();
    testing::internal::CaptureStdout();
    {
        ScriptedEvents player{SDLK_x, SDLK_r, SDLK_x, SDLK_ESCAPE};
        EXPECT_FALSE(Story::stories[0]->start_level(0));
    }
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(occurrences(log, "INVALID LEVEL SCRIPT COMMAND: LOSE MARKER"), 2);
    EXPECT_EQ(occurrences(log, "Open: Stories/S/Doomed/level.txt"), 2);
}

TEST_F(StoryTest, OnAClockOfFramesTheRulesCountFramesNotRealTime) {
    write_index("S");
    write_story("S", {"Timed"}, "0");
    // Won by the clock after 500 ms with an enemy left; the wave, which brings a third
    // fighter, comes after the default pause of 1500 ms; then the clock wins again.
    write_level_file("S", "Timed", "level.txt",
                     "AGENT\n0\n100\n1\n200\n0\nAI_Dummy\nAGENT\n0\n100\n2\n600\n1\nAI_Dummy\n"
                     "DELAY WAVE\n500\nWAVES\n1");
    write_level_file("S", "Timed", "wave1.txt",
                     "AGENT\n0\n100\n2\n650\n1\nAI_Dummy\nDELAY WAVE\n0");
    // Played at once, the frames are far quicker than the times they stand for.
    Clock::count_frames();
    Level* level = new Level();
    level->runScript("Stories/S/Timed/", "level.txt");
    Referee referee(level, "Stories/S/Timed/");
    int frame = 0, wave_at = 0;
    Referee::Verdict verdict = Referee::PLAYING;
    while (verdict == Referee::PLAYING && frame < 1000) {
        level->run();
        verdict = referee.frame();
        Clock::advance();
        ++frame;
        if (!wave_at && Agent::agents.size() == 3) wave_at = frame;
    }
    delete level;
    Clock::count_real();
    // Frame 22 is the first past 500 ms; the pause starts there and ends 61 frames on.
    EXPECT_EQ(wave_at, 22 + 61);
    EXPECT_EQ(frame, wave_at + 1) << "won on the next frame, past the second delay";
    EXPECT_EQ(verdict, Referee::WON);
}

// A new player starts every shipped story at its first level. (The shipped scripts
// themselves are checked by the level checker, run on the data folder as a test.)
TEST_F(StoryTest, TheShippedStoriesStartAtTheirFirstLevel) {
    folder.reset(); // back in the assembled data folder
    Story::start();
    ASSERT_FALSE(Story::stories.empty());
    for (Story* s : Story::stories)
        EXPECT_EQ(read(std::string(IRONVALE_SOURCE_DIR) + "/data/Stories/" + s->name + "/save.txt"),
                  "0");
}

TEST_F(StoryTest, PauseHoldsTheWorldAndTheRuleClock) {
    write_index("S");
    write_story("S", {"Held"}, "0");
    // A player and an enemy who do nothing; the level counts as won 200 ms into play,
    // which brings the wave, and with it a third fighter, at once.
    write_level_file("S", "Held", "level.txt",
                     "AGENT\n0\n100\n1\n200\n0\nAI_Dummy\nAGENT\n0\n100\n2\n600\n1\nAI_Dummy\n"
                     "DELAY WAVE\n200\nWAVES\n1\nWAVEPAUSE\n0");
    write_level_file("S", "Held", "wave1.txt", "AGENT\n0\n100\n2\n650\n1\nAI_Dummy");
    Story::start();
    // P after the first frame, 40 frames paused, P again, 30 frames of play.
    std::vector<SDL_Event> keys = {ScriptedEvents::key(SDLK_p)};
    keys.insert(keys.end(), 40, ScriptedEvents::key(SDLK_F1));
    keys.push_back(ScriptedEvents::key(SDLK_PAUSE));
    keys.insert(keys.end(), 30, ScriptedEvents::key(SDLK_F1));
    keys.push_back(ScriptedEvents::key(SDLK_ESCAPE));
    ScriptedEvents player(keys);
    std::vector<Sight> seen;
    player.each_poll = [&seen](SDL_Event&) {
        const Agent* a = Agent::agents.empty() ? nullptr : Agent::agents[0];
        seen.push_back({Clock::now(), Agent::agents.size(), a ? a->frame_counter : -1,
                        a ? a->frame : nullptr});
        return false;
    };
    Story::stories[0]->start_level(0);
    ASSERT_EQ(seen.size(), keys.size());

    const int resumed = 41;
    for (int i = 1; i <= resumed; ++i) {
        EXPECT_EQ(seen[i].clock, seen[1].clock) << "frame " << i;
        EXPECT_EQ(seen[i].agents, 2u) << "frame " << i;
        EXPECT_EQ(seen[i].frame_counter, seen[0].frame_counter) << "frame " << i;
        EXPECT_EQ(seen[i].frame, seen[0].frame) << "frame " << i;
    }

    size_t wave = resumed + 1;
    while (wave < seen.size() && seen[wave].agents == 2)
        ++wave;
    ASSERT_LT(wave, seen.size()) << "the wave came once play went on";
    EXPECT_GE(seen[wave].clock - seen[0].clock, 150u);
    EXPECT_TRUE(seen[resumed + 8].frame_counter != seen[resumed].frame_counter ||
                seen[resumed + 8].frame != seen[resumed].frame)
        << "the world moves again";
}
