#pragma once
#include "Canvas.h"

namespace contentgen {
// The exact colours by which the game recognises the parts of a fighter drawing.
namespace key {
const Rgb transparent{0, 0, 255};
const Rgb body{0, 0, 0};
const Rgb head{255, 0, 255};
const Rgb eyes{0, 255, 0};
const Rgb cape{128, 128, 128};
const Rgb sword{255, 255, 0};
const Rgb sword_on_body{0, 255, 255};
const Rgb sword_on_cape{128, 255, 255};
const Rgb special{255, 0, 0};
// Colours the game produces or treats specially; ordinary pictures must avoid them too.
const Rgb safe{1, 1, 1};
const Rgb bloodbody{155, 0, 0};
const Rgb waterbody{50, 200, 230};
const Rgb glow1{255, 100, 255};
const Rgb glow2{170, 66, 170};
const Rgb glow3{113, 44, 113};
const Rgb glow4{75, 29, 75};
const Rgb white{255, 255, 255};

// True for the colours a fighter drawing may use (pure blue included).
inline bool is_fighter_key(Rgb c) {
    return c == transparent || c == body || c == head || c == eyes || c == cape || c == sword ||
           c == sword_on_body || c == sword_on_cape || c == special;
}
// True for a key colour that the game recolours or reads in a drawing (black and blue excluded).
inline bool is_reserved(Rgb c) {
    return c == head || c == eyes || c == cape || c == sword || c == sword_on_body || c == sword_on_cape ||
           c == special || c == safe || c == bloodbody || c == waterbody || c == glow1 || c == glow2 ||
           c == glow3 || c == glow4;
}
}  // namespace key
}  // namespace contentgen
