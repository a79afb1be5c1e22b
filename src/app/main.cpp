// Entry point: brings every subsystem up, runs the main menu, brings them down.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Menu.h"
#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Coord.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Pads.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "level/Story.h"
#include "level/Stringz.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

bool fullscreen = false;
Coord resolution(800, 600);

namespace {
const int FRAMES_PER_SECOND = 40;
const double LARGEST_SCALE = 8;

const char* const USAGE =
    "Usage: ironvale [--scale N] [--help]\n"
    "Run it in its data folder.\n"
    "  --scale N  the window's size over 800 x 600: a number from 1 to 8, such as 1.5;\n"
    "             by default the largest step of 0.5 that fits the desktop\n"
    "  --help     show this and quit\n"
    "In the game F10 changes the window's size, minus and equals the volume, P pauses.\n";

// Reads the command line; false when the game should not start, with `status` the exit
// status (0 after --help).
bool read_options(int argc, char** argv, int& status) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(USAGE, stdout);
            status = 0;
            return false;
        }
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
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
    return true;
}
} // namespace

void start() {
    Error::open("Initialising all subsystems...");
    Graphics::start(resolution, FRAMES_PER_SECOND, fullscreen);
    Pads::start();
    Pixel::start();
    TextMaker::start();
    // Needs the font.
    Stringz::start();
    Sound::start();
    // The loading screen shows one of the strings.
    SpriteSheet::start();
    Animation::start();
    AgentInput::start();
    // Built from the named inputs.
    Combos::start();
    Agent::start();
    Particle::start();
    Attack::start();
    Story::start();
    Error::close("Success.");
}

void end() {
    Error::open("Shutting down all subsystems...");
    Story::end();
    Sound::end();
    Animation::end();
    SpriteSheet::end();
    TextMaker::end();
    Pads::end();
    Graphics::end();
    // Only releases images, so it may come after the screen is gone.
    Stringz::end();
    Error::close("Success.");
}

int SDL_main(int argc, char** argv) {
    int status = 0;
    if (!read_options(argc, argv, status)) return status;
    Error::open("Ironvale 2 launched");
    start();
    // Closed while loading: straight to the shutdown.
    if (!Events::quitting()) run_menu();
    end();
    return 0;
}

#if !defined(__WIN32__) && !defined(__MACOSX__)
// Elsewhere SDL's own entry wrapper calls SDL_main.
int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
#endif
