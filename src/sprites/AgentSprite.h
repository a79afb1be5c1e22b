#pragma once
#include <SDL.h>

#include <string>
#include <vector>

#include "core/Coord.h"
#include "sprites/PixelArena.h"
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
    // The recoloured and mirrored pictures take their pixels from `arena` while it has
    // room (it must then outlive the sprite), else from the video library.
    explicit AgentSprite(const std::string& path, PixelArena* arena = nullptr);

    // The replacements that turn the drawing into variant `v`, in the order they apply;
    // each works on the result of the ones before. Empty for variant 0.
    static std::vector<ColourSwap> recolouring(int v);

    // Every pixel of colour Pixel::special, columns left to right, each top to bottom.
    std::vector<Coord> specials;

private:
    void add_features();
    // Makes variant v and its mirror image in one pass over the drawing; for variant 0,
    // which is the drawing itself, only the mirror image. A variant that comes out the same
    // picture as one made before from the arena shares that one's pixels.
    void add_variant(int v, PixelArena* arena);
    // Variants 1 to 26 in order, then the mirror image of the drawing itself.
    void add_variants(PixelArena* arena);
    void index_colours();
    // What variant v makes of each colour of the palette that the drawing has (entry k for
    // palette colour k - 1; 0 for a colour the drawing lacks): equal tables, equal pictures.
    std::vector<Uint32> colour_table(int v) const;
    // A picture with pixels of its own; `pooled` tells whether they come from the arena.
    Image* blank_image(PixelArena* arena, bool& pooled) const;
    // A picture on the pixels of `other`, which must outlive it.
    Image* twin_image(const Image* other) const;
    void paint(const std::vector<Uint32>& table, Image* straight, Image* flipped) const;

    // While loading: the colours any recolouring replaces, then the drawing's other
    // colours up to MAX_PALETTE in all, and for each pixel 1 + its colour's place there,
    // or 0 for a colour beyond them (one no recolouring touches, copied as it is).
    static constexpr size_t MAX_PALETTE = 255;
    std::vector<Uint32> palette;
    std::vector<Uint8> colour_index;
    // Whether the drawing has palette colour k - 1, for each k.
    std::vector<bool> in_drawing;
    // The colour table of each variant made so far whose pixels can be shared (from the
    // arena, which outlives the sprite); empty for the others.
    std::vector<std::vector<Uint32>> shareable;
};
