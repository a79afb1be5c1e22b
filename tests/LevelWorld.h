#pragma once
// The fighters' world with the font and interface strings loaded, a Level to test, and
// tools for scripts: a scratch folder, silent sounds and captured log lines. The player's
// key presses come from a ScriptedEvents.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CombatWorld.h"
#include "ScriptedEvents.h"
#include "TempDataFolder.h"
#include "ai/AI.h"
#include "core/Clock.h"
#include "core/TextMaker.h"
#include "level/Level.h"
#include "level/Stringz.h"

class LevelWorld : public CombatWorld {
  protected:
    static void SetUpTestSuite() {
        CombatWorld::SetUpTestSuite();
        TextMaker::start();
        Stringz::start();
    }
    static void TearDownTestSuite() {
        Stringz::end();
        TextMaker::end();
        CombatWorld::TearDownTestSuite();
    }
    void SetUp() override {
        CombatWorld::SetUp();
        scratch.reset(new TempDataFolder(false));
        dir = scratch->path + "/";
        level = new Level();
    }
    void TearDown() override {
        delete level;
        CombatWorld::TearDown();
        scratch.reset();
    }

    void write(const std::string& file, const std::string& content) {
        TempDataFolder::write_file(dir + file, content);
    }
    // Runs the script and gives back what it logged.
    std::string run(const std::string& file) {
        testing::internal::CaptureStdout();
        level->runScript(dir, file);
        return testing::internal::GetCapturedStdout();
    }
    // The same for a script written from these lines, each ended by a line feed.
    std::string run_lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines)
            text += l + "\n";
        write("test.txt", text);
        return run("test.txt");
    }
    void silent_wav(const std::string& file, int milliseconds) {
        TempDataFolder::add_wav(dir + file, static_cast<uint32_t>(22050 * milliseconds / 1000));
    }

    static Agent* agent(int team, int x, bool facing_left = false) {
        return new Agent(VARIANT_WHITE_CAPE, 100, Coord(x, Level::FLOOR_HEIGHT), team, facing_left);
    }

    static Uint32 screen_at(int x, int y) {
        Graphics::screen->open();
        const Uint32 p = Graphics::screen->get_pixel(Coord(x, y));
        Graphics::screen->close();
        return p;
    }

    std::unique_ptr<TempDataFolder> scratch;
    std::string dir;
    Level* level = nullptr;
};
