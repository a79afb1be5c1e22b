#pragma once
#include <SDL.h>

#include <vector>

#include "core/Coord.h"
#include "core/Image.h"

// The window, the display surface and the frame pacing. The game always draws into its own
// surface of the screen size; sdl12-compat scales the window over it (whole or half steps)
// and letterboxes it in full screen.
class Graphics {
public:
    static Image* screen;
    static SDL_Surface* screen_surface;
    static unsigned framerate;
    static Uint32 last_update;
    // The window's size over the screen's; 0 until start() picks the largest that fits the
    // desktop. Set it before start() to choose another.
    static double scale;
    // False while a tool plays levels unseen: nothing is drawn on the screen or presented,
    // and everything else, the rules and their random draws above all, runs as it would.
    // Nothing keeps the frame pace then: such a tool answers speeches and pages at once.
    static bool drawing;

    static void start(Coord size, int framerate, bool fullscreen);
    static void setScreen(Coord size, bool fullscreen);
    // Sleeps out the rest of the frame period, then presents the frame.
    static void refresh();
    // Presents the frame at once, leaving the frame clock alone.
    static void force_refresh();
    // Presents only this rectangle of the screen (the part of it on the screen) at once,
    // leaving the frame clock alone; the rest of the window shows what it showed. Far
    // cheaper than a whole present when little has changed.
    static void force_refresh(Coord pos, Coord size);
    static void end();

    // The window takes the next scale that fits the desktop (after the largest, 1 again),
    // keeping the picture; nothing happens in full screen.
    static void cycle_scale();
    // The scales, in steps of 0.5 from 1, whose window of `screen` pixels fits `desktop`
    // with room for a window frame and a panel; at least 1.
    static std::vector<double> scales_that_fit(Coord desktop, Coord screen);
    // What cycle_scale moves to from `current`.
    static double next_scale(double current, Coord desktop, Coord screen);

private:
    static void flip();

    static Coord desktop;
    static Coord size;
    static bool fullscreen;
};
