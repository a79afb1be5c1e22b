#include "core/Pixel.h"

Uint32 Pixel::head = 0;
Uint32 Pixel::special = 0;
Uint32 Pixel::sword = 0;
Uint32 Pixel::safe = 0;
Uint32 Pixel::transparent = 0;
Uint32 Pixel::bloodbody = 0;
Uint32 Pixel::eyes = 0;
Uint32 Pixel::cape = 0;
Uint32 Pixel::sword_on_body = 0;
Uint32 Pixel::sword_on_cape = 0;
Uint32 Pixel::waterbody = 0;
Uint32 Pixel::glow1 = 0;
Uint32 Pixel::glow2 = 0;
Uint32 Pixel::glow3 = 0;
Uint32 Pixel::glow4 = 0;
Uint32 Pixel::black = 0;
Uint32 Pixel::white = 0;

// The library's own mapping, without its cost per call (the compatibility layer rebuilds a
// format description each time): blood sprays ask for thousands of colours a frame.
Uint32 Pixel::make(int r, int g, int b) {
    const SDL_PixelFormat* f = SDL_GetVideoSurface()->format;
    const Uint8 red = static_cast<Uint8>(r);
    const Uint8 green = static_cast<Uint8>(g);
    const Uint8 blue = static_cast<Uint8>(b);
    if (f->palette) return SDL_MapRGB(f, red, green, blue);
    return static_cast<Uint32>(red >> f->Rloss) << f->Rshift |
           static_cast<Uint32>(green >> f->Gloss) << f->Gshift |
           static_cast<Uint32>(blue >> f->Bloss) << f->Bshift | f->Amask;
}

void Pixel::start() {
    head = make(255, 0, 255);
    special = make(255, 0, 0);
    sword = make(255, 255, 0);
    safe = make(1, 1, 1);
    transparent = make(0, 0, 255);
    bloodbody = make(155, 0, 0);
    eyes = make(0, 255, 0);
    cape = make(128, 128, 128);
    sword_on_body = make(0, 255, 255);
    sword_on_cape = make(128, 255, 255);
    waterbody = make(50, 200, 230);
    glow1 = make(255, 100, 255);
    glow2 = make(170, 66, 170);
    glow3 = make(113, 44, 113);
    glow4 = make(75, 29, 75);
    black = make(0, 0, 0);
    white = make(255, 255, 255);
}
