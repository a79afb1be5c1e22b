// Night settings: a town burning, a ruined abbey and its graveyard under the moon, the throne
// hall of the dark tower and the tower's top in a storm.
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

// A column of smoke leaning with the wind, lit from below by the fires.
void smoke_plume(Canvas& c, Point base, double height, Rgb smoke, Rgb lit, std::uint64_t seed) {
    Random rng(seed);
    for (int i = 0; i < 26; ++i) {
        const double t = i / 25.0, r = 12 + 46 * t;
        const Point p{base.x + t * t * height * 0.9 + rng.range(-8, 8), base.y - t * height};
        c.fill_circle(p, r, mix(lit, smoke, std::min(1.0, t * 3)));
    }
}

void add_town(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(
        sky, {{0, {8, 8, 24}}, {220, {30, 20, 40}}, {400, {112, 44, 32}}, {600, {176, 76, 34}}});
    paint_stars(sky, 0, 220, 140, {230, 230, 250}, 701);
    Random rng(702);
    for (int i = 0; i < 4; ++i)
        smoke_plume(sky, {80 + i * 200 + rng.range(-30, 30), 470}, rng.range(300, 420),
                    {40, 30, 36}, {150, 70, 40}, 703 + i);
    out.push_back(finish_layer("town_sky", sky));

    // Roofs and a spire across the town, some burning.
    Canvas far = blank_screen();
    const Rgb roofline{34, 22, 28};
    double x = 0;
    while (x < SCREEN_W) {
        const double w = rng.range(30, 60), h = rng.range(40, 90);
        far.fill_rect(static_cast<int>(x), static_cast<int>(470 - h), static_cast<int>(w) + 1, 200,
                      roofline);
        far.fill_polygon({{x - 2, 470 - h}, {x + w / 2, 470 - h - w * 0.5}, {x + w + 2, 470 - h}},
                         roofline);
        if (rng.unit() < 0.5)
            far.fill_rect(static_cast<int>(x + w * 0.3), static_cast<int>(470 - h * 0.6), 4, 5,
                          {236, 150, 60});
        if (rng.unit() < 0.3)
            paint_flames(far, {x + w / 2, 470 - h - w * 0.3}, w * 0.8, rng.range(30, 60),
                         rng.next());
        x += w;
    }
    far.fill_rect(560, 300, 26, 200, roofline); // the church tower and its spire
    far.fill_polygon({{556, 300}, {573, 220}, {590, 300}}, roofline);
    paint_haze(far, 380, 520, {150, 66, 36}, 0.1, 0.35);
    out.push_back(finish_layer("town_far", far));

    Canvas mid = blank_screen();
    for (int i = 0; i < 5; ++i) {
        const double hx = 60 + i * 160 + rng.range(-20, 20);
        const bool burning = i % 2 == 0;
        paint_cottage(mid, {hx, 496}, rng.range(70, 96), rng.range(50, 70),
                      {{70, 52, 46},
                       {30, 22, 20},
                       {52, 34, 32},
                       burning ? Rgb{250, 170, 60} : Rgb{220, 130, 50},
                       i % 3 == 0,
                       true});
        if (burning) {
            paint_glow(mid, {hx, 430}, 90, {255, 140, 50}, 0.35);
            paint_flames(mid, {hx + rng.range(-20, 20), 440}, 70, rng.range(70, 110), 710 + i);
        }
    }
    out.push_back(finish_layer("town_mid", mid));

    Canvas ground = blank_screen();
    paint_paving(ground, 14, 26, {70, 56, 50}, {28, 22, 22}, 720);
    paint_haze(ground, FLOOR, 520, {200, 100, 40}, 0.35, 0.0); // firelight on the cobbles
    out.push_back(finish_layer("town_ground", ground));

    Canvas front = blank_screen();
    for (int i = 0; i < 6; ++i) { // charred beams and barrels in the street
        const double bx = rng.range(0, SCREEN_W);
        if (i % 2)
            front.fill_capsule({bx - 40, SCREEN_H - 4.0}, {bx + 40, SCREEN_H - rng.range(10, 26)},
                               5, 4, {30, 20, 18});
        else {
            front.fill_ellipse({bx, SCREEN_H - 14.0}, 14, 18, {44, 30, 24});
            front.fill_rect(static_cast<int>(bx) - 14, SCREEN_H - 22, 28, 2, {20, 16, 14});
        }
    }
    paint_front_rocks(front, 6, {46, 36, 34}, {26, 20, 20}, 721);
    for (int i = 0; i < 40; ++i) // embers
        front.fill_circle({rng.range(0, SCREEN_W), rng.range(560, 598)}, 1, {250, 150, 50});
    out.push_back(finish_layer("town_front", front));
}

