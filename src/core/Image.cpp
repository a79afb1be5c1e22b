#include "core/Image.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/Error.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Utility.h"

namespace {
// The video library takes 16-bit rectangles; clip in full precision first so that
// far-off positions never wrap around onto the surface.
bool clip_rect(SDL_Surface* target, Coord pos, Coord size, SDL_Rect& out) {
    if (size.x <= 0 || size.y <= 0) return false;
    const SDL_Rect& clip = target->clip_rect;
    const long x0 = std::max<long>(pos.x, clip.x);
    const long y0 = std::max<long>(pos.y, clip.y);
    const long x1 = std::min<long>(static_cast<long>(pos.x) + size.x, clip.x + clip.w);
    const long y1 = std::min<long>(static_cast<long>(pos.y) + size.y, clip.y + clip.h);
    if (x0 >= x1 || y0 >= y1) return false;
    out.x = static_cast<Sint16>(x0);
    out.y = static_cast<Sint16>(y0);
    out.w = static_cast<Uint16>(x1 - x0);
    out.h = static_cast<Uint16>(y1 - y0);
    return true;
}

bool in_blit_range(Coord pos) {
    return pos.x >= std::numeric_limits<Sint16>::min() &&
           pos.x <= std::numeric_limits<Sint16>::max() &&
           pos.y >= std::numeric_limits<Sint16>::min() &&
           pos.y <= std::numeric_limits<Sint16>::max();
}

// Whether a square of side t at c can cover part of the span [start, start + length).
bool touches(long long c, int start, int length, int t) {
    return c > static_cast<long long>(start) - t && c < static_cast<long long>(start) + length;
}

// Narrows lo..hi to the squares of side t that can cover part of the span; false when
// none can.
bool touching(long long& lo, long long& hi, int start, int length, int t) {
    lo = std::max(lo, static_cast<long long>(start) - t + 1);
    hi = std::min(hi, static_cast<long long>(start) + length - 1);
    return lo <= hi;
}

bool has_key(const SDL_Surface* s) { return (s->flags & SDL_SRCCOLORKEY) != 0; }

SDL_Surface* blank_like(const SDL_Surface* source) {
    const SDL_PixelFormat* f = source->format;
    const Uint32 alpha = has_key(source) ? 0 : f->Amask;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, source->w, source->h, f->BitsPerPixel, f->Rmask,
                                f->Gmask, f->Bmask, alpha);
}

class SurfaceLock {
public:
    explicit SurfaceLock(SDL_Surface* s) : s(s) {
        if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    }
    ~SurfaceLock() {
        if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

private:
    SDL_Surface* s;
};
} // namespace

Image::Image(const std::string& path) : surface(nullptr), owned(true) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    SDL_Surface* converted = loaded ? SDL_DisplayFormat(loaded) : nullptr;
    if (loaded) SDL_FreeSurface(loaded);
    if (!converted) Error::halt("Image: Failed to create Image from " + path);
    surface = converted;
    set_transparent(Pixel::transparent);
}

Image::Image(SDL_Surface* surface, bool unkeyed) : Image(surface, unkeyed, true) {}

Image::Image(SDL_Surface* surface, bool unkeyed, bool owned) : surface(surface), owned(owned) {
    if (!unkeyed) set_transparent(Pixel::transparent);
}

Image::~Image() {
    if (owned && surface) SDL_FreeSurface(surface);
}

// Unkeyed: the display is presented by a blit of the whole surface (SDL 1.2 on SDL 2), which
// would honour a key and leave every pixel of the key colour unpresented. The key colours
// are not even made yet when the screen opens, so the key would be black.
Image* Image::wrap_display(SDL_Surface* display) { return new Image(display, true, false); }

void Image::open() {
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
}

void Image::close() {
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
}

Uint32 Image::get_pixel(Coord p) const {
    if (p.x < 0 || p.y < 0 || p.x >= surface->w || p.y >= surface->h) return Pixel::transparent;
    return row(p.y)[p.x];
}

void Image::set_pixel(Coord p, Uint32 colour) {
    if (p.x < 0 || p.y < 0 || p.x >= surface->w || p.y >= surface->h) return;
    row(p.y)[p.x] = colour;
}

bool Image::unseen(const SDL_Surface* target) {
    return !Graphics::drawing && target == Graphics::screen_surface;
}

void Image::fill(Uint32 colour) {
    if (!unseen(surface)) SDL_FillRect(surface, nullptr, colour);
}

void Image::draw_box(Coord pos, Coord size, Uint32 colour) {
    if (unseen(surface)) return;
    SDL_Rect rect;
    if (!clip_rect(surface, pos, size, rect)) return;
    // The particles' dots and the lightning's squares come by the hundred thousand: for a
    // few pixels the library's fill costs many times the writes themselves.
    if (rect.w * rect.h > SMALL_BOX_PIXELS || !writable()) {
        SDL_FillRect(surface, &rect, colour);
        return;
    }
    for (int y = rect.y; y < rect.y + rect.h; ++y) {
        Uint32* r = row(y) + rect.x;
        for (int x = 0; x < rect.w; ++x) r[x] = colour;
    }
}

