#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "StoryWorld.h"
#include "app/Menu.h"
#include "core/Coord.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "level/Story.h"
#include "level/Stringz.h"

// The entry point owns the display settings; the menu tests stand in for it.
bool fullscreen = false;
Coord resolution(800, 600);

namespace {
// The levels started, in order, as the log names them.
std::vector<std::string> levels_started(const std::string& log) {
    const std::string marker = "Story: Starting level '";
    std::vector<std::string> found;
    for (size_t at = log.find(marker); at != std::string::npos; at = log.find(marker, at + 1)) {
        const size_t begin = at + marker.size();
        found.push_back(log.substr(begin, log.find('\'', begin) - begin));
    }
    return found;
}

std::vector<SDL_Event> then_close(const std::vector<SDLKey>& keys) {
    std::vector<SDL_Event> events;
    for (SDLKey k : keys)
        events.push_back(ScriptedEvents::key(k));
    events.push_back(ScriptedEvents::close());
    return events;
}

const SDLKey UP = SDLK_UP, DOWN = SDLK_DOWN, LEFT = SDLK_LEFT, RIGHT = SDLK_RIGHT,
             SPACE = SDLK_SPACE, ESCAPE = SDLK_ESCAPE;
} // namespace

class MenuTest : public StoryWorld {
  protected:
    // Width between the first and the last white pixel in the rows from y, in the middle
    // of the screen (the pointing swords stay outside it).
    static int white_span(int y, int rows) {
        const int half = std::max(Stringz::windowed->w(), Stringz::fullscreen->w()) / 2 + 10;
        int left = 800, right = -1;
        Graphics::screen->open();
        for (int row = y; row < y + rows; ++row)
            for (int x = 400 - half; x < 400 + half; ++x) {
                Uint8 r, g, b;
                SDL_GetRGB(Graphics::screen->get_pixel(Coord(x, row)),
                           Graphics::screen->surface->format, &r, &g, &b);
                if (r < 200 || g < 200 || b < 200) continue;
                left = std::min(left, x);
                right = std::max(right, x);
            }
        Graphics::screen->close();
        return right - left + 1;
    }

    std::vector<std::string> play_menu(const std::vector<SDLKey>& keys) {
        Story::start();
        testing::internal::CaptureStdout();
        {
            ScriptedEvents player(then_close(keys));
            run_menu();
        }
        return levels_started(testing::internal::GetCapturedStdout());
    }
};