// A gravestone: a slab with a round top, or a cross.
void grave(Canvas& c, Point foot, double h, Rgb stone, Rgb shade, bool cross) {
    if (cross) {
        c.fill_rect(static_cast<int>(foot.x - 2), static_cast<int>(foot.y - h), 5,
                    static_cast<int>(h), stone);
        c.fill_rect(static_cast<int>(foot.x - h * 0.3), static_cast<int>(foot.y - h * 0.75),
                    static_cast<int>(h * 0.6), 4, stone);
        return;
    }
    const double w = h * 0.6;
    c.fill_rect(static_cast<int>(foot.x - w / 2), static_cast<int>(foot.y - h + w / 2),
                static_cast<int>(w), static_cast<int>(h - w / 2), stone);
    c.fill_circle({foot.x, foot.y - h + w / 2}, w / 2, stone);
    c.fill_rect(static_cast<int>(foot.x + w / 4), static_cast<int>(foot.y - h + w / 2),
                static_cast<int>(w / 4), static_cast<int>(h - w / 2), shade);
}

// A bare tree: a limb that forks into thinner, crooked limbs.
void dead_tree(Canvas& c, Point foot, double len, double angle, double width, Rgb bark,
               Random& rng) {
    const Point end{foot.x + std::sin(angle) * len, foot.y - std::cos(angle) * len};
    c.fill_capsule(foot, end, width, width * 0.6, bark);
    if (len < 8) return;
    for (int side = -1; side <= 1; side += 2)
        dead_tree(c, end, len * rng.range(0.55, 0.75), angle + side * rng.range(0.25, 0.7),
                  width * 0.6, bark, rng);
}

// Laid stone from row top(x) down to the floor between x0 and x1: courses of blocks of
// varying shade with dark joints, the top edge lit by the moon.
template <typename Top>
void masonry(Canvas& c, int x0, int x1, Top top, Rgb stone, Rgb joint, Rgb lit,
             std::uint64_t seed) {
    for (int x = x0; x < x1; ++x) {
        const int t = static_cast<int>(top(x));
        for (int y = t; y < 506; ++y) {
            const int course = y / 9, along = x + (course % 2) * 9;
            const std::uint64_t block = static_cast<std::uint64_t>(course * 977 + along / 18);
            Rgb p = mix(stone, joint, Random(seed + block).unit() * 0.3);
            if (y % 9 == 0 || along % 18 == 0) p = joint;
            if (y < t + 2) p = lit;
            c.set(x, y, p);
        }
    }
}

