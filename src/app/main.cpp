// Entry point: brings every subsystem up, runs the main menu, brings them down.
#include <SDL.h>

#include "app/Menu.h"
#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Coord.h"
#include "core/Error.h"
#include "core/Events.h"
#include "core/Graphics.h"
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
} // namespace

void start() {
    Error::open("Initialising all subsystems...");
    Graphics::start(resolution, FRAMES_PER_SECOND, fullscreen);
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
    Graphics::end();
    // Only releases images, so it may come after the screen is gone.
    Stringz::end();
    Error::close("Success.");
}

int SDL_main(int, char**) {
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
