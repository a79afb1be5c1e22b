#pragma once
// A story folder of the test's own in a temporary working folder, with the real pictures,
// sounds and interface strings loaded once per suite; blocking loops are fed key presses
// from a second thread.
#include <SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FighterWorld.h"
#include "TempDataFolder.h"
#include "core/TextMaker.h"
#include "level/Story.h"
#include "level/Stringz.h"

// Pushes its events one at a time: each waits until the game has taken the previous one
// and then a pause longer than a frame, so the discards at the start of a page or a level
// cannot swallow it. The last event is repeated until the feeder is destroyed.
class EventFeeder {
  public:
    explicit EventFeeder(std::vector<SDL_Event> events, int gap_ms = 150)
        : stop(false), thread([this, events, gap_ms] { feed(events, gap_ms); }) {}
    ~EventFeeder() {
        stop = true;
        thread.join();
    }
    EventFeeder(const EventFeeder&) = delete;
    EventFeeder& operator=(const EventFeeder&) = delete;

    static SDL_Event key(SDLKey sym) {
        SDL_Event e;
        e.type = SDL_KEYDOWN;
        e.key.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = KMOD_NONE;
        e.key.keysym.unicode = 0;
        e.key.keysym.scancode = 0;
        return e;
    }
    static SDL_Event quit() {
        SDL_Event e;
        e.type = SDL_QUIT;
        return e;
    }
    static std::vector<SDL_Event> keys(std::initializer_list<SDLKey> syms) {
        std::vector<SDL_Event> events;
        for (SDLKey s : syms)
            events.push_back(key(s));
        return events;
    }

  private:
    void feed(std::vector<SDL_Event> events, int gap_ms) {
        for (size_t i = 0; !stop; i = i + 1 < events.size() ? i + 1 : i) {
            wait_until_taken();
            if (stop) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(gap_ms));
            SDL_PushEvent(&events[i]);
        }
    }
    void wait_until_taken() {
        SDL_Event peeked;
        while (!stop && SDL_PeepEvents(&peeked, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }

    std::atomic<bool> stop;
    std::thread thread;
};

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
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static int occurrences(const std::string& text, const std::string& part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    std::unique_ptr<TempDataFolder> folder;
};
