#pragma once
#include <SDL.h>

#include <string>

#include "core/Coord.h"

// The one picture type: owner of a 32-bit surface, keyed on Pixel::transparent.
class Image {
public:
    // Loads a picture and converts it to the display format; halts when it cannot.
    explicit Image(const std::string& path);
    // Takes ownership of `surface`; keys it on Pixel::transparent unless `unkeyed`.
    Image(SDL_Surface* surface, bool unkeyed);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Wraps the display surface without owning it.
    static Image* wrap_display(SDL_Surface* display);

    int w() const { return surface->w; }
    int h() const { return surface->h; }

    // Bracket runs of get_pixel/set_pixel; they lock only when the surface needs it.
    void open();
    void close();
    // Pixel::transparent outside the image.
    Uint32 get_pixel(Coord p) const;
    // Ignored outside the image.
    void set_pixel(Coord p, Uint32 colour);

    void fill(Uint32 colour);
    void draw_box(Coord pos, Coord size, Uint32 colour);
    // draw_box(pos, (2, 2), colour): the particles' dot, drawn by the hundred thousand.
    void draw_dot(Coord pos, Uint32 colour) {
        const SDL_Rect& clip = surface->clip_rect;
        const int right = clip.x + clip.w;
        const int bottom = clip.y + clip.h;
        // Wholly outside, as many are.
        if (pos.x < clip.x - 1 || pos.y < clip.y - 1 || pos.x >= right || pos.y >= bottom) return;
        if (!writable() || pos.x < clip.x || pos.y < clip.y || pos.x >= right - 1 ||
            pos.y >= bottom - 1) {
            draw_box(pos, Coord(2, 2), colour);
            return;
        }
        Uint32* upper = row(pos.y) + pos.x;
        Uint32* lower = row(pos.y + 1) + pos.x;
        upper[0] = upper[1] = lower[0] = lower[1] = colour;
    }
    // A run of thickness x thickness squares; axis-parallel lines stop one square short.
    void draw_line(Coord a, Coord b, Uint32 colour, int thickness);
    // A jagged random walk from `from` that always ends exactly at `to`.
    void draw_lightning(Coord from, Coord to, Uint32 colour, int min_step, int max_step);
    // Blits the whole image onto the screen with its top-left corner at pos.
    void draw(Coord pos);
    void draw_image(Coord pos, Image* other);

    void set_transparent(Uint32 colour);
    void swap_colours(Uint32 from, Uint32 to);
    Image* copy() const;
    // Mirrored horizontally when axes.x != 0, vertically when axes.y != 0.
    Image* flip(Coord axes) const;

    SDL_Surface* surface;

private:
    static constexpr int SMALL_BOX_PIXELS = 64;

    Image(SDL_Surface* surface, bool unkeyed, bool owned);
    Uint32* row(int y) const {
        return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
    }
    // Pixels can be written directly, without the library.
    bool writable() const {
        return !SDL_MUSTLOCK(surface) && surface->format->BytesPerPixel == sizeof(Uint32);
    }
    // A screen that is not being drawn (Graphics::drawing).
    static bool unseen(const SDL_Surface* target);
    void blit_onto(SDL_Surface* target, Coord pos);

    bool owned;
};
