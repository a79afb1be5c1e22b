// Settings in the wilds: a mountain pass by day, a marsh crossing in the morning mist and the
// wasteland of the pit.
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

void add_pass(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {36, 78, 160}}, {300, {106, 156, 212}}, {470, {210, 224, 236}}});
    paint_sun(sky, {170, 70}, 13, {255, 254, 244}, {230, 240, 255});
    Random rng(1101);
    for (int i = 0; i < 4; ++i)
        paint_cumulus(sky, {i * 200 + rng.range(0, 80), rng.range(120, 220)}, rng.range(120, 200),
                      rng.range(36, 56), {250, 252, 255}, {170, 186, 214}, -1, 1102 + i);
    out.push_back(finish_layer("pass_sky", sky));

    Canvas far = blank_screen(); // the high peaks either side of the pass
    paint_mountains(
        far, {300, 90, 3, 0.6, {230, 236, 246}, {146, 162, 196}, {248, 250, 255}, 290, -1}, 1103);
    paint_mountains(
        far, {390, 50, 4, 0.5, {150, 150, 158}, {112, 118, 138}, {236, 240, 248}, 360, -1}, 1104);
    paint_haze(far, 250, 470, {210, 224, 236}, 0.0, 0.4);
    out.push_back(finish_layer("pass_far", far));

    // Steep slopes of scree and rock with a few wind-bent pines.
    Canvas mid = blank_screen();
    paint_mountains(mid, {420, 50, 4, 0.3, {140, 132, 120}, {92, 90, 92}, {236, 238, 244}, 385, -1},
                    1105);
    for (int i = 0; i < 16; ++i)
        paint_pine(mid, {rng.range(0, SCREEN_W), rng.range(440, 500)}, rng.range(40, 80),
                   {40, 58, 50}, {62, 82, 66}, BLUE);
    for (int i = 0; i < 24; ++i) { // boulders
        const double x = rng.range(0, SCREEN_W), y = rng.range(470, 500), r = rng.range(6, 16);
        mid.fill_ellipse({x, y}, r * 1.3, r, {96, 92, 90});
        mid.fill_ellipse({x - r * 0.3, y - r * 0.3}, r * 0.7, r * 0.5, {130, 124, 118});
    }
    out.push_back(finish_layer("pass_mid", mid));

    Canvas ground = blank_screen();
    paint_soil(ground, {120, 112, 100}, {78, 72, 66}, {40, 38, 38}, 1106);
    for (int i = 0; i < 120; ++i) { // loose stones on the path
        const double x = rng.range(0, SCREEN_W), y = rng.range(506, 598), r = rng.range(1.5, 5);
        ground.fill_ellipse({x, y}, r * 1.4, r, {60, 58, 58});
        ground.fill_ellipse({x - r * 0.3, y - r * 0.3}, r * 0.8, r * 0.5, {104, 100, 96});
    }
    for (int i = 0; i < 8; ++i) // old snow lying in the hollows
        ground.fill_ellipse({rng.range(0, SCREEN_W), rng.range(570, 598)}, rng.range(10, 30), 3,
                            {196, 200, 214});
    out.push_back(finish_layer("pass_ground", ground));

    Canvas front = blank_screen();
    paint_front_rocks(front, 12, {78, 74, 72}, {44, 42, 44}, 1107);
    out.push_back(finish_layer("pass_front", front));
}

// Reeds and bulrushes standing in a clump.
void reeds(Canvas& c, Point foot, double h, Rgb stem, Rgb head, Random& rng) {
    const int n = 5 + rng.below(6);
    for (int i = 0; i < n; ++i) {
        const double x = foot.x + rng.range(-8, 8), hh = h * rng.range(0.6, 1.0);
        const Point tip{x + rng.range(-6, 6), foot.y - hh};
        c.fill_capsule({x, foot.y}, tip, 1.2, 0.5, stem);
        if (rng.unit() < 0.4)
            c.fill_ellipse({tip.x * 0.85 + x * 0.15, foot.y - hh * 0.85}, 1.8, 5, head);
    }
}

