#pragma once
#include "sprites/SpriteVariant.h"
#include "world/Thing.h"

// One picture of an animation: a plain sprite number and the frame that follows.
// Frames belong to the animation catalogue and are shared read-only by every object.
class Frame {
public:
    Frame(int sprite, Frame* next);
    virtual ~Frame();
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    // The frame to show next: null at the end of an animation that stops.
    virtual Frame* get_next(Thing* thing, bool flipped);
    // Picture sprite_index + shift, in `variant`, anchored on the thing's position.
    virtual void draw(Thing* thing, SpriteVariant variant, bool flipped, int shift);
    virtual void draw(Thing* thing, bool flipped);

    Frame* peek_next() const { return next; }
    // Points the last frame of the chain back to this one.
    void loop();

    Frame* next;
    int sprite_index;
};
