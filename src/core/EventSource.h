#pragma once
#include <SDL.h>

// Where the game's window events and keyboard state come from: SDL's own queue and the
// gamepads in play, or a stand-in (a test's scripted player, a fuzzer that answers every
// page at once, a recording played back). Installed with Events::use.
class EventSource {
  public:
    virtual ~EventSource() = default;

    // Takes the next pending event; false when none is pending.
    virtual bool poll(SDL_Event& event) = 0;
    // Takes the next event, waiting for one as long as it takes; false when none can come.
    virtual bool wait(SDL_Event& event) = 0;
    // Drops what the player did before the game started listening; true when a request
    // to close the window was among it.
    virtual bool discard() = 0;
    // The keyboard now, one entry per SDLKey (non-zero while held); valid until the next call.
    virtual const Uint8* keys() = 0;
};
