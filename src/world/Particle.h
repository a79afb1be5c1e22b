#pragma once
#include <SDL.h>

#include <cstddef>

#include "core/Coord.h"
#include "world/BlockPool.h"
#include "world/Thing.h"
#include "world/ThingDB.h"

class Frame;
class Sprite;

// A small short-lived visual Thing: a blood drop, a snow flake, a flame, a flying bolt.
// It moves under its own gravity with optional jitter, drag, speed limit, floor bounce and
// lifespan, and draws itself as a 2x2 dot, an animation of the base sheet or a sprite.
class Particle : public Thing {
public:
    // Live and unlisted; draws nothing until one of the make operations gives it a look.
    Particle(Coord pos, Coord vel, int gravity);

    // Empties both lists.
    static void start();

    void run() override;

    void add_jitter(Coord amplitude);
    void add_x_drag(int amount);
    void add_terminal_velocity(int speed);
    void add_lifespan(int frames);
    void add_bounce();
    bool bouncing() const;
    // Keeps the particle alive off screen.
    void persist();
    void unpersist();

    void make_pixel(Uint32 colour);
    void make_animation(Frame* first);
    void make_sprite(Sprite* picture);

    // Link the particle in at the head of a list, which owns it from then on.
    void put_foreground();
    void put_background();

    // Particles come and go by the ten thousand: they live in a pool of their own.
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size);

    // Frames each picture of a plain animation is shown, by its number on the base sheet.
    static int hold_time(int sprite_index);

    // The three flags first: they fill the room Thing leaves after `alive`, which keeps a
    // particle at 80 bytes (half a million live at once in the worst frame).
    bool dies_offscreen;
    bool bounce;
    bool flipped;
    int gravity;
    Coord jitter;
    int x_drag;
    // Largest downward speed; 0 means no limit.
    int terminal_velocity;
    // Frames left to live; 0 means unlimited.
    int lifespan;
    int anim_counter;
    // Pixel::transparent means no dot.
    Uint32 pixel;
    Frame* animation;
    Sprite* sprite;

    // Run and drawn before the agents.
    static ThingDB background;
    // Run and drawn after the agents and attacks.
    static ThingDB foreground;

private:
    static constexpr int MAX_NOISE = 20;
    static constexpr int OFFSCREEN_MARGIN = 100;

    static BlockPool& pool();
    static int noise(int amplitude);
    void fall();
    void bounce_on_floor();
    void age();
    void die_offscreen();
    void draw();
    void advance_animation();
};
