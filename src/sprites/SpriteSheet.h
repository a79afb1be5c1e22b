#pragma once
#include <vector>

#include "core/Coord.h"
#include "sprites/AgentSprite.h"
#include "sprites/PixelArena.h"
#include "sprites/Sprite.h"

// Every picture of the game, loaded once at start-up behind a loading screen and kept
// in numbered tables until shutdown.
class SpriteSheet {
public:
    static constexpr int AGENT_SPRITES = 130;
    static constexpr int BASE_SPRITES = 70;

    // Fighter poses, index n from "graphics/agents/<n>.png".
    static std::vector<AgentSprite*> agent;
    // Effects, projectiles and props, index n from "graphics/sprites/<n>.png".
    static std::vector<Sprite*> base;
    static Sprite* health_sword;
    static Sprite* blood_sword;
    static Sprite* img_title;
    static Sprite* img_floor;
    static Sprite* img_end1;
    static Sprite* img_end2;
    static Sprite* img_end3;
    // Pixel memory of the fighters' recoloured and mirrored pictures.
    static PixelArena* fighter_pixels;

    static void start();
    static void end();

    // Anchor of plain sprite `index` for a picture of the given size.
    static Coord base_anchor(int index, int w, int h);
    // Where the loading screen puts the progress marker before fighter sheet n loads.
    static Coord loading_marker_position(int n, int screen_width);

private:
    // Top-left corner of the marker as drawn (mirrored) at step n.
    static Coord loading_marker_corner(int n, int screen_width);
    static void draw_loading_screen(int n);
    static void load_agents();
    static void load_base();
    static void load_named();
};
