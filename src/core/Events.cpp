#include "core/Events.h"

#include <string>

#include "core/Error.h"

namespace {
// SDL's own event queue and keyboard.
class SdlEvents : public EventSource {
  public:
    bool poll(SDL_Event& event) override { return SDL_PollEvent(&event) == 1; }
    bool wait(SDL_Event& event) override { return SDL_WaitEvent(&event) == 1; }
    bool discard() override {
        bool close = false;
        SDL_Event event;
        while (SDL_PollEvent(&event))
            close = close || event.type == SDL_QUIT;
        return close;
    }
    const Uint8* keys() override {
        SDL_PumpEvents();
        return SDL_GetKeyState(nullptr);
    }
};

SdlEvents sdl_events;
EventSource* current = &sdl_events;
bool close_requested = false;
} // namespace

EventSource* Events::use(EventSource* source) {
    EventSource* previous = current;
    current = source ? source : &sdl_events;
    return previous;
}

void Events::remember(const SDL_Event& event) {
    if (event.type == SDL_QUIT) close_requested = true;
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
        remember(event);
        if (event.type == SDL_KEYDOWN) return true;
    }
    return false;
}

const Uint8* Events::sample_keys() { return current->keys(); }

bool Events::quitting() { return close_requested; }

void Events::reset() { close_requested = false; }
