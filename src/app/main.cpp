// Entry point: brings every subsystem up, runs the main menu, brings them down.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/Game.h"
#include "app/Menu.h"
#include "core/Coord.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Replay.h"
#include "level/Story.h"

bool fullscreen = false;
Coord resolution(800, 600);

namespace {
const int FRAMES_PER_SECOND = 40;
const double LARGEST_SCALE = 8;

const char* const USAGE =
    "Usage: ironvale [--scale N] [--demo] [--record FILE | --replay FILE] [--help]\n"
    "Run it in its data folder.\n"
    "  --scale N        the window's size over 800 x 600: a number from 1 to 8, such as 1.5;\n"
    "                   by default the largest step of 0.5 that fits the desktop\n"
    "  --demo           start with the demo: levels played by the computer alone, in turn,\n"
    "                   for ever; a key brings the menu\n"
    "  --record FILE    record the whole session into FILE\n"
    "  --replay FILE    play a recorded session again, frame for frame, without the keyboard;\n"
    "                   the saved progress stays as it is (exit status 1 when the game no\n"
    "                   longer plays the recording the same way)\n"
    "  --help           show this and quit\n"
    "In the game F10 changes the window's size, minus and equals the volume, P pauses.\n";

struct Options {
    bool demo = false;
    std::string record;
    std::string replay;
};

// Reads the command line; false when the game should not start, with `status` the exit
// status (0 after --help).
bool read_options(int argc, char** argv, Options& options, int& status) {
    for (int i = 1; i < argc; ++i) {
        const bool has_value = i + 1 < argc;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(USAGE, stdout);
            status = 0;
            return false;
        }
        if (std::strcmp(argv[i], "--demo") == 0) {
            options.demo = true;
            continue;
        }
        if (std::strcmp(argv[i], "--record") == 0 && has_value) {
            options.record = argv[++i];
            continue;
        }
        if (std::strcmp(argv[i], "--replay") == 0 && has_value) {
            options.replay = argv[++i];
            continue;
        }
        if (std::strcmp(argv[i], "--scale") == 0 && has_value) {
            char* end = nullptr;
            const double scale = std::strtod(argv[++i], &end);
            if (end != argv[i] && *end == '\0' && scale >= 1 && scale <= LARGEST_SCALE) {
                Graphics::scale = scale;
                continue;
            }
            std::fprintf(stderr, "ironvale: --scale wants a number from 1 to 8, not '%s'\n",
                         argv[i]);
        } else {
            std::fprintf(stderr, "ironvale: unknown option '%s'\n", argv[i]);
        }
        std::fputs(USAGE, stderr);
        status = 2;
        return false;
    }
    if (!options.record.empty() && !options.replay.empty()) {
        std::fputs("ironvale: --record and --replay cannot go together\n", stderr);
        std::fputs(USAGE, stderr);
        status = 2;
        return false;
    }
    return true;
}

// Recording or playing back from the start, before anything reads the outside world.
void begin_replay(const Options& options) {
    std::string why;
    if (!options.record.empty()) why = Replay::record(options.record);
    if (!options.replay.empty()) why = Replay::play(options.replay);
    if (!why.empty()) Error::halt(why);
}

// How the session begins: recorded, or as the recording says (the stories' progress
// from their saves, and whether the demo comes first). True for the demo first.
bool begin_session(bool demo) {
    Replay::Start session;
    session.demo = demo;
    for (const Story* story : Story::stories)
        session.saves.emplace_back(story->name, story->progress);
    Replay::start_of_session(session);
    for (const auto& save : session.saves)
        for (Story* story : Story::stories)
            if (story->name == save.first) story->progress = story->within_levels(save.second);
    return session.demo;
}
} // namespace

int SDL_main(int argc, char** argv) {
    int status = 0;
    Options options;
    if (!read_options(argc, argv, options, status)) return status;
    Error::open("Ironvale 2 launched");
    begin_replay(options);
    Game::start(resolution, FRAMES_PER_SECOND, fullscreen);
    const bool demo = begin_session(options.demo);
    // Closed while loading: straight to the shutdown.
    if (!Events::quitting()) run_menu(demo);
    Game::end();
    // A replay that went astray ends with status 1.
    return Replay::end() ? 0 : 1;
}

#if !defined(__WIN32__) && !defined(__MACOSX__)
// Elsewhere SDL's own entry wrapper calls SDL_main.
int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
#endif
