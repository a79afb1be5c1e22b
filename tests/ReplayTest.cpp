// Recorded sessions played back, the demo of an idle menu, and recordings refused.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "StoryWorld.h"
#include "ai/AI.h"
#include "ai/AI_P1.h"
#include "app/Demo.h"
#include "app/Menu.h"
#include "core/Clock.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Replay.h"
#include "core/ReplayFormat.h"
#include "level/GameDigest.h"
#include "level/Story.h"

namespace {
// A player who holds the right arrow, swings every few frames, turns every page and
// leaves each level (Escape) after its number of frames of play.
class Player : public ScriptedEvents {
  public:
    explicit Player(std::vector<int> frames)
        : ScriptedEvents(std::vector<SDL_Event>{}), frames(std::move(frames)) {}

    bool poll(SDL_Event& event) override {
        if (level >= frames.size() || played < frames[level]) return false;
        event = key(SDLK_ESCAPE);
        played = 0;
        ++level;
        return true;
    }
    bool wait(SDL_Event& event) override {
        event = key(SDLK_RETURN);
        return true;
    }
    const Uint8* keys() override {
        ++played;
        state.fill(0);
        state[SDLK_RIGHT] = 1;
        state[SDLK_SPACE] = (played / 4) % 2;
        return state.data();
    }

  private:
    std::vector<int> frames;
    size_t level = 0;
    int played = 0;
    std::array<Uint8, SDLK_LAST> state{};
};

// What a level looked like when the player left it: the state of play and the picture.
uint64_t sight() {
    uint64_t sum = GameDigest::of_play();
    Image* screen = Graphics::screen;
    screen->open();
    for (int y = 0; y < screen->h(); ++y)
        for (int x = 0; x < screen->w(); ++x)
            sum = (sum ^ screen->get_pixel(Coord(x, y))) * 1099511628211ULL;
    screen->close();
    return sum;
}

// Looks on from above whatever source is installed: notes each level as it is left.
class Onlooker : public EventSource {
  public:
    Onlooker() : inner(Events::use(this)) {}
    ~Onlooker() override { Events::use(inner); }
    Onlooker(const Onlooker&) = delete;
    Onlooker& operator=(const Onlooker&) = delete;

    bool poll(SDL_Event& event) override {
        if (!inner->poll(event)) return false;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
            sights.push_back(sight());
        return true;
    }
    bool wait(SDL_Event& event) override { return inner->wait(event); }
    bool discard() override { return inner->discard(); }
    const Uint8* keys() override { return inner->keys(); }

    std::vector<uint64_t> sights;

  private:
    EventSource* inner;
};

// The first level's script, with the enemy's hit points.
std::string duel(const std::string& enemy_hp) {
    return "AGENT\n0\n100\n1\n150\n0\nAI_P1\nHEALTH\n0\nAGENT\n0\n" + enemy_hp +
           "\n2\n300\n1\nAI_Dummy\nSPEECH\n1\nline.wav\nRANDMUSIC\nWAVES\n1\nWAVEPAUSE\n100";
}

// A level won after its page, a spoken line, a random track and a wave that the clock
// wins; one lost at once; the first again.
const std::vector<int> LEVELS = {0, 1, 0};
const std::vector<int> FRAMES = {300, 200, 250};

struct Session {
    std::vector<bool> won;
    std::vector<uint64_t> sights;
    int progress;
};

Session play_session() {
    Session session;
    Onlooker eye;
    Story* story = Story::stories[0];
    for (int level : LEVELS)
        session.won.push_back(story->start_level(level));
    session.sights = eye.sights;
    session.progress = story->progress;
    return session;
}

// Where the value of the first record of `kind` ends in a recording.
size_t end_of_first(const std::string& bytes, ReplayFormat::Kind kind) {
    size_t at = ReplayFormat::MAGIC_BYTES;
    uint64_t number = 0;
    std::string value;
    ReplayFormat::get_number(bytes, at, number);
    while (at < bytes.size() && bytes[at] != ReplayFormat::END) {
        const char found = bytes[at++];
        ReplayFormat::get_number(bytes, at, number);
        ReplayFormat::get_text(bytes, at, value);
        if (found == kind) return at;
    }
    return 0;
}
} // namespace

class ReplayTest : public StoryWorld {
  protected:
    void SetUp() override {
        StoryWorld::SetUp();
        Graphics::framerate = 0;
        Clock::count_real();
        write_index("Trial");
        write_story("Trial", {"Duel", "Fall"}, "0");
        TempDataFolder::add_wav("Stories/Trial/Duel/line.wav", 2205);
        write_level_file("Trial", "Duel", "intro.txt", "The duel");
        write_level_file("Trial", "Duel", "level.txt", duel("1"));
        write_level_file("Trial", "Duel", "wave1.txt",
                         "AGENT\n0\n1\n2\n450\n1\nAI_Dummy\nDELAY WAVE\n50");
        write_level_file("Trial", "Fall", "level.txt",
                         "AGENT\n0\n1\n1\n150\n0\nAI_P1\nAGENT\n0\n100\n2\n230\n1\nAI_Mk3");
        write_level_file("Trial", "Fall", "lose.txt", "SUBTITLE\nFallen");
        Story::start();
    }
    void TearDown() override {
        Replay::end();
        Graphics::framerate = 40;
        StoryWorld::TearDown();
    }

    // Records the session into "session.rec" and leaves the player's progress as it was.
    Session record() {
        Player player(FRAMES);
        EXPECT_EQ(Replay::record("session.rec"), "");
        const Session session = play_session();
        EXPECT_TRUE(Replay::end());
        TempDataFolder::write_file("Stories/Trial/save.txt", "0");
        Story::stories[0]->progress = 0;
        return session;
    }
};

