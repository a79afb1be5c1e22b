#include "sprites/Sprite.h"

#include <cstdlib>

Sprite::Sprite(const std::string& path) : Sprite(path, 0, 0) {}

Sprite::Sprite(const std::string& path, int x, int y) : offset(x, y) {
    images.emplace_back(new Image(path));
    mirrored.emplace_back(nullptr);
}

Sprite::~Sprite() = default;

Image* Sprite::add_variant() {
    images.emplace_back(images[0]->copy());
    mirrored.emplace_back(nullptr);
    return images.back().get();
}

void Sprite::mirror() {
    for (size_t i = 0; i < images.size(); ++i) mirrored[i].reset(images[i]->flip(Coord(1, 0)));
}

bool Sprite::mirrors_missing(SpriteVariant v) const {
    return !mirrored[0] || !mirrored[v];
}

Image* Sprite::image(SpriteVariant v, bool flipped) {
    if (mirrors_missing(v)) mirror();
    return flipped ? mirrored[v].get() : images[v].get();
}

Coord Sprite::flip_offset(Coord p, bool flipped) const {
    if (!flipped) return p;
    const int from_centre = static_cast<int>(p.x - w() * 0.5);
    return Coord(p.x - 2 * std::abs(from_centre), p.y);
}

void Sprite::draw(Coord pos, bool flipped) { draw(pos, VARIANT_SHEET, flipped); }

void Sprite::draw(Coord pos, SpriteVariant v, bool flipped) {
    const Coord anchor = flip_offset(offset, flipped);
    image(v, flipped)->draw(Coord(pos.x - anchor.x, pos.y - anchor.y));
}
