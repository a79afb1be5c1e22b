#pragma once
#include <SDL.h>

// Gamepads, read through SDL 1.2's joystick API. sdl12-compat is asked to present every
// controller that SDL's game-controller database knows in one standard layout, so one
// mapping serves them all. The first pad holds the first player's keys and the second pad
// the second player's (d-pad or left stick for the four directions, the bottom face button
// for the sword); the buttons of every pad also press keys for the menu and the pages:
// directions, the bottom button (Space), the right one (Tab), Start (Pause), Back (Escape).
class Pads {
  public:
    static const int PLAYERS = 2;

    // Asks sdl12-compat for the standard layout and opens the pads; after Graphics::start.
    static void start();
    static void end();
    // Opens the pads afresh. SDL 1.2 tells nothing of a pad plugged in or out, so this
    // runs whenever the system's folder of input devices changes (and at start).
    static void rescan();
    // Pads open, at most PLAYERS.
    static int count();

    // Reads the pads; what has just been pressed becomes key presses to take.
    static void update();
    // Adds the keys the pads hold to a keyboard state indexed by SDLKey.
    static void hold_keys(Uint8* keys);
    // The oldest key press made by a pad and not yet taken; false when there is none.
    static bool take_press(SDL_Event& event);
    // Drops the presses not yet taken.
    static void forget_presses();

  private:
    static void watch_devices();
};
