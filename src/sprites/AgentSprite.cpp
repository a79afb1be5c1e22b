#include "sprites/AgentSprite.h"

#include <algorithm>

#include "core/Error.h"
#include "core/Pixel.h"
#include "core/Utility.h"

namespace {
struct Skin {
    Uint32 cape;
    Uint32 eyes;
};

bool is_glow(int v) { return v >= VARIANT_GLOW1 && v <= VARIANT_GLOW4; }

bool is_unarmed(int v) {
    return v == VARIANT_NO_CAPE_UNARMED || v == VARIANT_GREY_CAPE_UNARMED ||
           v == VARIANT_WHITE_CAPE_UNARMED;
}

// Cape and eye colours of the plain skins (not the glow, blood and water ones).
Skin skin_of(int v) {
    switch (v) {
    case VARIANT_WHITE_CAPE: return {Pixel::make(225, 225, 225), Pixel::make(225, 225, 225)};
    case VARIANT_GREY_CAPE: return {Pixel::make(75, 75, 75), Pixel::make(225, 225, 225)};
    case VARIANT_NO_CAPE: return {Pixel::transparent, Pixel::black};
    case VARIANT_NO_CAPE_RED_EYES: return {Pixel::transparent, Pixel::make(255, 0, 0)};
    case VARIANT_NO_CAPE_GREEN_EYES: return {Pixel::transparent, Pixel::make(0, 255, 0)};
    case VARIANT_OLIVE_CAPE: return {Pixel::make(128, 128, 0), Pixel::make(255, 255, 0)};
    case VARIANT_DARK_CAPE: return {Pixel::make(15, 15, 15), Pixel::make(225, 0, 0)};
    case VARIANT_YELLOW_CAPE: return {Pixel::make(255, 255, 0), Pixel::make(100, 100, 254)};
    case VARIANT_PURPLE_CAPE: return {Pixel::make(155, 0, 255), Pixel::make(255, 0, 0)};
    case VARIANT_CYAN_CAPE: return {Pixel::make(0, 255, 255), Pixel::make(225, 225, 225)};
    case VARIANT_RED_CAPE: return {Pixel::make(150, 0, 0), Pixel::make(255, 225, 0)};
    case VARIANT_GREEN_CAPE: return {Pixel::make(85, 255, 85), Pixel::make(0, 255, 0)};
    case VARIANT_BLUE_CAPE: return {Pixel::make(1, 1, 225), Pixel::make(255, 255, 255)};
    case VARIANT_BROWN_CAPE: return {Pixel::make(58, 28, 7), Pixel::make(225, 255, 0)};
    case VARIANT_HEADLESS: return {Pixel::make(58, 28, 7), Pixel::transparent};
    case VARIANT_NO_CAPE_UNARMED: return skin_of(VARIANT_NO_CAPE);
    case VARIANT_GREY_CAPE_UNARMED: return skin_of(VARIANT_GREY_CAPE);
    case VARIANT_WHITE_CAPE_UNARMED: return skin_of(VARIANT_WHITE_CAPE);
    case VARIANT_FOREST_CAPE: return {Pixel::make(57, 113, 38), Pixel::make(255, 0, 0)};
    case VARIANT_TAN_CAPE: return {Pixel::make(210, 193, 142), Pixel::make(0, 255, 255)};
    default: return {Pixel::cape, Pixel::eyes};
    }
}

// Glow shade (sword, attack points, eyes) and cape shade of variants 14 to 17.
Skin glow_of(int v) {
    switch (v) {
    case VARIANT_GLOW1: return {Pixel::glow4, Pixel::glow1};
    case VARIANT_GLOW2: return {Pixel::glow3, Pixel::glow2};
    case VARIANT_GLOW3: return {Pixel::glow2, Pixel::glow3};
    default: return {Pixel::glow1, Pixel::glow4};
    }
}

// The colour a pixel of colour `c` ends with after the replacements in order.
Uint32 recoloured(Uint32 c, const std::vector<ColourSwap>& swaps) {
    for (const ColourSwap& s : swaps)
        if (c == s.from) c = s.to;
    return c;
}

class SurfaceLock {
public:
    explicit SurfaceLock(Image* image) : image(image) { image->open(); }
    ~SurfaceLock() { image->close(); }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

private:
    Image* image;
};

Uint32* row_of(SDL_Surface* s, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
}
} // namespace

