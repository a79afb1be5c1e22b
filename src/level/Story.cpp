#include "level/Story.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>

#include "core/Clock.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/FileIn.h"
#include "core/FileOut.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Replay.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "level/LevelScript.h"
#include "level/Referee.h"
#include "level/Stringz.h"

namespace {
const int PAGE_LEFT = LevelScript::PAGE_LEFT;

const char* const CLOSING = "Story: Level closed: the game is closing";

// Every line of a catalogue file. Empty names are left out: an empty file reads as one
// empty line, and an empty name would make a path to the catalogue's own folder.
std::vector<std::string> read_names(const std::string& path) {
    std::vector<std::string> names;
    FileIn file(path);
    while (!file.empty()) {
        const std::string line = file.getLine();
        if (!line.empty()) names.push_back(line);
    }
    return names;
}

// The optional page of plain text shown before a level.
void show_intro(const std::string& path) {
    FileIn file(path);
    if (!file.is_open()) return;
    Graphics::screen->fill(Pixel::black);
    for (int y = LevelScript::PAGE_TOP; !file.empty(); y += LevelScript::PAGE_LINE_HEIGHT) {
        Image* line = TextMaker::make_text(file.getLine().c_str(), 255, 255, 255);
        line->draw(Coord(PAGE_LEFT, y));
        delete line;
    }
    Graphics::refresh();
    Events::discard();
    if (Events::wait_for_key()) Sound::play_sword_wield();
}

// A level held still: no controller, world or rule clock runs, the effects hold and the
// music plays softly, and the frozen picture says so. Ending it lets everything go on.
class Pause {
  public:
    Pause() = default;
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;
    ~Pause() { end(); }

    bool on() const { return paused; }

    void begin() {
        if (paused) return;
        paused = true;
        Clock::hold();
        Sound::hold(true);
        show_notice();
    }
    void end() {
        if (!paused) return;
        paused = false;
        Clock::release();
        Sound::hold(false);
    }

    // P and Pause switch it; losing the window (its focus, or to an icon) begins it.
    void handle(const SDL_Event& event) {
        if (event.type == SDL_KEYDOWN &&
            (event.key.keysym.sym == SDLK_p || event.key.keysym.sym == SDLK_PAUSE)) {
            if (paused)
                end();
            else
                begin();
        } else if (event.type == SDL_ACTIVEEVENT && !event.active.gain &&
                   (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE))) {
            begin();
        }
    }

  private:
    // Drawn once: the picture stays as it is until play goes on.
    static void show_notice() {
        Image* line = TextMaker::make_utf8(NOTICE, 255, 255, 255);
        const int y = Graphics::screen->h() / 2 - line->h() / 2;
        Graphics::screen->draw_box(Coord(0, y - NOTICE_MARGIN),
                                   Coord(Graphics::screen->w(), line->h() + 2 * NOTICE_MARGIN),
                                   Pixel::black);
        line->draw(Coord(Graphics::screen->w() / 2 - line->w() / 2, y));
        delete line;
    }

    static constexpr const char* NOTICE = "Paused - P: play on, R: restart, Escape: leave";
    static const int NOTICE_MARGIN = 10;
    bool paused = false;
};
} // namespace

std::vector<Story*> Story::stories;

void Story::start() {
    for (const std::string& name : read_names("Stories/index.txt")) {
        Story* story = new Story(name);
        if (story->levels.empty()) {
            // Nothing to offer in the menu.
            Error::note("Story: '" + name + "' names no level and is left out");
            delete story;
            continue;
        }
        stories.push_back(story);
    }
}

void Story::end() {
    for (Story* story : stories)
        delete story;
    stories.clear();
}

Story::Story(std::string story_name) : progress(0), name(story_name) {
    levels = read_names(folder() + "summary.txt");
    progress = read_progress();
}

int Story::read_progress() const {
    FileIn save(folder() + "save.txt");
    if (!save.is_open()) {
        // A player who deletes the file starts over; it is written again on the first unlock.
        Error::note("Story: No saved progress for '" + name + "'; starting from the first level");
        return 0;
    }
    const int saved = save.getInt();
    const int kept = within_levels(saved);
    if (kept != saved)
        Error::note("Story: Saved progress " + Utility::str(saved) + " of '" + name +
                    "' is outside 0.." + Utility::str(within_levels(INT_MAX)) + "; using " +
                    Utility::str(kept));
    return kept;
}

int Story::within_levels(int saved) const {
    return std::clamp(saved, 0, std::max(0, static_cast<int>(levels.size()) - 1));
}

void Story::save_progress(int n) {
    // A replay plays the progress it recorded and leaves the player's own alone.
    if (Replay::playing()) return;
    FileOut::replace(folder() + "save.txt", Utility::str(n));
}

bool Story::finished() const { return progress >= static_cast<int>(levels.size()) - 1; }

std::string Story::folder() const { return "Stories/" + name + "/"; }

void Story::unlock(int index) {
    if (progress != index || index >= static_cast<int>(levels.size()) - 1) return;
    progress = index + 1;
    save_progress(progress);
}

bool Story::start_level(int index) {
    if (index < 0 || index >= static_cast<int>(levels.size())) {
        Error::note("Story: No level " + Utility::str(index) + " in '" + name + "'");
        return false;
    }
    Mix_HaltMusic();
    Error::open("Story: Starting level '" + levels[index] + "'");
    const std::string dir = folder() + levels[index] + "/";
    show_intro(dir + "intro.txt");
    if (Events::quitting()) {
        Error::close(CLOSING);
        return false;
    }

    Level* level = new Level();
    level->runScript(dir, "level.txt");
    Events::discard();

    Referee referee(level, dir);
    Pause pause;

    for (;;) {
        if (Events::quitting()) {
            // What the frames have unlocked is saved; a script cut short decides nothing.
            pause.end();
            delete level;
            Error::close(CLOSING);
            return false;
        }
        if (!pause.on()) {
            level->run();
            if (referee.frame() == Referee::WON) unlock(index);
            if (level->script_won) unlock(index);
        }
        Graphics::refresh();

        SDL_Event event;
        if (Events::poll(event)) {
            pause.handle(event);
            if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
                pause.end();
                Sound::play_sword_wield();
                const bool won = referee.won();
                delete level;
                Error::close("Story: Level closed");
                return won;
            }
            if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_r) {
                pause.end();
                Sound::play_sword_wield();
                delete level;
                level = new Level();
                // A restart skips the speeches the player has already heard.
                level->speech_skipped = true;
                level->runScript(dir, "level.txt");
                referee.restart(level);
            }
        }
        if (level->quit()) break;
    }

    const bool won = referee.won();
    if (won) unlock(index);
    delete level;
    Error::close("Story: Level automatically exited due to script");
    return won;
}