void Image::draw_line(Coord a, Coord b, Uint32 colour, int t) {
    if (a == b || t < 1) return;
    // Each square ends, rather than starts, on the ideal line. In 64 bits: the ends may lie
    // anywhere, and only the squares that can touch the surface are visited.
    const long long shift = 1 - t;
    const long long ax = a.x + shift;
    const long long ay = a.y + shift;
    const long long bx = b.x + shift;
    const long long by = b.y + shift;
    const SDL_Rect& clip = surface->clip_rect;
    const Coord square(t, t);
    if (ax == bx) {
        long long lo = std::min(ay, by);
        long long hi = std::max(ay, by) - 1;
        if (!touching(lo, hi, clip.y, clip.h, t) || !touches(ax, clip.x, clip.w, t)) return;
        for (long long y = lo; y <= hi; ++y)
            draw_box(Coord(static_cast<int>(ax), static_cast<int>(y)), square, colour);
        return;
    }
    if (ay == by) {
        long long lo = std::min(ax, bx);
        long long hi = std::max(ax, bx) - 1;
        if (!touching(lo, hi, clip.x, clip.w, t) || !touches(ay, clip.y, clip.h, t)) return;
        for (long long x = lo; x <= hi; ++x)
            draw_box(Coord(static_cast<int>(x), static_cast<int>(ay)), square, colour);
        return;
    }
    const double dx = static_cast<double>(ax - bx);
    const double dy = static_cast<double>(ay - by);
    if (std::fabs(dx) > std::fabs(dy)) {
        const double m = dy / dx;
        const double k = ay - m * ax;
        long long lo = std::min(ax, bx);
        long long hi = std::max(ax, bx);
        if (!touching(lo, hi, clip.x, clip.w, t)) return;
        for (long long x = lo; x <= hi; ++x)
            draw_box(Coord(static_cast<int>(x), Utility::to_int(m * x + k)), square, colour);
    } else {
        const double m = dx / dy;
        const double k = ax - m * ay;
        long long lo = std::min(ay, by);
        long long hi = std::max(ay, by);
        if (!touching(lo, hi, clip.y, clip.h, t)) return;
        for (long long y = lo; y <= hi; ++y)
            draw_box(Coord(Utility::to_int(m * y + k), static_cast<int>(y)), square, colour);
    }
}

void Image::draw_lightning(Coord from, Coord to, Uint32 colour, int min_step, int max_step) {
    // A walk of this many steps has long since left any screen; the cap only guards
    // against a pathological random sequence.
    const int max_steps = 10000;
    const int step_range = std::max(1, max_step - min_step);
    Coord cur = from;
    for (int i = 0; i < max_steps; ++i) {
        const double dx = static_cast<double>(to.x) - cur.x;
        const double dy = static_cast<double>(to.y) - cur.y;
        if (Utility::to_int(std::sqrt(dx * dx + dy * dy)) <= 10) break;
        // The deviation is drawn before the step length.
        const double angle = std::atan2(dy, dx) + Utility::randAngle(-30, 30);
        const int step = min_step + Random::next() % step_range;
        const Coord next(Utility::to_int(cur.x + std::cos(angle) * step + 0.5),
                         Utility::to_int(cur.y + std::sin(angle) * step + 0.5));
        if (next != cur) {
            draw_line(cur, next, colour, 2);
            draw_line(cur, next, Pixel::white, 1);
        }
        cur = next;
    }
    if (cur != to) {
        draw_line(cur, to, colour, 3);
        draw_line(cur, to, Pixel::white, 1);
    }
}

void Image::blit_onto(SDL_Surface* target, Coord pos) {
    if (!in_blit_range(pos) || unseen(target)) return;
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(pos.x);
    dest.y = static_cast<Sint16>(pos.y);
    dest.w = 0;
    dest.h = 0;
    SDL_BlitSurface(surface, nullptr, target, &dest);
}

void Image::draw(Coord pos) { blit_onto(Graphics::screen->surface, pos); }

void Image::draw_image(Coord pos, Image* other) { other->blit_onto(surface, pos); }

void Image::set_transparent(Uint32 colour) { SDL_SetColorKey(surface, SDL_SRCCOLORKEY, colour); }

void Image::swap_colours(Uint32 from, Uint32 to) {
    SurfaceLock lock(surface);
    for (int y = 0; y < surface->h; ++y) {
        Uint32* r = row(y);
        for (int x = 0; x < surface->w; ++x)
            if (r[x] == from) r[x] = to;
    }
}

Image* Image::copy() const { return flip(Coord(0, 0)); }

Image* Image::flip(Coord axes) const {
    SDL_Surface* out = blank_like(surface);
    if (!out) Error::halt("Image: Failed to create a surface of " + Utility::str(surface->w) +
                          " x " + Utility::str(surface->h));
    Image* result = new Image(out, false);
    {
        SurfaceLock source_lock(surface);
        SurfaceLock target_lock(out);
        const int w = surface->w;
        const int h = surface->h;
        for (int y = 0; y < h; ++y) {
            const Uint32* src = row(y);
            Uint32* dst = result->row(axes.y ? h - 1 - y : y);
            if (axes.x) {
                for (int x = 0; x < w; ++x) dst[w - 1 - x] = src[x];
            } else {
                std::copy(src, src + w, dst);
            }
        }
    }
    if (has_key(surface))
        SDL_SetColorKey(out, SDL_SRCCOLORKEY | SDL_RLEACCEL, surface->format->colorkey);
    return result;
}
