// Duelling grounds: a tournament field at noon, a broken bridge at sunset (a ledge: ground
// only from x 200 to 600) and the town's rooftops at dusk.
#include <algorithm>
#include <cmath>

#include "KeyColours.h"
#include "Random.h"
#include "Scenery.h"
#include "Setting.h"
#include "Sky.h"

namespace contentgen {

namespace {
const Rgb BLUE = key::transparent;

// A round pavilion with a striped wall, a conical roof and a pennant.
void pavilion(Canvas& c, Point foot, double w, Rgb a, Rgb b, Rgb pennant) {
    const double h = w * 0.7, top = foot.y - h;
    for (int i = 0; i < 6; ++i) {
        const double x0 = foot.x - w / 2 + w * i / 6;
        c.fill_polygon({{x0, foot.y}, {x0 + w / 6, foot.y}, {x0 + w / 6, top}, {x0, top}},
                       i % 2 ? a : b);
    }
    c.fill_polygon({{foot.x - 9, foot.y}, {foot.x, top + h * 0.3}, {foot.x + 9, foot.y}},
                   {40, 30, 28}); // the open flap
    for (int i = 0; i < 6; ++i) {
        const double x0 = foot.x - w / 2 - 4 + (w + 8) * i / 6, x1 = x0 + (w + 8) / 6;
        c.fill_polygon({{x0, top + 1}, {x1, top + 1}, {foot.x, top - w * 0.55}}, i % 2 ? b : a);
    }
    for (int i = 0; i < 7; ++i) // scalloped valance
        c.fill_circle({foot.x - w / 2 + w * i / 6, top + 2}, w / 14, i % 2 ? b : a);
    const double pole = top - w * 0.55;
    c.fill_rect(static_cast<int>(foot.x), static_cast<int>(pole - 22), 2, 22, {60, 50, 40});
    c.fill_polygon({{foot.x + 2, pole - 22}, {foot.x + 22, pole - 17}, {foot.x + 2, pole - 12}},
                   pennant);
}

void add_tourney(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {54, 116, 200}}, {300, {130, 184, 232}}, {480, {216, 232, 240}}});
    paint_sun(sky, {420, 60}, 16, {255, 254, 240}, {250, 246, 220});
    Random rng(1401);
    for (int i = 0; i < 7; ++i)
        paint_cumulus(sky, {i * 115 + rng.range(0, 50), rng.range(140, 300)}, rng.range(90, 200),
                      rng.range(36, 64), {252, 252, 250}, {184, 200, 224}, 1, 1402 + i);
    out.push_back(finish_layer("tourney_sky", sky));

    Canvas far = blank_screen(); // green hills with a castle on the highest
    paint_ridge(far, 400, 40, 3, {126, 164, 104}, {104, 144, 86}, 1403);
    const Rgb keep{176, 184, 196}, keep_roof{150, 120, 130};
    paint_castle_wall(far, 372, 596, 646, keep, mix(keep, Rgb{90, 100, 120}, 0.3), 1405);
    for (int i = 0; i < 3; ++i)
        paint_tower(far, 600 + i * 22, 352 + (i % 2) * 10, 12, keep, keep_roof);
    paint_ridge(far, 440, 20, 4, {106, 146, 84}, {90, 128, 70}, 1404);
    paint_haze(far, 300, 470, {216, 232, 240}, 0.45, 0.2);
    out.push_back(finish_layer("tourney_far", far));

    // Pavilions, a grandstand full of onlookers, and the barrier of the lists.
    Canvas mid = blank_screen();
    const Rgb colours[][2] = {{{190, 40, 44}, {236, 226, 206}},
                              {{40, 70, 160}, {230, 196, 70}},
                              {{40, 120, 70}, {236, 226, 206}},
                              {{120, 40, 120}, {230, 196, 70}}};
    for (int i = 0; i < 4; ++i) {
        const double x = 80 + i * 200 + (i == 2 ? 40 : 0);
        if (i == 1) continue; // the stand takes this place
        pavilion(mid, {x, 494}, rng.range(60, 80), colours[i][0], colours[i][1],
                 colours[(i + 1) % 4][0]);
    }
    const double sx = 290, sw = 170; // the grandstand
    mid.fill_rect(static_cast<int>(sx - sw / 2), 400, static_cast<int>(sw), 96, {110, 80, 56});
    for (int row = 0; row < 4; ++row)
        for (double x = sx - sw / 2 + 4; x < sx + sw / 2 - 4; x += 7) {
            const Rgb cloth[] = {{170, 50, 50}, {60, 80, 150},   {200, 180, 90},
                                 {80, 120, 70}, {140, 110, 160}, {90, 70, 60}};
            mid.fill_rect(static_cast<int>(x), 404 + row * 20, 5, 10, cloth[rng.below(6)]);
            mid.fill_circle({x + 2.5, 401.0 + row * 20}, 2.5, {200, 160, 130});
            mid.fill_rect(static_cast<int>(sx - sw / 2), 414 + row * 20, static_cast<int>(sw), 3,
                          {84, 60, 42});
        }
    mid.fill_polygon(
        {{sx - sw / 2 - 8, 400}, {sx + sw / 2 + 8, 400}, {sx + sw / 2, 372}, {sx - sw / 2, 372}},
        {190, 40, 44});
    for (int i = 0; i < 8; ++i)
        mid.fill_polygon({{sx - sw / 2 - 8 + i * (sw + 16) / 8, 400},
                          {sx - sw / 2 - 8 + (i + 1) * (sw + 16) / 8, 400},
                          {sx - sw / 2 - 8 + (i + 0.5) * (sw + 16) / 8, 410}},
                         i % 2 ? Rgb{236, 226, 206} : Rgb{190, 40, 44});
    for (int x = 0; x < SCREEN_W; x += 4) // the tilt barrier
        mid.fill_rect(x, 476, 4, 6, (x / 20) % 2 ? Rgb{236, 226, 206} : Rgb{40, 70, 160});
    for (int x = 0; x < SCREEN_W; x += 40)
        mid.fill_rect(x, 476, 4, 26, {80, 60, 40});
    out.push_back(finish_layer("tourney_mid", mid));

    Canvas ground = blank_screen(); // the trampled lists
    paint_soil(ground, {130, 116, 80}, {94, 78, 56}, {54, 42, 30}, 1406);
    for (int i = 0; i < 300; ++i) // straw and sawdust
        ground.fill_rect(static_cast<int>(rng.range(0, SCREEN_W)),
                         static_cast<int>(rng.range(504, 598)), rng.below(4) + 1, 1,
                         {150, 130, 80});
    paint_grass_edge(ground, {78, 110, 50}, {118, 150, 70}, 4, 1407);
    out.push_back(finish_layer("tourney_ground", ground));

    Canvas front = blank_screen(); // the rail of the spectators' fence
    front.fill_rect(0, 566, SCREEN_W, 6, {70, 50, 34});
    front.fill_rect(0, 566, SCREEN_W, 1, {110, 84, 56});
    for (int x = 10; x < SCREEN_W; x += 100)
        front.fill_rect(x, 556, 10, 44, {60, 42, 30});
    paint_front_tufts(front, 16, 30, {60, 90, 40}, {80, 112, 50}, 1408);
    out.push_back(finish_layer("tourney_front", front));
}