TEST_F(ReplayTest, PlaysTheSessionAgainOrSaysWhereItNoLongerCan) {
    testing::internal::CaptureStdout();
    const Session recorded = record();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(recorded.won, (std::vector<bool>{true, false, true}));
    ASSERT_EQ(recorded.sights.size(), LEVELS.size());
    EXPECT_EQ(recorded.progress, 1);
    const std::string recording = read("session.rec");

    struct Case {
        const char* change;
        std::function<void()> make;
        const char* says;
        bool faithful;
    };
    const std::vector<Case> cases = {
        {"nothing", [] {}, "Replay: Played to its end as recorded", true},
        {"a digest tampered with",
         [&recording] {
             std::string bytes = recording;
             bytes[end_of_first(bytes, ReplayFormat::DIGEST) - 1] ^= 1;
             TempDataFolder::write_file("session.rec", bytes);
         },
         "Replay: The game no longer plays this recording the same way (frame 120)", false},
        {"a rule changed since: the enemy is tougher",
         [] { write_level_file("Trial", "Duel", "level.txt", duel("2")); },
         "Replay: The game no longer plays this recording the same way (frame 120)", false},
    };
    for (const Case& c : cases) {
        c.make();
        // Nothing live reaches the game: the player holds no key and presses nothing.
        ScriptedEvents nobody(std::vector<SDL_Event>{});
        testing::internal::CaptureStdout();
        ASSERT_EQ(Replay::play("session.rec"), "") << c.change;
        const Session replayed = play_session();
        const bool faithful = Replay::end();
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_NE(log.find(c.says), std::string::npos) << c.change << "\n" << log;
        EXPECT_EQ(read("Stories/Trial/save.txt"), "0")
            << c.change << ": the saves stay as they were";
        EXPECT_EQ(faithful, c.faithful) << c.change;
        if (c.faithful) {
            EXPECT_EQ(replayed.won, recorded.won);
            EXPECT_EQ(replayed.sights, recorded.sights) << "the state of play and the picture";
            EXPECT_EQ(replayed.progress, recorded.progress) << "the unlock is played again";
        }
        Story::stories[0]->progress = 0;
        TempDataFolder::write_file("session.rec", recording);
    }
}

TEST_F(ReplayTest, RefusesWhatItCannotPlay) {
    testing::internal::CaptureStdout();
    record();
    testing::internal::GetCapturedStdout();
    const std::string whole = read("session.rec");
    std::string other_version = whole;
    other_version[ReplayFormat::MAGIC_BYTES] = 2;
    const std::string cut = "' is cut short (truncated); it cannot be played";
    const struct {
        std::string bytes;
        std::string says;
    } cases[] = {
        {whole.substr(0, 10), cut},
        {whole.substr(0, ReplayFormat::MAGIC_BYTES + 1), cut},
        {whole.substr(0, whole.size() / 2), cut},
        {whole.substr(0, whole.size() - 1), cut},
        {other_version, "' is a recording of version 2; this game plays version 1"},
        {"IRONVALE SAVE\n0\n", "' is not a recording of this game"},
    };
    for (const auto& c : cases) {
        TempDataFolder::write_file("bad.rec", c.bytes);
        EXPECT_EQ(Replay::play("bad.rec"), "Replay: 'bad.rec" + c.says);
        EXPECT_FALSE(Replay::playing());
        // The game says so in its log and ends with status 1, before it opens a window.
        FILE* game = popen((std::string(IRONVALE_GAME_BINARY) + " --replay bad.rec").c_str(), "r");
        ASSERT_TRUE(game);
        std::string log;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, game))
            log += buffer;
        const int status = pclose(game);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << c.says;
        EXPECT_NE(log.find("Replay: 'bad.rec" + c.says), std::string::npos) << log;
    }
}

// The menu left alone for 30 seconds of frames plays the demo: every fighter driven by the
// computer, the levels in turn, the saves untouched; a key brings the menu back.
TEST_F(ReplayTest, AnIdleMenuPlaysTheDemoUntilAKey) {
    write_index("S");
    write_story("S", {"Empty", "Fight"}, "0");
    write_level_file("S", "Fight", "level.txt",
                     "AGENT\n0\n100\n1\n150\n0\nAI_P1\nAGENT\n0\n100\n2\n600\n1\nAI_Dummy");
    Story::end();
    Story::start();

    // Looks at the controllers each frame; a key after the empty level's end has shown.
    ScriptedEvents idle(std::vector<SDL_Event>{});
    int polls = 0;
    bool players_driven = false, hurt = false;
    idle.each_poll = [&](SDL_Event& event) {
        ++polls;
        for (const AI* c : AI::AI_list)
            players_driven = players_driven || dynamic_cast<const AI_P1*>(c) != nullptr;
        hurt = hurt || (Agent::agents.size() > 1 && Agent::agents[1]->hp < 100);
        const int idle_for = polls - Demo::IDLE_FRAMES;
        if (idle_for == 300) event = ScriptedEvents::key(SDLK_a);
        if (idle_for == 310) event = ScriptedEvents::close();
        return idle_for == 300 || idle_for == 310;
    };
    testing::internal::CaptureStdout();
    run_menu();
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Demo: Playing 'Stories/S/Empty/'\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Demo: Playing 'Stories/S/Fight/'\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Demo: A key was pressed"), std::string::npos) << log;
    EXPECT_FALSE(players_driven) << "the demo hands the players' fighters to the computer";
    EXPECT_TRUE(hurt) << "who fights";
    EXPECT_EQ(read("Stories/S/save.txt"), "0");
    EXPECT_EQ(Story::stories[0]->progress, 0);
}
