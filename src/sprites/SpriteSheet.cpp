#include "sprites/SpriteSheet.h"

#include <algorithm>

#include "core/Error.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Utility.h"
#include "level/Stringz.h"

std::vector<AgentSprite*> SpriteSheet::agent;
std::vector<Sprite*> SpriteSheet::base;
Sprite* SpriteSheet::health_sword = nullptr;
Sprite* SpriteSheet::blood_sword = nullptr;
Sprite* SpriteSheet::img_title = nullptr;
Sprite* SpriteSheet::img_floor = nullptr;
Sprite* SpriteSheet::img_end1 = nullptr;
Sprite* SpriteSheet::img_end2 = nullptr;
Sprite* SpriteSheet::img_end3 = nullptr;
PixelArena* SpriteSheet::fighter_pixels = nullptr;

namespace {
// Address space only; what the pictures do not touch costs nothing.
const size_t FIGHTER_PIXELS_RESERVED = size_t(1) << 30;

Sprite* centred(const std::string& path) {
    Sprite* s = new Sprite(path);
    s->offset = Coord(static_cast<int>(s->w() * 0.5), static_cast<int>(s->h() * 0.5));
    return s;
}

template <typename T> void delete_all(std::vector<T*>& sprites) {
    for (T* s : sprites) delete s;
    sprites.clear();
}

void delete_one(Sprite*& s) {
    delete s;
    s = nullptr;
}
} // namespace

Coord SpriteSheet::base_anchor(int index, int w, int h) {
    const int centre_x = static_cast<int>(w * 0.5);
    if ((index >= 11 && index <= 16) || (index >= 41 && index <= 49)) return Coord(centre_x, h);
    if (index >= 17 && index <= 20) return Coord(centre_x, 0);
    return Coord(centre_x, static_cast<int>(h * 0.5));
}

Coord SpriteSheet::loading_marker_position(int n, int screen_width) {
    // 118 steps carry the marker 500 pixels.
    return Coord(static_cast<int>(n * 4.237288135593221 - 300), screen_width / 2);
}

Coord SpriteSheet::loading_marker_corner(int n, int screen_width) {
    const Coord at = loading_marker_position(n, screen_width);
    const Coord anchor = health_sword->flip_offset(health_sword->offset, true);
    return Coord(at.x - anchor.x, at.y - anchor.y);
}

void SpriteSheet::draw_loading_screen(int n) {
    Image* screen = Graphics::screen;
    screen->fill(Pixel::black);
    // Absent only when the strings were never started (a bare loading, as in a benchmark).
    if (Stringz::loading)
        Stringz::loading->draw(Coord(screen->w() / 2 - Stringz::loading->w() / 2, 200));
    health_sword->draw(loading_marker_position(n, screen->w()), true);
    // From one loading screen to the next only the marker moves: the first is presented
    // whole, the others only where the marker was and is now. A whole present can cost
    // several milliseconds in a window, a hundred and thirty times over.
    if (n == 0) {
        Graphics::force_refresh();
    } else {
        const Coord was = loading_marker_corner(n - 1, screen->w());
        const Coord is = loading_marker_corner(n, screen->w());
        const Coord from(std::min(was.x, is.x), std::min(was.y, is.y));
        const Coord to(std::max(was.x, is.x) + health_sword->w(),
                       std::max(was.y, is.y) + health_sword->h());
        Graphics::force_refresh(from, Coord(to.x - from.x, to.y - from.y));
    }
    // The window answers while it loads; a request to close it is kept for after loading.
    Events::discard();
}

void SpriteSheet::load_agents() {
    agent.reserve(AGENT_SPRITES);
    for (int n = 0; n < AGENT_SPRITES; ++n) {
        draw_loading_screen(n);
        agent.push_back(
            new AgentSprite("graphics/agents/" + Utility::str(n) + ".png", fighter_pixels));
    }
}

void SpriteSheet::load_base() {
    base.reserve(BASE_SPRITES);
    for (int n = 0; n < BASE_SPRITES; ++n) {
        Sprite* s = new Sprite("graphics/sprites/" + Utility::str(n) + ".png");
        s->offset = base_anchor(n, s->w(), s->h());
        base.push_back(s);
    }
}

void SpriteSheet::load_named() {
    blood_sword = centred("graphics/sprites/sword.png");
    img_floor = new Sprite("graphics/screens/floor.png");
    img_floor->offset = Coord(0, static_cast<int>(img_floor->h() * 0.16666666666666666));
    img_title = new Sprite("graphics/screens/title.png");
    img_end1 = new Sprite("graphics/screens/end1.png");
    img_end2 = new Sprite("graphics/screens/end2.png");
    img_end3 = new Sprite("graphics/screens/end3.png");
}

void SpriteSheet::start() {
    // A second start replaces everything the first one made.
    end();
    Error::open("Loading sprite sheets...");
    health_sword = new Sprite("graphics/screens/sword.png");
    fighter_pixels = new PixelArena(FIGHTER_PIXELS_RESERVED);
    load_agents();
    load_base();
    load_named();
    Error::close("Done.");
}

void SpriteSheet::end() {
    delete_all(agent);
    // Only once no fighter picture is left.
    delete fighter_pixels;
    fighter_pixels = nullptr;
    delete_all(base);
    delete_one(health_sword);
    delete_one(blood_sword);
    delete_one(img_title);
    delete_one(img_floor);
    delete_one(img_end1);
    delete_one(img_end2);
    delete_one(img_end3);
}