void add_abbey(std::vector<Layer>& out) {
    const Rgb night{22, 30, 60};
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {6, 8, 22}}, {300, night}, {520, {48, 58, 90}}});
    paint_stars(sky, 0, 360, 260, {236, 236, 255}, 801);
    paint_moon(sky, {610, 120}, 32, {236, 234, 214}, {220, 218, 200}, 0);
    Random rng(802);
    for (int i = 0; i < 5; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(100, 260)}, rng.range(150, 300),
                      rng.range(6, 12), {34, 40, 70}, {96, 104, 136}, false, 803 + i);
    out.push_back(finish_layer("abbey_sky", sky));

    Canvas far = blank_screen();
    paint_ridge(far, 420, 30, 3, {26, 32, 54}, {20, 26, 44}, 804);
    for (int i = 0; i < 12; ++i)
        dead_tree(far, {rng.range(0, SCREEN_W), 430 + rng.range(0, 20)}, rng.range(12, 22), 0, 1.5,
                  {20, 24, 40}, rng);
    out.push_back(finish_layer("abbey_far", far));

    // The ruin: a broken nave wall with empty pointed windows and a tower stump, the moon
    // catching the broken edges.
    Canvas mid = blank_screen();
    const Rgb stone{74, 80, 102}, joint{40, 44, 60}, moonlit{120, 126, 150};
    const Noise1D broken(805, SCREEN_W, 5);
    const auto nave_top = [&](int x) {
        return 250 + 70 * std::fabs(broken.at(x)) + (x > 480 ? (x - 480) * 0.9 : 0);
    };
    const auto tower_top = [](int x) { return x % 20 < 12 ? 180.0 : 190.0; };
    masonry(mid, 180, 620, nave_top, stone, joint, moonlit, 809);
    masonry(mid, 110, 180, tower_top, mix(stone, joint, 0.15), joint, moonlit, 810);
    mid.fill_rect(160, 192, 20, 320, mix(stone, joint, 0.55)); // the tower's side in shadow
    for (int i = 0; i < 4; ++i) { // tall empty windows: the sky shows through them
        const double wx = 230 + i * 100;
        mid.fill_polygon(arch_outline(wx, 52, 330, 442, true), joint);
        mid.fill_polygon(arch_outline(wx, 44, 334, 440, true), BLUE);
        if (i != 2) mid.fill_rect(static_cast<int>(wx) - 1, 300, 3, 140, joint); // mullions
    }
    mid.fill_polygon(arch_outline(145, 22, 260, 322, true), {22, 24, 36});
    for (int i = 0; i < 9; ++i) { // ivy climbing the stones
        const double x = rng.range(180, 560), h = rng.range(30, 120);
        for (int k = 0; k < h / 4; ++k)
            mid.fill_circle({x + rng.range(-8, 8), 500 - k * 4.0}, rng.range(2, 4.5),
                            k % 3 ? Rgb{30, 44, 44} : Rgb{44, 60, 58});
    }
    for (int i = 0; i < 14; ++i) // the graveyard before it
        grave(mid, {rng.range(0, SCREEN_W), 498 + rng.range(-2, 4)}, rng.range(16, 30),
              {92, 98, 118}, {60, 64, 82}, rng.unit() < 0.35);
    dead_tree(mid, {700, 504}, 60, 0.1, 5, {24, 24, 34}, rng);
    dead_tree(mid, {40, 504}, 44, -0.1, 4, {24, 24, 34}, rng);
    paint_haze(mid, 440, 506, {80, 90, 120}, 0.0, 0.55); // ground mist
    out.push_back(finish_layer("abbey_mid", mid));

    Canvas ground = blank_screen();
    paint_soil(ground, {44, 56, 52}, {36, 38, 40}, {16, 18, 22}, 806);
    paint_grass_edge(ground, {26, 40, 36}, {50, 66, 62}, 6, 807);
    out.push_back(finish_layer("abbey_ground", ground));

    Canvas front = blank_screen();
    for (int i = 0; i < 7; ++i)
        grave(front, {rng.range(0, SCREEN_W), SCREEN_H + 4.0}, rng.range(40, 56), {30, 32, 44},
              {20, 22, 32}, rng.unit() < 0.4);
    paint_front_tufts(front, 16, 30, {20, 30, 28}, {30, 42, 38}, 808);
    out.push_back(finish_layer("abbey_front", front));
}

// A wall of dark blocks over the whole screen.
void paint_blocks(Canvas& c, int top, Rgb stone, Rgb joint, std::uint64_t seed) {
    Random rng(seed);
    for (int y = top; y < SCREEN_H; ++y)
        for (int x = 0; x < SCREEN_W; ++x) {
            const int row = (y - top) / 20, bx = (x + (row % 2) * 20) % 40;
            const bool line = (y - top) % 20 == 0 || bx == 0;
            c.set(x, y, line ? joint : mix(stone, joint, rng.unit() * 0.25));
        }
}

