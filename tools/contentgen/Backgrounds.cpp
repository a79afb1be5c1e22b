#include "Backgrounds.h"

#include <cmath>

#include "KeyColours.h"
#include "Ordinary.h"
#include "PngWriter.h"
#include "Random.h"
#include "Scenery.h"

namespace contentgen {

namespace {
const Rgb SKY = key::transparent;
constexpr int W = 800;
// Layer heights; with bottom 0 the ground layer's row FLOOR_ROW lands on screen row 500.
constexpr int FAR_H = 420, MID_H = 320, GROUND_H = 140, FRONT_H = 60, FLOOR_ROW = GROUND_H - 100;
// The rows of the far and middle layers that land on the floor line.
constexpr int FAR_FLOOR = FAR_H - 100, MID_FLOOR = MID_H - 100;

// Grass along the floor edge: blades rising a few pixels above it.
void grass_edge(Canvas& c, int row, Rgb dark, Rgb light, std::uint64_t seed) {
    Random rng(seed);
    c.fill_rect(0, row, W, 4, dark);
    for (int x = 0; x < W; ++x) {
        const int h = rng.below(5);
        for (int y = row - h; y < row + 2; ++y) c.set(x, y, (x + y) % 3 == 0 ? light : dark);
    }
}

Canvas far_mountains(Rgb top, Rgb bottom, Rgb top2, Rgb bottom2, std::uint64_t seed) {
    Canvas c(W, FAR_H, SKY);
    paint_ridge(c, 170, 90, 4, top, bottom, seed);
    paint_ridge(c, 270, 50, 5, top2, bottom2, seed + 1);
    return c;
}

Canvas front_tufts(Rgb a, Rgb b, std::uint64_t seed) {
    Canvas c(W, FRONT_H, SKY);
    Random rng(seed);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(0, W), h = rng.range(12, 34);
        for (int k = 0; k < 7; ++k)
            c.fill_capsule({x + k * 2 - 6, FRONT_H + 2.0}, {x + k * 3 - 9 + rng.range(-3, 3), FRONT_H - h * rng.range(0.5, 1.0)},
                           1.6, 0.5, k % 2 ? a : b);
    }
    return c;
}

Canvas front_rocks(Rgb stone, Rgb shade, std::uint64_t seed) {
    Canvas c(W, FRONT_H, SKY);
    Random rng(seed);
    for (int i = 0; i < 9; ++i) {
        const double x = rng.range(0, W), r = rng.range(10, 24);
        c.fill_ellipse({x, FRONT_H + r * 0.3}, r * 1.3, r, shade);
        c.fill_ellipse({x - r * 0.3, FRONT_H + r * 0.2}, r, r * 0.8, stone);
    }
    return c;
}

Canvas ground(Rgb top, Rgb bottom, std::uint64_t seed) {
    Canvas c(W, GROUND_H, SKY);
    paint_earth(c, FLOOR_ROW, GROUND_H, top, bottom, seed);
    return c;
}

void add_village(std::vector<Layer>& out) {
    out.push_back({"village_far", far_mountains({118, 130, 150}, {100, 112, 130}, {92, 110, 96}, {74, 92, 78}, 101)});
    Canvas mid(W, MID_H, SKY);
    paint_ridge(mid, MID_FLOOR - 12, 14, 4, {74, 104, 58}, {60, 86, 46}, 103);
    Random rng(104);
    for (int i = 0; i < 6; ++i) {
        const double x = 60 + i * 130 + rng.range(-20, 20);
        paint_house(mid, {x, MID_FLOOR + 4 + rng.range(-4, 4)}, rng.range(50, 70), rng.range(36, 48),
                    {176, 150, 110}, {120, 56, 36}, {240, 200, 110});
        paint_leafy_tree(mid, {x + 60, MID_FLOOR + 8.0}, rng.range(50, 80), {70, 110, 50}, {50, 84, 38}, {70, 48, 30}, 105 + i);
    }
    out.push_back({"village_mid", mid});
    Canvas g = ground({112, 92, 60}, {70, 54, 34}, 106);
    grass_edge(g, FLOOR_ROW, {70, 100, 44}, {96, 130, 60}, 107);
    out.push_back({"village_ground", g});
    out.push_back({"village_front", front_tufts({60, 92, 40}, {84, 120, 52}, 108)});
}

void add_forest(std::vector<Layer>& out) {
    Canvas far(W, FAR_H, SKY);
    paint_ridge(far, 200, 40, 4, {70, 96, 90}, {56, 80, 74}, 201);
    Random rng(202);
    for (int i = 0; i < 60; ++i)
        paint_pine(far, {rng.range(0, W), rng.range(FAR_FLOOR - 80, FAR_FLOOR + 10)}, rng.range(40, 70), {46, 70, 60}, {58, 84, 72}, SKY);
    out.push_back({"forest_far", far});
    Canvas mid(W, MID_H, SKY);
    for (int i = 0; i < 16; ++i)
        paint_leafy_tree(mid, {i * 52 + rng.range(-10, 10), MID_FLOOR + 12.0}, rng.range(160, 260), {40, 78, 34},
                         {28, 58, 26}, {52, 36, 24}, 203 + i);
    out.push_back({"forest_mid", mid});
    Canvas g = ground({66, 56, 36}, {40, 32, 22}, 204);
    grass_edge(g, FLOOR_ROW, {40, 70, 30}, {60, 96, 40}, 205);
    out.push_back({"forest_ground", g});
    out.push_back({"forest_front", front_tufts({30, 60, 26}, {48, 84, 34}, 206)});
}

void add_castle(std::vector<Layer>& out) {
    out.push_back({"castle_far", far_mountains({110, 110, 130}, {92, 92, 112}, {84, 90, 100}, {68, 74, 84}, 301)});
    Canvas mid(W, MID_H, SKY);
    paint_castle_wall(mid, 120, 0, W, {120, 116, 108}, {84, 80, 74}, 302);
    for (int i = 0; i < 4; ++i) paint_tower(mid, 100 + i * 200, 50, 60, {130, 126, 116}, {92, 40, 40});
    for (int i = 0; i < 4; ++i) {  // banners between the towers
        const double x = 200 + i * 200;
        mid.fill_polygon({{x - 12, 150}, {x + 12, 150}, {x + 12, 220}, {x, 208}, {x - 12, 220}}, {130, 30, 34});
        mid.fill_rect(static_cast<int>(x) - 3, 170, 6, 16, {210, 180, 80});
    }
    out.push_back({"castle_mid", mid});
    Canvas g(W, GROUND_H, SKY);
    paint_earth(g, FLOOR_ROW, GROUND_H, {118, 112, 100}, {80, 76, 68}, 303);
    for (int x = 0; x < W; x += 40) g.fill_rect(x, FLOOR_ROW, 1, GROUND_H - FLOOR_ROW, {70, 66, 60});  // flagstones
    for (int y = FLOOR_ROW + 20; y < GROUND_H; y += 24) g.fill_rect(0, y, W, 1, {70, 66, 60});
    out.push_back({"castle_ground", g});
    out.push_back({"castle_front", front_rocks({100, 96, 88}, {66, 62, 56}, 304)});
}

void add_snow(std::vector<Layer>& out) {
    out.push_back({"snow_far", far_mountains({214, 220, 232}, {170, 180, 200}, {190, 198, 214}, {150, 160, 180}, 401)});
    Canvas mid(W, MID_H, SKY);
    paint_ridge(mid, MID_FLOOR - 8, 20, 4, {226, 230, 238}, {200, 206, 218}, 402);
    Random rng(403);
    for (int i = 0; i < 18; ++i)
        paint_pine(mid, {rng.range(0, W), rng.range(MID_FLOOR - 12, MID_FLOOR + 6)}, rng.range(60, 110), {40, 60, 56}, {56, 78, 70}, {232, 236, 242});
    out.push_back({"snow_mid", mid});
    Canvas g = ground({232, 236, 244}, {190, 198, 212}, 404);
    out.push_back({"snow_ground", g});
    out.push_back({"snow_front", front_rocks({220, 226, 236}, {170, 178, 194}, 405)});
}

void add_cliff(std::vector<Layer>& out) {
    Canvas far(W, FAR_H, SKY);  // a valley far below, seen over the edge
    paint_ridge(far, 260, 60, 4, {120, 140, 170}, {110, 130, 160}, 501);
    paint_ridge(far, 360, 20, 5, {90, 112, 110}, {70, 90, 90}, 502);
    out.push_back({"cliff_far", far});
    Canvas mid(W, MID_H, SKY);  // wisps of cloud drifting below the ledge
    Random rng(503);
    for (int i = 0; i < 14; ++i)
        mid.fill_ellipse({rng.range(0, W), rng.range(220, 300)}, rng.range(40, 90), rng.range(6, 12), {200, 206, 214});
    out.push_back({"cliff_mid", mid});
    // Ground only between x = 200 and 600: a rock pillar with sheer faces, the drop on both sides.
    Canvas g(W, GROUND_H, SKY);
    Canvas rock(W, GROUND_H, SKY);
    paint_earth(rock, FLOOR_ROW, GROUND_H, {104, 96, 86}, {62, 56, 50}, 504);
    for (int y = FLOOR_ROW; y < GROUND_H; ++y) {
        const double in = (y - FLOOR_ROW) * 0.35;  // the faces slope inwards as they fall away
        for (int x = static_cast<int>(200 + in); x < static_cast<int>(600 - in); ++x) g.set(x, y, rock.get(x, y));
    }
    grass_edge(rock, FLOOR_ROW, {76, 96, 50}, {100, 124, 64}, 505);
    for (int y = FLOOR_ROW - 5; y < FLOOR_ROW + 3; ++y)
        for (int x = 200; x < 600; ++x)
            if (rock.get(x, y) != SKY) g.set(x, y, rock.get(x, y));
    out.push_back({"cliff_ground", g});
    out.push_back({"cliff_front", Canvas(W, 2, SKY)});
}

void add_hell(std::vector<Layer>& out) {
    Canvas far(W, FAR_H, SKY);
    paint_ridge(far, 180, 110, 5, {60, 14, 12}, {40, 8, 8}, 601);
    paint_ridge(far, 300, 40, 6, {34, 8, 8}, {22, 4, 4}, 602);
    out.push_back({"hell_far", far});
    Canvas mid(W, MID_H, SKY);
    Random rng(603);
    for (int i = 0; i < 22; ++i) {  // crooked spires of black rock
        const double x = rng.range(0, W), h = rng.range(60, 220), w = rng.range(10, 24);
        mid.fill_polygon({{x - w, double(MID_H)}, {x + rng.range(-10, 10), MID_H - h}, {x + w, double(MID_H)}}, {30, 10, 10});
        mid.fill_polygon({{x - w * 0.3, double(MID_H)}, {x + rng.range(-6, 6), MID_H - h * 0.8}, {x + w, double(MID_H)}}, {52, 16, 12});
    }
    out.push_back({"hell_mid", mid});
    Canvas g = ground({70, 24, 16}, {34, 10, 8}, 604);
    for (int i = 0; i < 30; ++i) {  // glowing cracks of lava
        const double x = rng.range(0, W), y = rng.range(FLOOR_ROW + 8, GROUND_H - 4);
        g.fill_capsule({x, y}, {x + rng.range(-30, 30), y + rng.range(-4, 4)}, 1.2, 0.6, {230, 90, 20});
    }
    out.push_back({"hell_ground", g});
    out.push_back({"hell_front", front_rocks({46, 16, 12}, {26, 8, 6}, 605)});
}
}  // namespace

std::vector<Layer> draw_backgrounds() {
    std::vector<Layer> out;
    add_village(out);
    add_forest(out);
    add_castle(out);
    add_snow(out);
    add_cliff(out);
    add_hell(out);
    for (Layer& l : out) make_ordinary(l.picture, true);
    return out;
}

bool write_backgrounds(const std::string& screens) {
    for (const Layer& l : draw_backgrounds())
        if (!write_png(l.picture, screens + "/" + l.name + ".png")) return false;
    return true;
}

}  // namespace contentgen
