#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/Coord.h"
#include "core/Image.h"
#include "sprites/SpriteVariant.h"

// One picture in its colour variants, each also mirrored, with the anchor that is
// placed on an object's position.
class Sprite {
public:
    explicit Sprite(const std::string& path);
    Sprite(const std::string& path, int x, int y);
    virtual ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Appends a copy of variant 0 for recolouring; its mirror comes with the next mirror().
    Image* add_variant();
    // Makes every mirror image now.
    void mirror();
    // Variant `v`, mirrored when `flipped`; plain sprites make their mirrors on first use.
    Image* image(SpriteVariant v, bool flipped);
    // Where point `p` of the picture lies once the picture is mirrored.
    Coord flip_offset(Coord p, bool flipped) const;
    // Draws with the anchor on `pos`.
    void draw(Coord pos, bool flipped);
    void draw(Coord pos, SpriteVariant v, bool flipped);

    int w() const { return images[0]->w(); }
    int h() const { return images[0]->h(); }

    // Index 0 is the picture as loaded.
    std::vector<std::unique_ptr<Image>> images;
    // Same length as `images`; null until mirror() has run.
    std::vector<std::unique_ptr<Image>> mirrored;
    // The anchor, in pixels from the top-left corner.
    Coord offset;

protected:
    bool mirrors_missing(SpriteVariant v) const;
};
