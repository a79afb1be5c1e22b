#pragma once
// A story folder of the test's own in a temporary working folder, with the real pictures,
// sounds and interface strings loaded once per suite; the player is a ScriptedEvents.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FighterWorld.h"
#include "ScriptedEvents.h"
#include "TempDataFolder.h"
#include "core/TextMaker.h"
#include "level/Story.h"
#include "level/Stringz.h"

class StoryWorld : public FighterWorld {
  protected:
    static void SetUpTestSuite() {
        FighterWorld::SetUpTestSuite();
        TextMaker::start();
        Stringz::start();
        Agent::start();
        Particle::start();
        Attack::start();
    }
    static void TearDownTestSuite() {
        Stringz::end();
        TextMaker::end();
        FighterWorld::TearDownTestSuite();
    }
    void SetUp() override {
        FighterWorld::SetUp();
        folder.reset(new TempDataFolder());
        TempDataFolder::add_empty_picture();
    }
    void TearDown() override {
        Story::end();
        folder.reset();
        FighterWorld::TearDown();
    }

    // A story whose catalogue lists `levels`, saved at `progress`, each level with an
    // empty script (no agents: won at once) unless given one later.
    static void write_story(const std::string& name, const std::vector<std::string>& levels,
                            const std::string& save) {
        std::string summary;
        for (size_t i = 0; i < levels.size(); ++i)
            summary += (i ? "\n" : "") + levels[i];
        TempDataFolder::write_file("Stories/" + name + "/summary.txt", summary);
        TempDataFolder::write_file("Stories/" + name + "/save.txt", save);
        for (const std::string& level : levels)
            TempDataFolder::write_file("Stories/" + name + "/" + level + "/level.txt", "");
    }
    static void write_index(const std::string& content) {
        TempDataFolder::write_file("Stories/index.txt", content);
    }
    static void write_level_file(const std::string& story, const std::string& level,
                                 const std::string& file, const std::string& content) {
        TempDataFolder::write_file("Stories/" + story + "/" + level + "/" + file, content);
    }
    static std::string read(const std::string& path) { return TempDataFolder::read_file(path); }
    static int occurrences(const std::string& text, const std::string& part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    std::unique_ptr<TempDataFolder> folder;
};