// The levels each walk through the menu starts, from a catalogue of stories given as
// name, levels and saved progress.
TEST_F(MenuTest, KeysChooseStoriesAndUnlockedLevels) {
    struct Told {
        std::string name;
        std::vector<std::string> levels;
        std::string save;
    };
    const struct {
        const char* what;
        std::vector<Told> stories;
        std::vector<SDLKey> keys;
        std::vector<std::string> started;
    } cases[] = {
        // Down to the level item, Right wraps from the progress to 0; back on the story item
        // Right keeps the only story and resets the level to its progress.
        {"story keys", {{"S", {"L0", "L1", "L2"}, "1"}}, {DOWN, RIGHT, UP, RIGHT, SPACE, ESCAPE},
         {"L1"}},
        {"locked levels", {{"S", {"L0", "L1", "L2"}, "0"}}, {DOWN, RIGHT, LEFT, RIGHT, SPACE, ESCAPE},
         {"L0"}},
        // A finished story starts at level 0; Left goes round to the progress; after the last
        // level the selection is back at 0, and Right moves on from there.
        {"finished story", {{"S", {"L0", "L1", "L2"}, "2"}},
         {DOWN, LEFT, SPACE, ESCAPE, RIGHT, SPACE, ESCAPE}, {"L2", "L1"}},
        {"selection follows the unlocked levels", {{"S", {"L0", "L1", "L2"}, "0"}},
         {SPACE, ESCAPE, SPACE, ESCAPE, SPACE, ESCAPE, SPACE, ESCAPE}, {"L0", "L1", "L2", "L0"}},
        {"stories wrap", {{"A", {"A0"}, "0"}, {"B", {"B0", "B1"}, "1"}},
         {RIGHT, SPACE, ESCAPE, RIGHT, SPACE, ESCAPE, LEFT, SPACE, ESCAPE}, {"B0", "A0", "B0"}},
        {"Return confirms, Escape does nothing", {{"S", {"L0"}, "0"}},
         {ESCAPE, SDLK_RETURN, ESCAPE, SPACE, ESCAPE}, {"L0", "L0"}},
        // Up from the first item wraps to Quit; nothing after it is played.
        {"quit", {{"S", {"L0"}, "0"}}, {UP, SPACE, SPACE}, {}},
        {"no stories", {}, {SPACE, RIGHT, DOWN, RIGHT, SPACE}, {}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all("Stories");
        std::string index;
        for (const Told& t : c.stories) {
            index += (index.empty() ? "" : "\n") + t.name;
            write_story(t.name, t.levels, t.save);
        }
        write_index(index);
        EXPECT_EQ(play_menu(c.keys), c.started) << c.what;
        Story::end();
    }
}

TEST_F(MenuTest, FullScreenShowsTheWindowedItemAtTheSameSize) {
    write_index("S");
    write_story("S", {"L0"}, "0");
    // Escape does nothing: it lets the bolt that opens the menu (at most 38 frames) pass.
    std::vector<SDLKey> keys = {DOWN, DOWN, DOWN, SPACE};
    keys.insert(keys.end(), 40, ESCAPE);
    EXPECT_TRUE(play_menu(keys).empty());
    EXPECT_TRUE(fullscreen);
    EXPECT_EQ(Graphics::screen->w(), 800);
    EXPECT_EQ(Graphics::screen->h(), 600);
    // The last frame shows the windowed text as item 3: its white letters span its width.
    const int shown = white_span(250 + 50 * 3, Stringz::windowed->h());
    EXPECT_NEAR(shown, Stringz::windowed->w(), 4);
    ASSERT_GT(std::abs(Stringz::windowed->w() - Stringz::fullscreen->w()), 8);
    fullscreen = false;
    Graphics::setScreen(resolution, fullscreen);
}

TEST_F(MenuTest, ACloseRequestAnywhereEndsTheMenuAndCutsTheLevelShort) {
    struct Case {
        const char* where;
        const char* file; // in the level's folder
        const char* content;
        std::vector<SDLKey> keys; // then the request to close
        bool level_closed;
    };
    const Case cases[] = {
        {"menu", "", "", {}, false},
        {"level", "level.txt", "AGENT\n0\n100\n2\n200\n0\nAI_Dummy", {SPACE}, true},
        {"intro page", "intro.txt", "Long ago", {SPACE}, true},
        {"text page", "level.txt", "TEXT\nLong ago\nEND\nNOT REACHED", {SPACE}, true},
        {"speech", "level.txt", "AGENT\n0\n100\n1\n200\n0\nAI_Dummy\nSPEECH\n0\nline.wav\nNOT REACHED",
         {SPACE}, true},
        {"instructions page", "../../../instructions.txt", "Press a key",
         {DOWN, DOWN, DOWN, DOWN, SPACE}, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all("Stories");
        write_index("S");
        write_story("S", {"L0"}, "0");
        TempDataFolder::add_wav("Stories/S/L0/line.wav", 22050 * 60);
        if (*c.file) write_level_file("S", "L0", c.file, c.content);
        Story::start();
        testing::internal::CaptureStdout();
        {
            ScriptedEvents player(then_close(c.keys));
            run_menu();
            EXPECT_TRUE(player.used_up()) << c.where;
            EXPECT_TRUE(Events::quitting()) << c.where;
        }
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_EQ(occurrences(log, "Story: Level closed: the game is closing"), c.level_closed)
            << c.where << log;
        EXPECT_EQ(log.find("NOT REACHED"), std::string::npos) << c.where << log;
        Story::end();
        std::filesystem::remove("instructions.txt");
    }
}
