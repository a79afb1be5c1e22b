#include "app/Game.h"

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Error.h"
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

void Game::start(Coord resolution, int framerate, bool fullscreen) {
    Error::open("Initialising all subsystems...");
    Graphics::start(resolution, framerate, fullscreen);
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

void Game::end() {
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
