#include "sprites/Frame.h"

#include "sprites/SpriteSheet.h"

Frame::Frame(int sprite, Frame* next) : next(next), sprite_index(sprite) {}

Frame::~Frame() = default;

Frame* Frame::get_next(Thing*, bool) { return next; }

void Frame::draw(Thing* thing, SpriteVariant variant, bool flipped, int shift) {
    SpriteSheet::base[sprite_index + shift]->draw(thing->pos, variant, flipped);
}

void Frame::draw(Thing* thing, bool flipped) {
    SpriteSheet::base[sprite_index]->draw(thing->pos, flipped);
}

void Frame::loop() {
    Frame* last = this;
    while (last->next && last->next != this) last = last->next;
    last->next = this;
}