void add_throne(std::vector<Layer>& out) {
    // The back wall is the far layer: its windows leave the sky colour showing, so lightning and
    // the darkening sky are seen through them.
    Canvas far = blank_screen();
    const Rgb wall{44, 40, 50}, joint{28, 26, 34};
    paint_blocks(far, 0, wall, joint, 901);
    for (int i = 0; i < 4; ++i) {
        const double wx = 100 + i * 200;
        far.fill_polygon(arch_outline(wx, 66, 170, 380, true), {70, 64, 76}); // the reveal
        far.fill_polygon(arch_outline(wx, 50, 176, 370, true), BLUE);
        far.fill_rect(static_cast<int>(wx) - 2, 140, 4, 230, {34, 30, 38}); // tracery
        far.fill_rect(static_cast<int>(wx) - 25, 270, 50, 4, {34, 30, 38});
        far.fill_circle({wx, 160}, 8, {34, 30, 38});
        far.fill_circle({wx, 160}, 5, BLUE);
    }
    for (int i = 0; i < 4; ++i) { // torches between the windows, lighting the wall
        const double tx = i * 200;
        paint_glow(far, {tx, 300}, 90, {240, 150, 70}, 0.45);
        far.fill_rect(static_cast<int>(tx) - 3, 300, 6, 20, {50, 36, 26});
        paint_flames(far, {tx, 302}, 14, 26, 902 + i);
    }
    out.push_back(finish_layer("throne_far", far));

    // Pillars before the wall, the throne on its dais between them, and banners.
    Canvas mid = blank_screen();
    const Rgb pillar{62, 56, 70}, pillar_lit{92, 82, 96}, pillar_dark{36, 32, 42};
    for (int i = 0; i < 2; ++i) {
        const double px = 200 + i * 400;
        mid.fill_rect(static_cast<int>(px) - 26, 0, 52, 510, pillar);
        mid.fill_rect(static_cast<int>(px) - 26, 0, 10, 510, pillar_lit);
        mid.fill_rect(static_cast<int>(px) + 14, 0, 12, 510, pillar_dark);
        mid.fill_rect(static_cast<int>(px) - 34, 460, 68, 50, pillar_dark);
        mid.fill_rect(static_cast<int>(px) - 32, 70, 64, 14, pillar_dark);
        mid.fill_polygon(
            {{px - 20, 100}, {px + 20, 100}, {px + 20, 240}, {px, 222}, {px - 20, 240}},
            {96, 20, 30});
        mid.fill_rect(static_cast<int>(px) - 20, 100, 40, 4, {180, 140, 60});
        mid.fill_circle({px, 150}, 9, {180, 140, 60});
        mid.fill_circle({px, 150}, 5, {96, 20, 30});
    }
    const double tx = 400; // the throne on three steps
    for (int k = 0; k < 3; ++k)
        mid.fill_rect(static_cast<int>(tx - 90 + k * 20), 500 - (k + 1) * 10, 180 - k * 40, 10,
                      mix(Rgb{70, 62, 74}, Rgb{30, 26, 34}, k / 3.0));
    mid.fill_polygon({{tx - 30, 470},
                      {tx - 30, 330},
                      {tx - 16, 300},
                      {tx, 320},
                      {tx + 16, 300},
                      {tx + 30, 330},
                      {tx + 30, 470}},
                     {30, 24, 30});
    mid.fill_rect(static_cast<int>(tx) - 22, 400, 44, 10, {110, 24, 30});
    mid.fill_rect(static_cast<int>(tx) - 20, 340, 40, 60, {110, 24, 30});
    mid.fill_circle({tx, 316}, 4, {200, 160, 70});
    out.push_back(finish_layer("throne_mid", mid));

    Canvas ground = blank_screen();
    for (int y = FLOOR; y < SCREEN_H; ++y) // dark marble in checks, darker further forward
        for (int x = 0; x < SCREEN_W; ++x) {
            const bool check = ((x / 40) + ((y - FLOOR) / 20)) % 2 == 0;
            ground.set(x, y,
                       mix(check ? Rgb{60, 54, 64} : Rgb{36, 32, 40}, Rgb{14, 12, 16},
                           (y - FLOOR) / 140.0));
        }
    ground.fill_rect(0, FLOOR, SCREEN_W, 2, {96, 86, 100});
    ground.fill_rect(0, 562, SCREEN_W, 22, {84, 18, 24}); // the carpet runner
    ground.fill_rect(0, 562, SCREEN_W, 2, {170, 130, 56});
    ground.fill_rect(0, 582, SCREEN_W, 2, {170, 130, 56});
    out.push_back(finish_layer("throne_ground", ground));

    Canvas front = blank_screen(); // chains and an iron brazier on the floor before the hall
    for (int i = 0; i < 2; ++i) {
        const double bx = 100 + i * 400;
        front.fill_polygon({{bx - 22, 560}, {bx + 22, 560}, {bx + 12, 580}, {bx - 12, 580}},
                           {30, 26, 30});
        front.fill_rect(static_cast<int>(bx) - 3, 580, 6, 20, {30, 26, 30});
        paint_flames(front, {bx, 562}, 36, 30, 910 + i);
    }
    out.push_back(finish_layer("throne_front", front));
}