std::vector<ColourSwap> AgentSprite::recolouring(int v) {
    std::vector<ColourSwap> swaps;
    if (v <= VARIANT_SHEET || v >= VARIANT_COUNT) return swaps;
    // The sword colours go first, so that a cape or eye colour equal to a key colour
    // cannot be mistaken for a sword or an attack point.
    if (is_unarmed(v)) {
        swaps.push_back({Pixel::sword_on_body, Pixel::black});
        swaps.push_back({Pixel::sword_on_cape, Pixel::cape});
        swaps.push_back({Pixel::sword, Pixel::transparent});
    } else {
        swaps.push_back({Pixel::sword_on_body, Pixel::sword});
        swaps.push_back({Pixel::sword_on_cape, Pixel::sword});
    }
    if (is_glow(v)) {
        const Skin glow = glow_of(v);
        swaps.push_back({Pixel::special, glow.eyes});
        swaps.push_back({Pixel::sword, glow.eyes});
        swaps.push_back({Pixel::cape, glow.cape});
        swaps.push_back({Pixel::eyes, glow.eyes});
    } else {
        swaps.push_back({Pixel::special, Pixel::safe});
        swaps.push_back({Pixel::sword, Pixel::safe});
        if (v == VARIANT_BLOOD || v == VARIANT_WATER) {
            const Uint32 body = v == VARIANT_BLOOD ? Pixel::bloodbody : Pixel::waterbody;
            swaps.push_back({Pixel::cape, Pixel::transparent});
            swaps.push_back({Pixel::eyes, body});
            swaps.push_back({Pixel::black, body});
            swaps.push_back({Pixel::safe, body});
            swaps.push_back({Pixel::head, body});
        } else {
            const Skin skin = skin_of(v);
            swaps.push_back({Pixel::cape, skin.cape});
            swaps.push_back({Pixel::eyes, skin.eyes});
            if (v == VARIANT_HEADLESS) swaps.push_back({Pixel::head, Pixel::transparent});
        }
    }
    swaps.push_back({Pixel::head, Pixel::black});
    return swaps;
}

AgentSprite::AgentSprite(const std::string& path, PixelArena* arena) : Sprite(path) {
    offset = Coord(w() / 2, h());
    add_features();
    add_variants(arena);
    offset = Coord(static_cast<int>(w() * 0.5), h());
}

void AgentSprite::add_features() {
    Image* drawing = images[0].get();
    SurfaceLock lock(drawing);
    for (int x = 0; x < w(); ++x)
        for (int y = 0; y < h(); ++y)
            if (drawing->get_pixel(Coord(x, y)) == Pixel::special) specials.emplace_back(x, y);
}

void AgentSprite::index_colours() {
    // The colours some recolouring replaces come first, so that only colours that every
    // variant keeps can be left beyond the palette.
    palette.clear();
    for (int v = 1; v < VARIANT_COUNT; ++v)
        for (const ColourSwap& s : recolouring(v))
            if (std::find(palette.begin(), palette.end(), s.from) == palette.end())
                palette.push_back(s.from);
    SDL_Surface* drawing = images[0]->surface;
    SurfaceLock lock(images[0].get());
    colour_index.assign(static_cast<size_t>(w()) * h(), 0);
    Uint32 last = 0;
    Uint8 last_index = 0;
    for (int y = 0; y < h(); ++y) {
        const Uint32* source = row_of(drawing, y);
        Uint8* index = &colour_index[static_cast<size_t>(y) * w()];
        for (int x = 0; x < w(); ++x) {
            // Drawings are mostly runs of one colour.
            if (source[x] != last || last_index == 0) {
                last = source[x];
                const auto found = std::find(palette.begin(), palette.end(), last);
                if (found != palette.end()) {
                    last_index = static_cast<Uint8>(1 + (found - palette.begin()));
                } else if (palette.size() < MAX_PALETTE) {
                    palette.push_back(last);
                    last_index = static_cast<Uint8>(palette.size());
                } else {
                    last_index = 0;
                }
            }
            index[x] = last_index;
        }
    }
}

