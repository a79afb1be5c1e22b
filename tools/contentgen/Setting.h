#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

namespace contentgen {
struct Layer {
    std::string name; // file name in graphics/screens, without ".png"
    Canvas picture;
};

// Every layer of a setting is painted on a whole screen in screen rows (the floor the fighters
// stand on is row FLOOR), then cut down to the rows it uses, keeping its bottom edge: placed
// with bottom 0 it lands where it was painted.
constexpr int SCREEN_W = 800, SCREEN_H = 600, FLOOR = 500;
// Where the subtitle's white text lies on the ground.
constexpr int TEXT_TOP = 518, TEXT_BOTTOM = 556;

// A transparent screen that wraps sideways.
Canvas blank_screen();
// Cuts the painted rows out (one transparent row above them) and keeps the game's key colours
// out of the scenery.
Layer finish_layer(const std::string& name, Canvas screen);

// Pieces several settings share.
// Earth below the floor: a lit edge, then speckled soil darkening with depth.
void paint_soil(Canvas& c, Rgb edge, Rgb top, Rgb bottom, std::uint64_t seed);
// Grass along the floor edge: blades rising a few pixels above it.
void paint_grass_edge(Canvas& c, Rgb dark, Rgb light, int tallest, std::uint64_t seed);
// Low foreground tufts of grass or reeds along the bottom of the screen.
void paint_front_tufts(Canvas& c, int count, double tallest, Rgb a, Rgb b, std::uint64_t seed);
// Low foreground stones along the bottom of the screen.
void paint_front_rocks(Canvas& c, int count, Rgb stone, Rgb shade, std::uint64_t seed);
// Water from row `top` down: reflections of `sky` broken by ripples, darker towards the viewer.
void paint_water(Canvas& c, int top, Rgb sky, Rgb deep, std::uint64_t seed);
// Cobbles or flagstones below the floor, with dark joints.
void paint_paving(Canvas& c, int course, int stone_w, Rgb stone, Rgb joint, std::uint64_t seed);

// The settings, in groups; each adds its layers "<setting>_sky", "_far", "_mid", "_ground" and
// "_front" (some settings leave one out).
void add_road_settings(std::vector<Layer>& out);
void add_night_settings(std::vector<Layer>& out);
void add_wild_settings(std::vector<Layer>& out);
void add_arena_settings(std::vector<Layer>& out);
} // namespace contentgen
