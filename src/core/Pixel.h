#pragma once
#include <SDL.h>

// Colours in the display's pixel format, including the key colours of the fighter drawings.
class Pixel {
public:
    static Uint32 head;
    static Uint32 special;
    static Uint32 sword;
    static Uint32 safe;
    static Uint32 transparent;
    static Uint32 bloodbody;
    static Uint32 eyes;
    static Uint32 cape;
    static Uint32 sword_on_body;
    static Uint32 sword_on_cape;
    static Uint32 waterbody;
    static Uint32 glow1;
    static Uint32 glow2;
    static Uint32 glow3;
    static Uint32 glow4;
    static Uint32 black;
    static Uint32 white;

    // Each component is taken as an unsigned byte (its low 8 bits): -31 and 225 are the same.
    static Uint32 make(int r, int g, int b);
    // Maps the key colours through the display format; needs an open screen.
    static void start();
};