Image* AgentSprite::blank_image(PixelArena* arena, bool& pooled) const {
    const SDL_PixelFormat* f = images[0]->surface->format;
    Uint32* pixels = arena && f->BytesPerPixel == sizeof(Uint32)
                         ? arena->take(static_cast<size_t>(w()) * h())
                         : nullptr;
    pooled = pixels != nullptr;
    // Keyed pictures need no alpha channel; the key colour marks what is not drawn.
    SDL_Surface* s =
        pixels ? SDL_CreateRGBSurfaceFrom(pixels, w(), h(), f->BitsPerPixel,
                                          w() * static_cast<int>(sizeof(Uint32)), f->Rmask,
                                          f->Gmask, f->Bmask, 0)
               : SDL_CreateRGBSurface(SDL_SWSURFACE, w(), h(), f->BitsPerPixel, f->Rmask,
                                      f->Gmask, f->Bmask, 0);
    if (!s) Error::halt("AgentSprite: Failed to create a surface of " + Utility::str(w()) + " x " +
                        Utility::str(h()));
    return new Image(s, false);
}

Image* AgentSprite::twin_image(const Image* other) const {
    const SDL_Surface* o = other->surface;
    const SDL_PixelFormat* f = o->format;
    SDL_Surface* s = SDL_CreateRGBSurfaceFrom(o->pixels, o->w, o->h, f->BitsPerPixel, o->pitch,
                                              f->Rmask, f->Gmask, f->Bmask, 0);
    if (!s) Error::halt("AgentSprite: Failed to create a surface of " + Utility::str(w()) + " x " +
                        Utility::str(h()));
    return new Image(s, false);
}

std::vector<Uint32> AgentSprite::colour_table(int v) const {
    const std::vector<ColourSwap> swaps = recolouring(v);
    std::vector<Uint32> table(palette.size() + 1, 0);
    for (size_t k = 0; k < palette.size(); ++k)
        if (in_drawing[k + 1]) table[k + 1] = recoloured(palette[k], swaps);
    return table;
}

// Writes the drawing through `table` (indexed by colour_index; entry 0 unused) into
// `straight` and, mirrored, into `flipped`; `straight` may be null.
void AgentSprite::paint(const std::vector<Uint32>& table, Image* straight, Image* flipped) const {
    SDL_Surface* drawing = images[0]->surface;
    SurfaceLock source_lock(images[0].get());
    const int width = w();
    for (int y = 0; y < h(); ++y) {
        const Uint32* source = row_of(drawing, y);
        const Uint8* index = &colour_index[static_cast<size_t>(y) * width];
        Uint32* mirror_out = row_of(flipped->surface, y) + width - 1;
        if (straight) {
            Uint32* out = row_of(straight->surface, y);
            for (int x = 0; x < width; ++x) {
                const Uint32 colour = index[x] ? table[index[x]] : source[x];
                out[x] = colour;
                mirror_out[-x] = colour;
            }
        } else {
            for (int x = 0; x < width; ++x) mirror_out[-x] = source[x];
        }
    }
}

void AgentSprite::add_variant(int v, PixelArena* arena) {
    const std::vector<Uint32> table = colour_table(v);
    // Many poses lack a cape or a sword, and their skins then differ little or not at all.
    int twin = 0;
    for (int u = 1; u < static_cast<int>(shareable.size()) && twin == 0; ++u)
        if (u != v && shareable[u] == table) twin = u;

    Image* flipped = nullptr;
    Image* straight = nullptr;
    if (twin != 0) {
        flipped = twin_image(mirrored[twin].get());
        if (v != VARIANT_SHEET) straight = twin_image(images[twin].get());
    } else {
        bool flipped_pooled = false;
        bool straight_pooled = true;
        flipped = blank_image(arena, flipped_pooled);
        if (v != VARIANT_SHEET) straight = blank_image(arena, straight_pooled);
        SurfaceLock flipped_lock(flipped);
        if (straight) straight->open();
        paint(table, straight, flipped);
        if (straight) straight->close();
        if (v != VARIANT_SHEET && flipped_pooled && straight_pooled) shareable[v] = table;
    }
    if (v == VARIANT_SHEET) {
        mirrored[0].reset(flipped);
        return;
    }
    images.emplace_back(straight);
    mirrored.emplace_back(flipped);
}

void AgentSprite::add_variants(PixelArena* arena) {
    index_colours();
    in_drawing.assign(palette.size() + 1, false);
    for (Uint8 k : colour_index) in_drawing[k] = true;
    shareable.assign(VARIANT_COUNT, {});
    for (int v = 1; v < VARIANT_COUNT; ++v) add_variant(v, arena);
    add_variant(VARIANT_SHEET, arena);
    palette.clear();
    colour_index.clear();
    colour_index.shrink_to_fit();
    in_drawing.clear();
    shareable.clear();
}
