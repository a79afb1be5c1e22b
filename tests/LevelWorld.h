#pragma once
// The fighters' world with the font and interface strings loaded, a Level to test, and
// tools for scripts: a scratch folder, silent sounds and captured log lines. The player's
// key presses come from a ScriptedEvents.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "CombatWorld.h"
#include "ScriptedEvents.h"
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
        std::string pattern = "/tmp/ironvale-level-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        dir = std::string(mkdtemp(name.data())) + "/";
        level = new Level();
    }
    void TearDown() override {
        delete level;
        CombatWorld::TearDown();
        std::string command = "rm -rf '" + dir + "'";
        if (std::system(command.c_str()) != 0) ADD_FAILURE() << "cannot remove " << dir;
    }

    // Writes a script from its lines, each ended by a line feed.
    void script(const std::string& file, const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines)
            text += l + "\n";
        write(file, text);
    }
    void write(const std::string& file, const std::string& content) {
        std::ofstream out(dir + file, std::ios::binary);
        out << content;
    }
    // Runs the script and gives back what it logged.
    std::string run(const std::string& file) {
        testing::internal::CaptureStdout();
        level->runScript(dir, file);
        return testing::internal::GetCapturedStdout();
    }
    std::string run_lines(const std::vector<std::string>& lines) {
        script("test.txt", lines);
        return run("test.txt");
    }

    // A silent 16-bit mono wave of the given length.
    void silent_wav(const std::string& file, int milliseconds) {
        const uint32_t rate = 22050;
        const uint32_t bytes = rate * milliseconds / 1000 * 2;
        std::string w = "RIFF";
        auto u32 = [&w](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                w += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        auto u16 = [&w](uint16_t v) {
            w += static_cast<char>(v & 0xFF);
            w += static_cast<char>(v >> 8);
        };
        u32(36 + bytes);
        w += "WAVEfmt ";
        u32(16);
        u16(1);
        u16(1);
        u32(rate);
        u32(rate * 2);
        u16(2);
        u16(16);
        w += "data";
        u32(bytes);
        w += std::string(bytes, '\0');
        write(file, w);
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

    std::string dir;
    Level* level = nullptr;
};
