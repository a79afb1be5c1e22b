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
    static void end();

private:
    static void flip();
};
