#pragma once
#include <SDL.h>

#include <string>
#include <vector>

#include "core/Coord.h"
#include "sprites/Sprite.h"

// One replacement of a recolouring: every pixel of colour `from` becomes `to`.
struct ColourSwap {
    Uint32 from;
    Uint32 to;
};

// A fighter pose: the drawing in key colours, its 27 skins, their mirror images and
// the attack points marked in the drawing.
class AgentSprite : public Sprite {
public:
    explicit AgentSprite(const std::string& path);

    // The replacements that turn the drawing into variant `v`, in the order they apply;
    // each works on the result of the ones before. Empty for variant 0.
    static std::vector<ColourSwap> recolouring(int v);

    // Every pixel of colour Pixel::special, columns left to right, each top to bottom.
    std::vector<Coord> specials;

private:
    void add_features();
    // Makes variant v and its mirror image in one pass over the drawing; for variant 0,
    // which is the drawing itself, only the mirror image.
    void add_variant(int v);
    // Variants 1 to 26 in order, then the mirror image of the drawing itself.
    void add_variants();
    void index_key_colours();
    Image* blank_image() const;
    void paint(const std::vector<Uint32>& table, Image* straight, Image* flipped) const;

    // While loading: the colours any recolouring replaces, and for each pixel of the
    // drawing 1 + its index in that list, or 0 for a colour no recolouring touches.
    std::vector<Uint32> keys;
    std::vector<Uint8> key_of_pixel;
};
