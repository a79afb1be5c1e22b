#include "world/Particle.h"

#include <algorithm>
#include <cstdlib>

#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "level/Level.h"
#include "sprites/Frame.h"
#include "sprites/Sprite.h"

ThingDB Particle::background;
ThingDB Particle::foreground;

Particle::Particle(Coord pos, Coord vel, int gravity)
    : Thing(pos, vel), dies_offscreen(true), bounce(false), flipped(false), gravity(gravity),
      x_drag(0), terminal_velocity(0), lifespan(0), anim_counter(0), pixel(Pixel::transparent),
      animation(nullptr), sprite(nullptr) {}

// Never destroyed: the static lists destroy their particles at exit, after any pool
// object of this file would be gone.
BlockPool& Particle::pool() {
    static BlockPool* particles = new BlockPool(sizeof(Particle));
    return *particles;
}

// A larger subclass goes to the general heap.
void* Particle::operator new(std::size_t size) {
    return size == sizeof(Particle) ? pool().take() : ::operator new(size);
}

void Particle::operator delete(void* block, std::size_t size) {
    if (!block) return;
    if (size == sizeof(Particle))
        pool().give(block);
    else
        ::operator delete(block);
}

void Particle::start() {
    background.clear();
    foreground.clear();
}

void Particle::add_jitter(Coord amplitude) { jitter = amplitude; }
void Particle::add_x_drag(int amount) { x_drag = amount; }
void Particle::add_terminal_velocity(int speed) { terminal_velocity = speed; }
void Particle::add_lifespan(int frames) { lifespan = frames; }
void Particle::add_bounce() { bounce = true; }
bool Particle::bouncing() const { return bounce; }
void Particle::persist() { dies_offscreen = false; }
void Particle::unpersist() { dies_offscreen = true; }

void Particle::make_pixel(Uint32 colour) { pixel = colour; }
void Particle::make_animation(Frame* first) { animation = first; }
void Particle::make_sprite(Sprite* picture) { sprite = picture; }

void Particle::put_foreground() { foreground.add(this); }
void Particle::put_background() { background.add(this); }

int Particle::hold_time(int sprite_index) {
    const bool bolt_hit = sprite_index >= 22 && sprite_index <= 27;
    const bool burst = sprite_index >= 41 && sprite_index <= 49;
    const bool hellfire = sprite_index >= 50 && sprite_index <= 61;
    if (bolt_hit || burst) return 2;
    if (hellfire) return 1;
    return 4;
}

void Particle::run() {
    pos.x += vel.x;
    pos.y += vel.y;
    fall();
    bounce_on_floor();
    if (x_drag != 0) slow_x(x_drag, 1);
    age();
    die_offscreen();
    if (vel.x != 0) flipped = vel.x < 0;
    draw();
}

int Particle::noise(int amplitude) {
    const int r = Random::next();
    // Most particles do not jitter; r % 1 is 0 without a division.
    if (amplitude == 0) return 0;
    return std::clamp(r % (2 * amplitude + 1) - amplitude, -MAX_NOISE, MAX_NOISE);
}

// Both random numbers are drawn every frame, even without jitter, so that the sequence
// does not depend on which particles jitter.
void Particle::fall() {
    vel.x += noise(jitter.x);
    const int vertical = noise(jitter.y);
    vel.y += vertical + gravity;
    if (terminal_velocity != 0 && vel.y > terminal_velocity) vel.y = terminal_velocity;
}

// Rebounds with half its speed while that beats gravity, else comes to rest where it is,
// possibly a few pixels below the floor line.
void Particle::bounce_on_floor() {
    if (!bounce || pos.y < Level::FLOOR_HEIGHT || vel.y <= 0) return;
    const int rebound = static_cast<int>(-vel.y * 0.5);
    if (gravity + std::abs(rebound) < vel.y) {
        vel.y = rebound;
        return;
    }
    bounce = false;
    vel.y = 0;
    gravity = 0;
}

void Particle::age() {
    if (lifespan == 0) return;
    if (--lifespan == 0) kill();
}

void Particle::die_offscreen() {
    if (!dies_offscreen) return;
    const int right = Graphics::screen->w() + OFFSCREEN_MARGIN;
    const int bottom = Graphics::screen->h() + OFFSCREEN_MARGIN;
    if (pos.x < -OFFSCREEN_MARGIN || pos.y < -OFFSCREEN_MARGIN || pos.x > right || pos.y > bottom)
        kill();
}

// A killed particle still shows in the frame it dies.
void Particle::draw() {
    if (sprite) {
        sprite->draw(pos, flipped);
    } else if (pixel != Pixel::transparent) {
        Graphics::screen->draw_dot(pos, pixel);
    } else if (animation) {
        animation->draw(this, flipped);
        advance_animation();
    }
}

void Particle::advance_animation() {
    if (++anim_counter < hold_time(animation->sprite_index)) return;
    anim_counter = 0;
    animation = animation->peek_next();
    // A one-shot animation has ended.
    if (!animation) kill();
}