void add_bridge(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {34, 38, 90}},
                         {180, {120, 74, 118}},
                         {330, {230, 122, 84}},
                         {430, {252, 188, 100}},
                         {600, {252, 196, 110}}});
    paint_sun(sky, {470, 360}, 26, {255, 236, 170}, {255, 190, 110});
    Random rng(1501);
    for (int i = 0; i < 9; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(80, 320)}, rng.range(160, 360),
                      rng.range(10, 22), {110, 70, 110}, {250, 150, 110}, true, 1502 + i);
    out.push_back(finish_layer("bridge_sky", sky));

    Canvas far = blank_screen(); // hills dark against the sunset
    paint_ridge(far, 380, 50, 3, {92, 58, 90}, {70, 44, 74}, 1503);
    paint_ridge(far, 430, 30, 4, {62, 40, 66}, {48, 32, 54}, 1504);
    out.push_back(finish_layer("bridge_far", far));

    // The gorge: its rims either side in the last light, sheer walls falling into the dark
    // and the river far below catching a glint of the sun.
    Canvas mid = blank_screen();
    const Noise1D rim(1505, SCREEN_W, 5);
    for (int x = 0; x < SCREEN_W; ++x) {
        // Distance from the middle of the gorge, 0 … 400 (the gorge lies under the bridge).
        const double off = std::fabs(x - 400.0);
        const double edge = off > 260 ? 470 + 10 * rim.at(x) : 470 + (260 - off) * 1.6;
        for (int y = 460; y < SCREEN_H; ++y) {
            const double depth = (y - 460) / 140.0;
            Rgb p = mix(Rgb{40, 26, 42}, Rgb{12, 8, 16}, depth); // the far wall of the gorge
            if (y >= edge)
                p = mix(Rgb{82, 50, 62}, Rgb{26, 16, 28}, std::min(1.0, (y - edge) / 60));
            if (y >= edge && y < edge + 2) p = {190, 110, 90}; // the rim catching the sun
            mid.set(x, y, p);
        }
    }
    for (int x = 250; x < 550; ++x) // the river, far down
        if (x % 7 != 0) mid.set(x, 592 + (x / 37) % 3, {230, 140, 80});
    out.push_back(finish_layer("bridge_mid", mid));

    // The span between x 200 and 600: a deck on one high arch between two piers that drop out
    // of sight; both ends broken off.
    Canvas ground = blank_screen();
    const Rgb stone{106, 78, 72}, dark{56, 40, 44};
    for (int y = FLOOR; y < SCREEN_H; ++y)
        for (int x = 200; x < 600; ++x) {
            const int row = (y - FLOOR) / 9, bx = (x + (row % 2) * 10) % 20;
            const double shade = std::min(1.0, (y - FLOOR) / 100.0) * 0.6;
            ground.set(x, y, (y - FLOOR) % 9 == 0 || bx == 0 ? dark : mix(stone, dark, shade));
        }
    ground.fill_polygon(arch_outline(400, 300, 680, 680, false), dark); // the arch's ring
    ground.fill_polygon(arch_outline(400, 280, 680, 680, false), BLUE); // and its opening
    for (int side = 0; side < 2; ++side) {                              // the broken ends
        const double x = side ? 600 : 200, dir = side ? -1 : 1;
        for (int k = 0; k < 5; ++k)
            ground.fill_rect(static_cast<int>(x + dir * k * 5 - (side ? 5 : 0)), FLOOR + 14 + k * 9,
                             5, SCREEN_H, BLUE);
    }
    ground.fill_rect(200, FLOOR, 400, 2, {190, 140, 110});
    out.push_back(finish_layer("bridge_ground", ground));

    Canvas front = blank_screen(); // crags at the gorge's edge, beside the drop
    for (double x : {50.0, 120.0, 690.0, 760.0}) {
        const double h = rng.range(30, 56), w = rng.range(16, 26);
        front.fill_polygon({{x - w, SCREEN_H},
                            {x - 2, SCREEN_H - h},
                            {x + 5, SCREEN_H - h + 8},
                            {x + w, SCREEN_H}},
                           {24, 16, 26});
    }
    out.push_back(finish_layer("bridge_front", front));
}