void add_tower(std::vector<Layer>& out) {
    // Storm clouds with rifts left open: the sky colour shows through them, so the lightning
    // flashes and the red of the sky are seen.
    Canvas sky = blank_screen();
    Random rng(1001);
    paint_cloud_ceiling(sky, 470, 20, {16, 16, 24}, {44, 44, 60}, {70, 70, 92}, 1002);
    for (int i = 0; i < 16; ++i) // heavy lumps within the clouds
        paint_cumulus(sky, {rng.range(0, SCREEN_W), rng.range(120, 420)}, rng.range(80, 200),
                      rng.range(30, 60), {48, 48, 64}, {30, 30, 42}, -1, 1004 + i);
    cut_rift(sky, 170, 26, {84, 84, 108}, 1003);
    cut_rift(sky, 330, 18, {84, 84, 108}, 1020);
    cut_rift(sky, 425, 30, {84, 84, 108}, 1021); // the last light over the land
    out.push_back(finish_layer("tower_sky", sky));

    Canvas far = blank_screen(); // the black land far below, with other spires
    paint_ridge(far, 450, 20, 4, {28, 28, 38}, {18, 18, 26}, 1020);
    for (int i = 0; i < 5; ++i) {
        const double x = rng.range(0, SCREEN_W), h = rng.range(80, 200);
        far.fill_rect(static_cast<int>(x) - 8, static_cast<int>(460 - h), 16, static_cast<int>(h),
                      {24, 24, 34});
        far.fill_polygon({{x - 12, 460 - h}, {x, 420 - h}, {x + 12, 460 - h}}, {24, 24, 34});
        far.fill_rect(static_cast<int>(x) - 1, static_cast<int>(470 - h * 0.7), 3, 4,
                      {200, 60, 40});
    }
    out.push_back(finish_layer("tower_far", far));

    // The crown of the dark tower: a spire with buttresses rising behind the roof.
    Canvas mid = blank_screen();
    const Rgb stone{40, 38, 50}, edge{70, 68, 86};
    const double sx = 400;
    mid.fill_rect(static_cast<int>(sx) - 50, 150, 100, 360, stone);
    mid.fill_polygon({{sx - 60, 152}, {sx, 20}, {sx + 60, 152}}, {30, 28, 38});
    mid.fill_polygon({{sx - 60, 152}, {sx, 20}, {sx - 20, 152}}, edge);
    mid.fill_rect(static_cast<int>(sx) - 50, 150, 6, 360, edge);
    mid.fill_polygon(arch_outline(sx, 30, 260, 330, true), {200, 60, 40}); // a lit window
    for (int side = -1; side <= 1; side += 2) {                            // flying buttresses
        mid.fill_polygon({{sx + side * 50, 240},
                          {sx + side * 160, 420},
                          {sx + side * 160, 506},
                          {sx + side * 140, 506},
                          {sx + side * 140, 440},
                          {sx + side * 50, 290}},
                         stone);
        mid.fill_rect(static_cast<int>(sx + side * 150) - 12, 380, 24, 130, stone);
        mid.fill_polygon(
            {{sx + side * 150 - 14, 382}, {sx + side * 150, 340}, {sx + side * 150 + 14, 382}},
            edge);
    }
    paint_castle_wall(mid, 440, 0, SCREEN_W, {46, 44, 56}, {30, 28, 38}, 1030);
    out.push_back(finish_layer("tower_mid", mid));

    Canvas ground = blank_screen();
    paint_paving(ground, 20, 50, {56, 54, 66}, {24, 22, 30}, 1040);
    out.push_back(finish_layer("tower_ground", ground));

    Canvas front = blank_screen(); // the parapet's merlons along the bottom
    for (int x = 0; x < SCREEN_W; x += 80) {
        front.fill_rect(x, 562, 44, 40, {30, 28, 38});
        front.fill_rect(x, 562, 44, 3, {66, 64, 80});
    }
    front.fill_rect(0, 584, SCREEN_W, 16, {30, 28, 38});
    out.push_back(finish_layer("tower_front", front));
}
} // namespace

void add_night_settings(std::vector<Layer>& out) {
    add_town(out);
    add_abbey(out);
    add_throne(out);
    add_tower(out);
}

} // namespace contentgen
