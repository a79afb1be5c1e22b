#pragma once
#include <SDL.h>

#include "core/Coord.h"
#include "core/Image.h"

// The window, the display surface and the frame pacing.
class Graphics {
public:
    static Image* screen;
    static SDL_Surface* screen_surface;
    static unsigned framerate;
    static Uint32 last_update;

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

private:
    static void flip();
};
