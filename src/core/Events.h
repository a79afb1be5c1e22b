#pragma once
#include <SDL.h>

#include "core/EventSource.h"

// The one place the game takes window events and samples the keyboard. It remembers a
// request to close the window (the close button, or SIGTERM / SIGINT, which SDL turns
// into the same request) so that every loop can see it and unwind in order, and answers
// the keys that work anywhere: F10 (the window's scale), minus and equals (the volume).
class Events {
  public:
    // Installs `source` (not owned; null brings back SDL's own queue) and returns the one
    // it replaces, so that a stand-in can wrap or restore it.
    static EventSource* use(EventSource* source);

    // Takes at most one pending event; false when none is pending.
    static bool poll(SDL_Event& event);
    // Drops every pending event; a close request among them is still remembered.
    static void discard();
    // Waits for a key press other than those that work anywhere. False at once when the
    // game is closing, so callers unwind.
    static bool wait_for_key();
    // The keyboard's state for this frame, indexed by SDLKey.
    static const Uint8* sample_keys();

    // True once a close request has been taken.
    static bool quitting();
    // Forgets a close request: for a fresh session in the same process (tests, tools).
    static void reset();

  private:
    // True when the event was a key that works anywhere, and has been answered.
    static bool remember(const SDL_Event& event);
};