void add_rooftop(std::vector<Layer>& out) {
    const Rgb dusk{60, 50, 100};
    Canvas sky = blank_screen();
    paint_gradient(sky,
                   {{0, {16, 20, 52}}, {200, dusk}, {360, {186, 98, 104}}, {470, {240, 152, 92}}});
    paint_stars(sky, 0, 180, 90, {236, 236, 255}, 1601);
    paint_moon(sky, {180, 110}, 16, {240, 236, 210}, {240, 236, 210}, 0.55);
    Random rng(1602);
    for (int i = 0; i < 6; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(260, 380)}, rng.range(160, 300),
                      rng.range(8, 14), {120, 70, 100}, {240, 150, 120}, true, 1603 + i);
    out.push_back(finish_layer("rooftop_sky", sky));

    Canvas far = blank_screen(); // the town's skyline, its windows lit
    double x = 0;
    const Rgb skyline{44, 36, 66};
    while (x < SCREEN_W) {
        const double w = rng.range(24, 50), h = rng.range(30, 90);
        far.fill_rect(static_cast<int>(x), static_cast<int>(460 - h), static_cast<int>(w) + 1, 200,
                      skyline);
        far.fill_polygon({{x - 2, 460 - h}, {x + w / 2, 460 - h - w * 0.6}, {x + w + 2, 460 - h}},
                         skyline);
        for (int k = 0; k < 3; ++k)
            if (rng.unit() < 0.4)
                far.fill_rect(static_cast<int>(x + rng.range(4, w - 6)),
                              static_cast<int>(460 - h + rng.range(6, h)), 3, 4, {250, 200, 110});
        x += w;
    }
    for (double sx : {150.0, 520.0}) { // spires
        far.fill_rect(static_cast<int>(sx) - 10, 300, 20, 200, skyline);
        far.fill_polygon({{sx - 13, 300}, {sx, 210}, {sx + 13, 300}}, skyline);
    }
    out.push_back(finish_layer("rooftop_far", far));

    // Nearer roofs and chimneys, their edges caught by the last light.
    Canvas mid = blank_screen();
    x = 0;
    while (x < SCREEN_W) {
        const double w = rng.range(60, 120), h = rng.range(20, 60);
        const double top = 480 - h;
        mid.fill_rect(static_cast<int>(x), static_cast<int>(top), static_cast<int>(w) + 1, 200,
                      {50, 38, 54});
        mid.fill_polygon({{x - 4, top}, {x + w * 0.5, top - w * 0.35}, {x + w + 4, top}},
                         {70, 40, 50});
        mid.draw_line({x - 4, top}, {x + w * 0.5, top - w * 0.35}, {200, 120, 100});
        if (rng.unit() < 0.6) {
            const double cx = x + rng.range(10, w - 20);
            mid.fill_rect(static_cast<int>(cx), static_cast<int>(top - w * 0.4), 10, 30,
                          {60, 40, 44});
            mid.fill_rect(static_cast<int>(cx) - 2, static_cast<int>(top - w * 0.4), 14, 4,
                          {80, 54, 54});
        }
        for (int k = 0; k < 2; ++k)
            if (rng.unit() < 0.5)
                mid.fill_rect(static_cast<int>(x + rng.range(6, w - 12)), static_cast<int>(top + 8),
                              6, 8, {250, 200, 110});
        x += w;
    }
    out.push_back(finish_layer("rooftop_mid", mid));

    // The roof underfoot: a ridge cap, then rows of tiles running down.
    Canvas ground = blank_screen();
    for (int y = FLOOR; y < SCREEN_H; ++y)
        for (int xx = 0; xx < SCREEN_W; ++xx) {
            const int row = (y - FLOOR - 6) / 9, col = (xx + (row % 2) * 8) % 16;
            const int in_row = (y - FLOOR - 6) % 9;
            Rgb p = mix(Rgb{104, 52, 44}, Rgb{40, 22, 24}, (y - FLOOR) / 100.0);
            if (in_row >= 7 || col == 0) p = mix(p, Rgb{0, 0, 0}, 0.45);
            ground.set(xx, y, p);
        }
    ground.fill_rect(0, FLOOR, SCREEN_W, 6, {86, 70, 70});
    ground.fill_rect(0, FLOOR, SCREEN_W, 1, {200, 140, 120});
    for (int xx = 0; xx < SCREEN_W; xx += 20)
        ground.fill_rect(xx, FLOOR, 1, 6, {50, 40, 42});
    out.push_back(finish_layer("rooftop_ground", ground));

    Canvas front = blank_screen(); // chimney pots below the ridge
    for (double cx : {90.0, 470.0}) {
        front.fill_rect(static_cast<int>(cx), 556, 30, 50, {44, 30, 34});
        front.fill_rect(static_cast<int>(cx) - 3, 552, 36, 6, {62, 44, 46});
        front.fill_rect(static_cast<int>(cx) + 4, 546, 8, 8, {36, 26, 30});
        front.fill_rect(static_cast<int>(cx) + 18, 548, 8, 6, {36, 26, 30});
    }
    out.push_back(finish_layer("rooftop_front", front));
}
} // namespace

void add_arena_settings(std::vector<Layer>& out) {
    add_tourney(out);
    add_bridge(out);
    add_rooftop(out);
}

} // namespace contentgen