void add_marsh(std::vector<Layer>& out) {
    const Rgb mist{232, 222, 210};
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {118, 128, 164}}, {260, {206, 188, 192}}, {450, mist}});
    paint_glow(sky, {300, 290}, 120, {252, 240, 210}, 0.6);
    sky.fill_circle({300, 290}, 20, {250, 242, 222});
    Random rng(1201);
    for (int i = 0; i < 8; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(120, 360)}, rng.range(200, 380),
                      rng.range(8, 16), {196, 184, 192}, {236, 226, 222}, true, 1202 + i);
    out.push_back(finish_layer("marsh_sky", sky));

    Canvas far = blank_screen(); // the far bank: a line of trees in the mist
    for (int i = 0; i < 60; ++i)
        far.fill_circle({rng.range(0, SCREEN_W), 420 + rng.range(-10, 14)}, rng.range(10, 26),
                        {170, 168, 172});
    paint_ridge(far, 428, 4, 5, {160, 160, 166}, {160, 160, 166}, 1203);
    paint_water(far, 440, {214, 206, 202}, {150, 150, 160}, 1204);
    out.push_back(finish_layer("marsh_far", far));

    // Open water with drowned trees and reed beds.
    Canvas mid = blank_screen();
    paint_water(mid, 470, {190, 184, 184}, {70, 80, 84}, 1205);
    for (int i = 0; i < 5; ++i) {
        const double x = 60 + i * 160 + rng.range(-30, 30), h = rng.range(80, 140);
        mid.fill_capsule({x, 480}, {x + rng.range(-10, 10), 480 - h}, 5, 2.5, {70, 66, 70});
        for (int k = 0; k < 3; ++k)
            mid.fill_capsule({x, 480 - h * rng.range(0.4, 0.9)},
                             {x + rng.range(-40, 40), 480 - h * rng.range(0.8, 1.2)}, 2, 0.8,
                             {70, 66, 70});
        mid.fill_rect(static_cast<int>(x) - 4, 482, 8, static_cast<int>(h * 0.3), {120, 118, 124});
    }
    for (int i = 0; i < 22; ++i)
        reeds(mid, {rng.range(0, SCREEN_W), 478 + rng.range(0, 24)}, rng.range(30, 60),
              {86, 96, 70}, {92, 64, 44}, rng);
    paint_haze(mid, 380, 506, mist, 0.55, 0.15);
    out.push_back(finish_layer("marsh_mid", mid));

    // A causeway of planks on posts, the dark water under it.
    Canvas ground = blank_screen();
    paint_water(ground, 506, {86, 92, 96}, {22, 30, 34}, 1206);
    for (int x = 0; x < SCREEN_W; x += 8) {
        const Rgb plank = mix(Rgb{108, 84, 60}, Rgb{80, 60, 42}, (x / 8 % 3) / 3.0);
        ground.fill_rect(x, FLOOR, 8, 8, plank);
        ground.fill_rect(x, FLOOR, 1, 8, {50, 38, 28});
    }
    ground.fill_rect(0, FLOOR, SCREEN_W, 1, {140, 116, 84});
    ground.fill_rect(0, FLOOR + 8, SCREEN_W, 3, {40, 30, 24});
    for (int x = 20; x < SCREEN_W; x += 100) // posts down into the water
        ground.fill_rect(x, FLOOR + 8, 8, 60, {54, 42, 32});
    out.push_back(finish_layer("marsh_ground", ground));

    Canvas front = blank_screen();
    for (int i = 0; i < 14; ++i)
        reeds(front, {rng.range(0, SCREEN_W), SCREEN_H + 2.0}, rng.range(36, 60), {36, 44, 30},
              {64, 42, 30}, rng);
    out.push_back(finish_layer("marsh_front", front));
}

