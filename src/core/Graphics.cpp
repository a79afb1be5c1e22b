#include "core/Graphics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/Error.h"

Image* Graphics::screen = nullptr;
SDL_Surface* Graphics::screen_surface = nullptr;
unsigned Graphics::framerate = 40;
Uint32 Graphics::last_update = 0;
double Graphics::scale = 0;
bool Graphics::drawing = true;
Coord Graphics::desktop;
Coord Graphics::size;
bool Graphics::fullscreen = false;

namespace {
// Room a desktop keeps around a window: its frame, a title bar and a panel.
const Coord ROOM(16, 60);
const double SCALE_STEP = 0.5;

// How sdl12-compat presents the display surface, unless the player's environment says
// otherwise. Where OpenGL runs in software (llvmpipe, as under Xvfb), SDL 2's software
// renderer drawing straight into the window's shared-memory image costs a third to a half
// of its OpenGL renderer's texture upload and draw, at scales 1 to 3.5, and leaves Mesa
// unloaded (some 90 MB less memory). With a graphics card, SDL_RENDER_DRIVER=opengl may
// present large scales more cheaply.
void choose_presentation() {
    setenv("SDL_RENDER_DRIVER", "software", 0);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 0);
    // Whole pixels: sharp at whole scales, and the cheapest to draw at every scale.
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);
}

std::string scale_text(double scale) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", scale);
    return text;
}

// sdl12-compat reads the window's scale each time a video mode is set.
void ask_window_scale(double scale) {
    setenv("SDL12COMPAT_WINDOW_SCALING", scale_text(scale).c_str(), 1);
}
} // namespace

void Graphics::start(Coord screen_size, int rate, bool full) {
    choose_presentation();
    if (SDL_Init(SDL_INIT_EVERYTHING) < 0) Error::halt("Graphics: SDL failed to initialise");
    // Before the first video mode this is the desktop's own size.
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    desktop = info ? Coord(info->current_w, info->current_h) : screen_size;
    if (scale <= 0) scale = scales_that_fit(desktop, screen_size).back();
    setScreen(screen_size, full);
    SDL_WM_SetCaption("Ironvale II", nullptr);
    framerate = rate > 0 ? static_cast<unsigned>(rate) : 0;
    last_update = SDL_GetTicks();
    SDL_ShowCursor(SDL_DISABLE);
}

void Graphics::setScreen(Coord screen_size, bool full) {
    size = screen_size;
    fullscreen = full;
    ask_window_scale(scale > 0 ? scale : 1);
    // The video library frees the previous display surface itself when the mode changes.
    screen_surface =
        SDL_SetVideoMode(size.x, size.y, 32, fullscreen ? SDL_FULLSCREEN : SDL_SWSURFACE);
    if (!screen_surface) Error::halt("Graphics: Failed to create screen_surface");
    delete screen;
    screen = Image::wrap_display(screen_surface);
}

void Graphics::cycle_scale() {
    if (!screen_surface || fullscreen) return;
    scale = next_scale(scale, desktop, size);
    // A new video mode starts blank; a page that waits for a key would stay so.
    SDL_Surface* s = screen_surface;
    std::vector<Uint8> picture(static_cast<size_t>(s->pitch) * s->h);
    screen->open();
    std::memcpy(picture.data(), s->pixels, picture.size());
    screen->close();
    setScreen(size, false);
    s = screen_surface;
    if (static_cast<size_t>(s->pitch) * s->h == picture.size()) {
        screen->open();
        std::memcpy(s->pixels, picture.data(), picture.size());
        screen->close();
    }
    Error::note("Graphics: Window scale " + scale_text(scale));
    force_refresh();
}

std::vector<double> Graphics::scales_that_fit(Coord desk, Coord screen_size) {
    std::vector<double> fits = {1};
    for (double s = 1 + SCALE_STEP;; s += SCALE_STEP) {
        if (screen_size.x * s > desk.x - ROOM.x || screen_size.y * s > desk.y - ROOM.y) break;
        fits.push_back(s);
    }
    return fits;
}

double Graphics::next_scale(double current, Coord desk, Coord screen_size) {
    const std::vector<double> fits = scales_that_fit(desk, screen_size);
    for (double s : fits)
        if (s > current + SCALE_STEP / 2) return s;
    return fits.front();
}

void Graphics::refresh() {
    if (!drawing) return;
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

void Graphics::force_refresh() {
    if (drawing) flip();
}

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
