#include "core/Graphics.h"

#include <algorithm>

#include "core/Error.h"

Image* Graphics::screen = nullptr;
SDL_Surface* Graphics::screen_surface = nullptr;
unsigned Graphics::framerate = 40;
Uint32 Graphics::last_update = 0;

void Graphics::start(Coord size, int rate, bool fullscreen) {
    if (SDL_Init(SDL_INIT_EVERYTHING) < 0) Error::halt("Graphics: SDL failed to initialise");
    setScreen(size, fullscreen);
    SDL_WM_SetCaption("Ironvale II", nullptr);
    framerate = rate > 0 ? static_cast<unsigned>(rate) : 0;
    last_update = SDL_GetTicks();
    SDL_ShowCursor(SDL_DISABLE);
}

void Graphics::setScreen(Coord size, bool fullscreen) {
    // The video library frees the previous display surface itself when the mode changes.
    screen_surface =
        SDL_SetVideoMode(size.x, size.y, 32, fullscreen ? SDL_FULLSCREEN : SDL_SWSURFACE);
    if (!screen_surface) Error::halt("Graphics: Failed to create screen_surface");
    delete screen;
    screen = Image::wrap_display(screen_surface);
}

void Graphics::refresh() {
    if (framerate > 0) {
        const Uint32 period = 1000 / framerate;
        if (SDL_GetTicks() - last_update < period) {
            const Uint32 target = last_update + period;
            const Sint32 remaining = static_cast<Sint32>(target - SDL_GetTicks());
            if (remaining > 0) SDL_Delay(static_cast<Uint32>(remaining));
        }
    }
    flip();
    last_update = SDL_GetTicks();
}

void Graphics::force_refresh() { flip(); }

void Graphics::force_refresh(Coord pos, Coord size) {
    const int x0 = std::max(pos.x, 0);
    const int y0 = std::max(pos.y, 0);
    const int x1 = std::min(pos.x + size.x, screen_surface->w);
    const int y1 = std::min(pos.y + size.y, screen_surface->h);
    // An empty rectangle would mean the whole screen to the library.
    if (x0 >= x1 || y0 >= y1) return;
    SDL_UpdateRect(screen_surface, x0, y0, static_cast<Uint32>(x1 - x0),
                   static_cast<Uint32>(y1 - y0));
}

void Graphics::flip() {
    if (SDL_Flip(screen_surface) < 0) Error::halt("Graphics: Failed to refresh screen surface");
}

void Graphics::end() {
    SDL_ShowCursor(SDL_ENABLE);
    delete screen;
    screen = nullptr;
    screen_surface = nullptr;
    SDL_Quit();
}