void add_wasteland(std::vector<Layer>& out) {
    // Ash drifting high up; between the drifts the sky colour shows, grey until the pit opens
    // and turns it red.
    Canvas sky = blank_screen();
    Random rng(1301);
    paint_cloud_ceiling(sky, 90, 40, {26, 20, 20}, {62, 48, 44}, {96, 74, 62}, 1302);
    cut_rift(sky, 50, 16, {96, 74, 62}, 1303);
    for (int i = 0; i < 7; ++i) // streamers of ash below the ceiling
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(140, 300)}, rng.range(160, 320),
                      rng.range(4, 9), {58, 46, 44}, {92, 72, 62}, true, 1310 + i);
    out.push_back(finish_layer("wasteland_sky", sky));

    Canvas far = blank_screen(); // bare ridges of ash
    paint_mountains(far, {360, 80, 4, 0.7, {92, 78, 72}, {62, 52, 50}, {92, 78, 72}, 0, 1}, 1303);
    paint_ridge(far, 430, 16, 5, {72, 60, 56}, {56, 46, 44}, 1304);
    out.push_back(finish_layer("wasteland_far", far));

    // The bones of something vast, broken pillars and dead trees.
    Canvas mid = blank_screen();
    paint_ridge(mid, 486, 8, 4, {76, 64, 58}, {60, 50, 46}, 1305);
    const Rgb bone{178, 166, 146}, bone_dark{120, 108, 96};
    // A ribcage: ribs rising from the ground and curving over to the spine.
    const double rib_x = 500;
    std::vector<Point> spine;
    for (int i = 0; i < 8; ++i) {
        const double x = rib_x + i * 28, h = 150 - std::fabs(i - 3.0) * 16;
        const Point p0{x, 504}, p1{x - 36, 500 - h * 1.15}, p2{x + 26, 500 - h};
        Point prev = p0;
        for (int k = 1; k <= 16; ++k) {
            const double t = k / 16.0, u = 1 - t;
            const Point q{u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                          u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y};
            mid.fill_capsule(prev, q, 5 - t * 2, 5 - t * 2, k < 4 ? bone_dark : bone);
            prev = q;
        }
        spine.push_back(p2);
    }
    for (size_t k = 0; k + 1 < spine.size(); ++k) {
        mid.fill_capsule(spine[k], spine[k + 1], 7, 7, bone_dark);
        mid.fill_circle(spine[k], 8, bone);
    }
    const Point skull{rib_x - 60, 488}; // the skull, fallen from the spine
    mid.fill_ellipse(skull, 44, 18, bone);
    mid.fill_ellipse({skull.x - 30, skull.y + 6}, 22, 10, bone_dark);
    mid.fill_ellipse({skull.x + 10, skull.y - 4}, 8, 6, {40, 32, 30});
    mid.fill_capsule({skull.x + 20, skull.y - 12}, {skull.x + 56, skull.y - 44}, 6, 2, bone);
    for (int i = 0; i < 3; ++i) { // broken pillars
        const double x = 100 + i * 120, h = rng.range(60, 140);
        mid.fill_rect(static_cast<int>(x) - 14, static_cast<int>(500 - h), 28, static_cast<int>(h),
                      {104, 92, 86});
        mid.fill_rect(static_cast<int>(x) + 6, static_cast<int>(500 - h), 8, static_cast<int>(h),
                      {74, 64, 60});
        mid.fill_polygon(
            {{x - 14, 500 - h}, {x - 4, 500 - h - 14}, {x + 6, 500 - h - 4}, {x + 14, 500 - h}},
            {104, 92, 86});
    }
    mid.fill_rect(300, 492, 80, 12, {96, 84, 78}); // a fallen drum of a pillar
    out.push_back(finish_layer("wasteland_mid", mid));

    Canvas ground = blank_screen();
    paint_soil(ground, {106, 92, 84}, {70, 60, 56}, {32, 26, 26}, 1306);
    for (int i = 0; i < 40; ++i) { // cracks in the baked ash
        double x = rng.range(0, SCREEN_W), y = rng.range(506, 596);
        for (int k = 0; k < 5; ++k) {
            const double nx = x + rng.range(-16, 16), ny = y + rng.range(-4, 6);
            ground.draw_line({x, y}, {nx, ny}, {24, 18, 18});
            x = nx, y = ny;
        }
    }
    out.push_back(finish_layer("wasteland_ground", ground));

    Canvas front = blank_screen();
    paint_front_rocks(front, 8, {64, 56, 52}, {36, 30, 30}, 1307);
    for (int i = 0; i < 5; ++i) { // a skull here and there
        const double x = rng.range(0, SCREEN_W);
        front.fill_ellipse({x, 588}, 8, 7, bone_dark);
        front.fill_circle({x - 3, 588}, 2, {30, 24, 24});
        front.fill_circle({x + 3, 588}, 2, {30, 24, 24});
    }
    out.push_back(finish_layer("wasteland_front", front));
}
} // namespace

void add_wild_settings(std::vector<Layer>& out) {
    add_pass(out);
    add_marsh(out);
    add_wasteland(out);
}

} // namespace contentgen
