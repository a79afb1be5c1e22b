#include "core/Events.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/Error.h"
#include "core/Graphics.h"
#include "core/Pads.h"
#include "core/Sound.h"

namespace {
// How often a wait looks at the pads, which SDL 1.2 does not wake it for.
const Uint32 WAIT_STEP_MS = 10;

// SDL's own event queue and keyboard, with the gamepads pressing and holding keys.
class SdlEvents : public EventSource {
  public:
    bool poll(SDL_Event& event) override {
        // The pads are read at every look, so that no press waits behind the queue.
        Pads::update();
        return SDL_PollEvent(&event) == 1 || Pads::take_press(event);
    }
    bool wait(SDL_Event& event) override {
        while (!poll(event))
            SDL_Delay(WAIT_STEP_MS);
        return true;
    }
    bool discard() override {
        bool close = false;
        SDL_Event event;
        while (SDL_PollEvent(&event))
            close = close || event.type == SDL_QUIT;
        Pads::update();
        Pads::forget_presses();
        return close;
    }
    const Uint8* keys() override {
        SDL_PumpEvents();
        Pads::update();
        int count = 0;
        const Uint8* keyboard = SDL_GetKeyState(&count);
        state.fill(0);
        std::copy(keyboard, keyboard + std::min<int>(count, SDLK_LAST), state.begin());
        Pads::hold_keys(state.data());
        return state.data();
    }

  private:
    std::array<Uint8, SDLK_LAST> state{};
};

SdlEvents sdl_events;
EventSource* current = &sdl_events;
bool close_requested = false;

// Keys that work wherever the game listens: the window's scale and the volume.
bool answered_anywhere(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) return false;
    switch (event.key.keysym.sym) {
    case SDLK_F10:
        Graphics::cycle_scale();
        return true;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        Sound::volume_down();
        return true;
    case SDLK_EQUALS:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
        Sound::volume_up();
        return true;
    default:
        return false;
    }
}
} // namespace

EventSource* Events::use(EventSource* source) {
    EventSource* previous = current;
    current = source ? source : &sdl_events;
    return previous;
}

bool Events::remember(const SDL_Event& event) {
    if (event.type == SDL_QUIT) close_requested = true;
    return answered_anywhere(event);
}

bool Events::poll(SDL_Event& event) {
    if (!current->poll(event)) return false;
    remember(event);
    return true;
}

void Events::discard() {
    if (current->discard()) close_requested = true;
}

bool Events::wait_for_key() {
    SDL_Event event;
    while (!close_requested) {
        if (!current->wait(event)) {
            // Without input the game can only wait for ever; end it in order instead.
            Error::note(std::string("Events: Waiting for input failed (") + SDL_GetError() +
                        "); closing");
            close_requested = true;
            break;
        }
        if (!remember(event) && event.type == SDL_KEYDOWN) return true;
    }
    return false;
}

const Uint8* Events::sample_keys() { return current->keys(); }

bool Events::quitting() { return close_requested; }

void Events::reset() { close_requested = false; }
