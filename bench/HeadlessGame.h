#pragma once
// The game's subsystems brought up and down as the game does, without the menu, for the
// benchmarks that play levels; the working folder must be the data folder. Video is the
// dummy driver unless the caller's environment chose another; so is audio, unless `audio`
// names a driver.
#include <cstdlib>

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "level/Story.h"
#include "level/Stringz.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

// The SDL 1.2 compatibility layer keeps the wrapper of every display surface it made
// (SDL_Quit does not free it): a sanitizer build must not call that the benchmark's leak.
// Its frames carry no frame pointers, so leak stacks are traced the slow way. (Include this
// header in one source file of a program only.)
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:SDL_SetVideoMode\n";
}

namespace HeadlessGame {
// `framerate` 0 leaves the frames unpaced.
inline void start(int framerate, const char* audio = nullptr) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (audio)
        setenv("SDL_AUDIODRIVER", audio, 1);
    else
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    Graphics::start(Coord(800, 600), framerate, false);
    Pixel::start();
    TextMaker::start();
    Stringz::start();
    Sound::start();
    SpriteSheet::start();
    Animation::start();
    AgentInput::start();
    Combos::start();
    Agent::start();
    Particle::start();
    Attack::start();
    Story::start();
}

inline void end() {
    Story::end();
    Sound::end();
    Animation::end();
    SpriteSheet::end();
    TextMaker::end();
    Graphics::end();
    Stringz::end();
}
} // namespace HeadlessGame
