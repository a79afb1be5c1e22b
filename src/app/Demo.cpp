#include "app/Demo.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>

#include "ai/AI.h"
#include "core/Error.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "level/Level.h"
#include "level/Referee.h"
#include "level/Story.h"

const char* const Demo::CONTROLLER = "AI_Mk3";
size_t Demo::turn = 0;

namespace {
// Levels that show well, by folder name: different settings, weathers and times of day, and
// fights that start soon (the demo turns pages and ends spoken lines at once).
const char* const SHOWN[] = {"Castle Gate", "The Drowned Fen", "Snowfield", "The King's Tourney",
                             "Forest Road", "Hell Mouth"};
// Without any of them, this many levels from the start of the first story.
const size_t FALLBACK_LEVELS = 3;
// A level plays at most three minutes, then shows its end for four seconds.
const int MOST_FRAMES = 40 * 180;
const int END_FRAMES = 40 * 4;
const char* const NOTICE = "Demo - press a key for the menu";
const char* const WON = "The hero wins";
const char* const LOST = "The hero falls";
// The band at the foot of the screen that carries the demo's line; it covers the result
// message, whose keys do not apply here.
const int BAND_HEIGHT = 50;
const int BAND_MARGIN = 20;

std::string folder(const Story& story, const std::string& level) {
    return "Stories/" + story.name + "/" + level + "/";
}

// Between the demo and the input: every key press or pad button ends the demo, and as a
// Tab also ends a spoken line at once; a page is turned at once; no key is held.
class DemoEvents : public EventSource {
  public:
    DemoEvents() : inner(Events::use(this)) {}
    ~DemoEvents() override { Events::use(inner); }
    DemoEvents(const DemoEvents&) = delete;
    DemoEvents& operator=(const DemoEvents&) = delete;

    bool poll(SDL_Event& event) override {
        if (!inner->poll(event)) return false;
        if (event.type == SDL_KEYDOWN) {
            pressed = true;
            event = tab();
        }
        return true;
    }
    bool wait(SDL_Event& event) override {
        event = tab();
        return true;
    }
    bool discard() override { return inner->discard(); }
    const Uint8* keys() override { return nothing_held.data(); }

    bool pressed = false;

  private:
    static SDL_Event tab() {
        SDL_Event event = SDL_Event();
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = SDLK_TAB;
        return event;
    }

    EventSource* inner;
    std::array<Uint8, SDLK_LAST> nothing_held{};
};
} // namespace

std::vector<std::string> Demo::levels() {
    std::vector<std::string> found;
    for (const char* name : SHOWN)
        for (const Story* story : Story::stories)
            for (const std::string& level : story->levels)
                if (level == name) found.push_back(folder(*story, level));
    if (!found.empty() || Story::stories.empty()) return found;
    const Story& first = *Story::stories.front();
    for (size_t i = 0; i < first.levels.size() && i < FALLBACK_LEVELS; ++i)
        found.push_back(folder(first, first.levels[i]));
    return found;
}

bool Demo::run() {
    Error::open("Demo: Starting");
    DemoEvents events;
    Demo demo;
    while (!Events::quitting() && !events.pressed) {
        demo.frame();
        Graphics::refresh();
        SDL_Event event;
        Events::poll(event);
    }
    Error::close(events.pressed ? "Demo: A key was pressed" : "Demo: The game is closing");
    return events.pressed && !Events::quitting();
}

Demo::Demo() : folders(levels()) {
    notice = TextMaker::make_utf8(NOTICE, 255, 255, 255);
    won = TextMaker::make_utf8(WON, 255, 255, 255);
    lost = TextMaker::make_utf8(LOST, 255, 255, 255);
}

Demo::~Demo() {
    end_level();
    // The weather's loop would sound on in the menu.
    Sound::stop_loops();
    delete notice;
    delete won;
    delete lost;
}

void Demo::begin_level() {
    const std::string& dir = folders[turn++ % folders.size()];
    Error::note("Demo: Playing '" + dir + "'");
    // The level's own music, as when a player starts it.
    Mix_HaltMusic();
    level = new Level();
    level->runScript(dir, "level.txt");
    referee = new Referee(level, dir);
    playing = MOST_FRAMES;
    ending = END_FRAMES;
    result = nullptr;
}

void Demo::end_level() {
    delete referee;
    referee = nullptr;
    delete level;
    level = nullptr;
}

void Demo::frame() {
    if (folders.empty()) {
        // No story to show: the line alone on black.
        Graphics::screen->fill(Pixel::black);
    } else {
        if (!level) begin_level();
        // Wave scripts may bring players of their own.
        AI::replace_players(CONTROLLER);
        level->run();
        const Referee::Verdict verdict = referee->frame();
        if (verdict == Referee::WON || level->script_won) result = won;
        if (verdict == Referee::LOST) result = lost;
        if (verdict != Referee::PLAYING || level->script_won || level->quit()) playing = 0;
        if (playing > 0)
            --playing;
        else if (level->quit() || --ending <= 0)
            end_level();
    }
    draw_band();
}

void Demo::draw_band() {
    Image* screen = Graphics::screen;
    const int top = screen->h() - BAND_HEIGHT;
    screen->draw_box(Coord(0, top), Coord(screen->w(), BAND_HEIGHT), Pixel::black);
    const int y = top + (BAND_HEIGHT - notice->h()) / 2;
    notice->draw(Coord(screen->w() - notice->w() - BAND_MARGIN, y));
    if (result) result->draw(Coord(BAND_MARGIN, y));
}
