// The settings along the road to the wasteland: a village in the morning, a forest in the
// afternoon light, a castle gate under rain clouds, a snowfield at dawn, a ledge over a gorge
// and the mouth of hell.
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

void add_village(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {70, 122, 194}},
                         {260, {138, 180, 222}},
                         {440, {212, 222, 218}},
                         {600, {236, 222, 192}}});
    paint_sun(sky, {640, 96}, 15, {255, 252, 236}, {255, 240, 196});
    Random rng(101);
    for (int i = 0; i < 6; ++i)
        paint_cumulus(sky, {i * 135 + rng.range(0, 60), rng.range(150, 300)}, rng.range(110, 230),
                      rng.range(40, 70), {250, 250, 246}, {186, 198, 218}, 1, 102 + i);
    out.push_back(finish_layer("village_sky", sky));

    Canvas far = blank_screen();
    paint_mountains(
        far, {350, 70, 3, 0.35, {160, 178, 204}, {136, 154, 186}, {226, 232, 240}, 300, 1}, 103);
    paint_ridge(far, 430, 26, 4, {112, 146, 96}, {92, 126, 80}, 104);
    for (int i = 0; i < 40; ++i) { // copses along the hills
        const double x = rng.range(0, SCREEN_W);
        far.fill_circle({x, 442 + rng.range(-8, 18)}, rng.range(4, 9), {80, 112, 70});
    }
    paint_haze(far, 300, 520, {214, 222, 218}, 0.35, 0.1);
    out.push_back(finish_layer("village_far", far));

    Canvas mid = blank_screen();
    paint_ridge(mid, 484, 6, 4, {98, 134, 70}, {84, 118, 58}, 105);
    const Rgb roofs[] = {{150, 118, 70}, {142, 64, 42}, {96, 92, 104}};
    const Rgb walls[] = {{214, 196, 160}, {196, 178, 150}, {222, 210, 184}};
    for (int i = 0; i < 6; ++i) {
        const double x = 40 + i * 133 + rng.range(-20, 20);
        const double ground = 494 + rng.range(-4, 4);
        paint_leafy_tree(mid, {x + 62, ground + 6}, rng.range(70, 110), {84, 124, 58}, {60, 96, 44},
                         {72, 52, 36}, 106 + i);
        paint_cottage(mid, {x, ground}, rng.range(56, 80), rng.range(32, 42),
                      {walls[i % 3], {74, 52, 36}, roofs[i % 3], {52, 56, 66}, i % 2 == 0, i != 3});
        for (int k = 0; k < 5 && i != 3; ++k) // smoke from the chimney
            mid.fill_circle({x + 14 + k * 5.0 + rng.range(-2, 2), ground - 62 - k * 9.0},
                            3 + k * 1.2, mix({200, 200, 204}, {222, 226, 230}, k / 5.0));
    }
    for (int x = 0; x < SCREEN_W; x += 12) { // a wattle fence along the lane
        mid.fill_rect(x, 482, 2, 16, {96, 72, 46});
        if (x % 24 == 0) mid.fill_rect(x, 486, 12, 2, {110, 84, 54});
    }
    out.push_back(finish_layer("village_mid", mid));

    Canvas ground = blank_screen();
    paint_soil(ground, {130, 104, 66}, {92, 70, 46}, {50, 36, 24}, 107);
    for (int i = 0; i < 18; ++i) { // wheel ruts and puddles in the lane
        const double x = rng.range(0, SCREEN_W), y = rng.range(508, 590);
        ground.fill_ellipse({x, y}, rng.range(14, 40), rng.range(1, 2.5), {60, 44, 30});
    }
    paint_grass_edge(ground, {62, 94, 42}, {104, 140, 64}, 7, 108);
    out.push_back(finish_layer("village_ground", ground));

    Canvas front = blank_screen();
    paint_front_tufts(front, 30, 46, {40, 66, 30}, {58, 90, 40}, 109);
    out.push_back(finish_layer("village_front", front));
}

// A clump of foliage: a dark mass with lighter leaves on the side the light comes from.
void foliage(Canvas& c, Point at, double r, Rgb dark, Rgb mid, Rgb lit, Random& rng) {
    for (int i = 0; i < 7; ++i)
        c.fill_circle({at.x + rng.range(-r, r), at.y + rng.range(-r * 0.5, r * 0.6)},
                      r * rng.range(0.45, 0.75), dark);
    for (int i = 0; i < 5; ++i)
        c.fill_circle({at.x + rng.range(-r * 0.8, r * 0.5), at.y + rng.range(-r * 0.6, r * 0.2)},
                      r * rng.range(0.3, 0.5), mid);
    for (int i = 0; i < 4; ++i)
        c.fill_circle({at.x + rng.range(-r * 0.9, 0), at.y + rng.range(-r * 0.7, -r * 0.1)},
                      r * rng.range(0.12, 0.25), lit);
}

void add_forest(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {92, 138, 186}},
                         {280, {168, 188, 196}},
                         {470, {238, 214, 158}},
                         {600, {244, 202, 132}}});
    paint_sun(sky, {210, 300}, 18, {255, 246, 214}, {255, 226, 150});
    for (int i = 0; i < 5; ++i)
        paint_stratus(sky, {i * 170.0 + 40, 140.0 + (i % 3) * 50}, 200, 14, {214, 206, 196},
                      {250, 236, 200}, true, 201 + i);
    out.push_back(finish_layer("forest_sky", sky));

    Random rng(202);
    Canvas far = blank_screen();
    for (int row = 0; row < 2; ++row) { // two lines of distant trees, the nearer darker
        const Rgb dark = row ? Rgb{70, 100, 90} : Rgb{120, 146, 136};
        const Rgb light = row ? Rgb{92, 122, 104} : Rgb{146, 166, 150};
        for (int i = 0; i < 70; ++i) {
            const double x = rng.range(0, SCREEN_W), foot = 470 + row * 25 + rng.range(-10, 10);
            if (rng.unit() < 0.5)
                paint_pine(far, {x, foot}, rng.range(70, 130) - row * 10, dark, light, BLUE);
            else
                far.fill_circle({x, foot - rng.range(50, 80)}, rng.range(18, 30), dark);
        }
        paint_ridge(far, 450 + row * 25, 8, 5, dark, dark, 210 + row);
    }
    paint_haze(far, 340, 520, {236, 214, 160}, 0.45, 0.2);
    out.push_back(finish_layer("forest_far", far));

    // The forest itself: trunks rising out of sight into a canopy that hangs over the road,
    // with sunlight falling through the gaps.
    Canvas mid = blank_screen();
    const Rgb bark{58, 44, 34}, bark_lit{96, 74, 52};
    for (int i = 0; i < 9; ++i) {
        const double x = i * 89 + rng.range(-20, 20), w = rng.range(12, 30);
        mid.fill_polygon({{x - w / 2, 0}, {x + w / 2, 0}, {x + w * 0.65, 506}, {x - w * 0.65, 506}},
                         bark);
        mid.fill_polygon(
            {{x - w / 2, 0}, {x - w * 0.15, 0}, {x - w * 0.25, 506}, {x - w * 0.65, 506}},
            bark_lit);
        for (int k = 0; k < 2; ++k) { // a bough reaching out into the canopy
            const double y = rng.range(70, 200), dir = k ? 1 : -1;
            const Point tip{x + dir * rng.range(50, 90), y};
            mid.fill_capsule({x, y + 40}, tip, w * 0.22, 3, bark);
            foliage(mid, tip, rng.range(14, 22), {30, 58, 30}, {46, 84, 38}, {96, 130, 52}, rng);
        }
    }
    const Noise1D hem(203, SCREEN_W, 5);
    for (int x = 0; x < SCREEN_W; x += 14) { // the canopy, its lower hem ragged
        const double bottom = 150 + 60 * hem.at(x);
        for (double y = -20; y < bottom; y += 24)
            foliage(mid, {x + rng.range(-6, 6), y + rng.range(-8, 8)}, rng.range(18, 30),
                    {30, 58, 30}, {46, 84, 38}, {96, 130, 52}, rng);
    }
    for (int i = 0; i < 22; ++i) // leaves hanging below the hem
        foliage(mid, {rng.range(0, SCREEN_W), 180 + 60 * rng.unit()}, rng.range(8, 14),
                {30, 58, 30}, {46, 84, 38}, {96, 130, 52}, rng);
    for (int i = 0; i < 30; ++i) // undergrowth along the road
        foliage(mid, {rng.range(0, SCREEN_W), rng.range(486, 500)}, rng.range(10, 22), {34, 62, 30},
                {52, 90, 40}, {92, 124, 50}, rng);
    paint_light_shafts(mid, 5, {255, 236, 170}, 0.28, -0.35, 204);
    out.push_back(finish_layer("forest_mid", mid));

    Canvas ground = blank_screen();
    paint_soil(ground, {92, 84, 46}, {64, 52, 36}, {32, 26, 20}, 205);
    const Rgb litter[] = {{150, 86, 34}, {120, 70, 30}, {170, 120, 50}, {90, 60, 30}};
    for (int i = 0; i < 600; ++i) // fallen leaves
        ground.fill_ellipse({rng.range(0, SCREEN_W), rng.range(504, 600)}, rng.range(1, 2.5), 1,
                            litter[rng.below(4)]);
    for (int i = 0; i < 7; ++i) { // roots breaking the surface
        const double x = rng.range(0, SCREEN_W);
        ground.fill_capsule({x, 502}, {x + rng.range(-60, 60), rng.range(520, 560)}, 4, 1.5,
                            {46, 34, 26});
    }
    paint_grass_edge(ground, {40, 70, 30}, {74, 110, 44}, 5, 206);
    out.push_back(finish_layer("forest_ground", ground));

    Canvas front = blank_screen();
    for (int i = 0; i < 14; ++i) { // ferns
        const double x = rng.range(0, SCREEN_W);
        for (int k = 0; k < 6; ++k) {
            const double a = 3.14159 * (0.15 + 0.7 * k / 5.0), len = rng.range(26, 46);
            const Point tip{x + std::cos(a) * len * -1.3, SCREEN_H - std::sin(a) * len};
            front.fill_capsule({x, SCREEN_H + 2.0}, tip, 2.2, 0.6,
                               k % 2 ? Rgb{26, 50, 24} : Rgb{38, 68, 30});
        }
    }
    paint_front_tufts(front, 14, 34, {26, 48, 22}, {40, 66, 30}, 207);
    out.push_back(finish_layer("forest_front", front));
}

// A round tower with a conical roof, arrow slits and a crenellated top.
void round_tower(Canvas& c, double cx, double top, double w, Rgb stone, Rgb roof) {
    const Rgb shade = mix(stone, Rgb{0, 0, 0}, 0.35), lit = mix(stone, Rgb{230, 226, 214}, 0.15);
    paint_castle_wall(c, top, cx - w / 2, cx + w / 2, stone, shade, static_cast<std::uint64_t>(cx));
    c.fill_rect(static_cast<int>(cx + w * 0.2), static_cast<int>(top + 10),
                static_cast<int>(w * 0.3), SCREEN_H,
                mix(stone, shade, 0.6)); // the round side turning away
    c.fill_rect(static_cast<int>(cx - w * 0.4), static_cast<int>(top + 10),
                static_cast<int>(w * 0.15), SCREEN_H, lit);
    c.fill_polygon({{cx - w / 2 - 5, top + 2}, {cx, top - w * 1.2}, {cx + w / 2 + 5, top + 2}},
                   roof);
    c.fill_polygon({{cx, top - w * 1.2}, {cx + w / 2 + 5, top + 2}, {cx + 4, top + 2}},
                   mix(roof, Rgb{0, 0, 0}, 0.3));
    for (double y = top + 30; y < 440; y += 60)
        c.fill_rect(static_cast<int>(cx - 2), static_cast<int>(y), 4, 14, Rgb{24, 20, 20});
}

void add_castle(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {88, 96, 112}}, {300, {132, 140, 152}}, {520, {170, 174, 176}}});
    Random rng(301);
    paint_cloud_ceiling(sky, 110, 40, {70, 76, 90}, {98, 104, 118}, {124, 130, 142}, 330);
    for (int i = 0; i < 9; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(40, 300)}, rng.range(200, 420),
                      rng.range(18, 40), {104, 110, 124}, {150, 156, 166}, false, 302 + i);
    for (int i = 0; i < 6; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(20, 160)}, rng.range(260, 400),
                      rng.range(20, 34), {84, 90, 104}, {120, 126, 138}, false, 320 + i);
    out.push_back(finish_layer("castle_sky", sky));

    Canvas far = blank_screen();
    paint_ridge(far, 380, 40, 3, {110, 118, 128}, {96, 104, 114}, 303);
    for (int i = 0; i < 3; ++i) { // the keep and towers of the inner ward beyond the wall
        const double x = 130 + i * 270;
        paint_tower(far, x, 250 + i * 20, 46, {118, 122, 130}, {100, 72, 76});
        paint_tower(far, x + 50, 300, 30, {112, 116, 124}, {96, 70, 72});
    }
    paint_haze(far, 200, 520, {160, 166, 170}, 0.45, 0.25);
    out.push_back(finish_layer("castle_far", far));

    // The curtain wall with its gatehouse: two round towers flanking a dark arch with the
    // portcullis half raised.
    Canvas mid = blank_screen();
    const Rgb stone{118, 112, 102}, wet{86, 82, 76};
    paint_castle_wall(mid, 300, 0, SCREEN_W, stone, wet, 304);
    paint_haze(mid, 300, 520, {60, 58, 56}, 0.0, 0.35); // rain-darkened towards the foot
    const double gate = 400;
    round_tower(mid, gate - 90, 220, 70, {124, 118, 108}, {90, 50, 46});
    round_tower(mid, gate + 90, 220, 70, {124, 118, 108}, {90, 50, 46});
    round_tower(mid, 40, 250, 60, {124, 118, 108}, {90, 50, 46});
    std::vector<Point> arch;
    for (int i = 0; i <= 16; ++i) {
        const double a = 3.14159 * i / 16;
        arch.push_back({gate - 45 * std::cos(a), 400 - 50 * std::sin(a)});
    }
    arch.push_back({gate + 45, 510});
    arch.push_back({gate - 45, 510});
    std::vector<Point> rim = arch;
    for (Point& p : rim)
        p = {gate + (p.x - gate) * 1.18, 400 + (p.y - 400) * 1.12};
    mid.fill_polygon(rim, {96, 92, 86});
    mid.fill_polygon(arch, {26, 24, 26});
    for (double x = gate - 40; x < gate + 44; x += 10) // the portcullis
        mid.fill_rect(static_cast<int>(x), 360, 3, 70, {52, 48, 44});
    for (double y = 372; y < 430; y += 12)
        mid.fill_rect(static_cast<int>(gate - 42), static_cast<int>(y), 86, 3, {52, 48, 44});
    for (double x = gate - 40; x < gate + 44; x += 10)
        mid.fill_polygon({{x, 430}, {x + 3, 430}, {x + 1.5, 438}}, {52, 48, 44});
    for (int i = 0; i < 4; ++i) { // banners on the wall
        const double x = 150 + i * 200 + (i >= 2 ? 60 : -20);
        mid.fill_polygon({{x - 13, 316}, {x + 13, 316}, {x + 13, 396}, {x, 384}, {x - 13, 396}},
                         {126, 28, 34});
        mid.fill_polygon({{x - 13, 316}, {x - 6, 316}, {x - 6, 390}, {x - 13, 396}}, {100, 20, 26});
        mid.fill_circle({x, 346}, 6, {204, 172, 80});
        mid.fill_rect(static_cast<int>(x) - 16, 313, 32, 3, {60, 44, 30});
    }
    out.push_back(finish_layer("castle_mid", mid));

    Canvas ground = blank_screen();
    paint_paving(ground, 16, 40, {96, 92, 86}, {48, 46, 44}, 305);
    for (int i = 0; i < 10; ++i) // puddles catching the pale sky
        ground.fill_ellipse({rng.range(0, SCREEN_W), rng.range(512, 590)}, rng.range(16, 40),
                            rng.range(1.5, 3), {112, 118, 128});
    ground.fill_rect(0, FLOOR, SCREEN_W, 2, {120, 116, 108});
    out.push_back(finish_layer("castle_ground", ground));

    Canvas front = blank_screen();
    paint_front_rocks(front, 10, {84, 80, 74}, {54, 50, 46}, 306);
    out.push_back(finish_layer("castle_front", front));
}

void add_snow(std::vector<Layer>& out) {
    const Rgb dawn{252, 214, 170};
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {48, 58, 112}},
                         {200, {128, 118, 166}},
                         {360, {226, 170, 170}},
                         {460, dawn},
                         {600, dawn}});
    paint_sun(sky, {560, 300}, 22, {255, 246, 220}, {255, 210, 160});
    Random rng(401);
    for (int i = 0; i < 7; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(140, 330)}, rng.range(160, 320),
                      rng.range(8, 18), {150, 124, 160}, {250, 186, 160}, true, 402 + i);
    out.push_back(finish_layer("snow_sky", sky));

    Canvas far = blank_screen();
    paint_mountains(
        far, {330, 110, 3, 0.6, {250, 214, 204}, {132, 130, 180}, {250, 226, 220}, 600, 1}, 403);
    paint_mountains(
        far, {410, 50, 4, 0.4, {238, 206, 204}, {116, 118, 166}, {242, 218, 214}, 600, 1}, 404);
    paint_haze(far, 240, 470, dawn, 0.05, 0.45);
    out.push_back(finish_layer("snow_far", far));

    Canvas mid = blank_screen();
    paint_ridge(mid, 470, 14, 4, {226, 222, 236}, {190, 190, 214}, 405);
    for (int i = 0; i < 26; ++i)
        paint_pine(mid, {rng.range(0, SCREEN_W), rng.range(466, 494)}, rng.range(50, 120),
                   {34, 50, 62}, {56, 72, 82}, {236, 232, 240});
    paint_ridge(mid, 492, 5, 5, {232, 230, 242}, {214, 214, 232}, 406); // drifts before the trees
    out.push_back(finish_layer("snow_mid", mid));

    // A trodden road through the snow: a crust of snow along the edge, then churned dark slush.
    Canvas ground = blank_screen();
    paint_soil(ground, {110, 104, 116}, {74, 70, 82}, {40, 38, 48}, 407);
    for (int i = 0; i < 260; ++i) // snow lying in the ruts
        ground.fill_ellipse({rng.range(0, SCREEN_W), rng.range(510, 600)}, rng.range(2, 9),
                            rng.range(0.8, 1.6), {150, 150, 170});
    const Noise1D crust(408, SCREEN_W, 6);
    for (int x = 0; x < SCREEN_W; ++x) {
        const int depth = 6 + static_cast<int>(4 * crust.at(x));
        for (int y = FLOOR - 2; y < FLOOR + depth; ++y)
            ground.set(x, y, y < FLOOR + depth - 2 ? Rgb{236, 236, 248} : Rgb{180, 182, 206});
    }
    out.push_back(finish_layer("snow_ground", ground));

    Canvas front = blank_screen();
    for (int i = 0; i < 9; ++i) { // dark stones with snow on their backs
        const double x = rng.range(0, SCREEN_W), r = rng.range(10, 22);
        front.fill_ellipse({x, SCREEN_H + r * 0.35}, r * 1.35, r, {50, 48, 60});
        front.fill_ellipse({x - r * 0.2, SCREEN_H - r * 0.45}, r * 0.9, r * 0.25, {226, 228, 242});
    }
    paint_front_tufts(front, 8, 30, {60, 58, 50}, {86, 80, 64}, 409); // dry grass through the snow
    out.push_back(finish_layer("snow_front", front));
}

// A pillar of rock standing between x0 and x1 at the floor, its faces narrowing as they fall
// away into the dark; `top`, `face` and `deep` colour its lip, its faces and its foot.
void ledge_pillar(Canvas& c, double x0, double x1, Rgb face, Rgb deep, std::uint64_t seed) {
    Random rng(seed);
    const Noise1D left(seed, SCREEN_W, 5), right(seed + 1, SCREEN_W, 5);
    for (int y = FLOOR; y < SCREEN_H; ++y) {
        const double d = y - FLOOR;
        // Never wider than the ground the game allows.
        const double a = std::max(x0, x0 + 0.3 * d + 6 * left.at(y * 3));
        const double b = std::min(x1, x1 - 0.3 * d + 6 * right.at(y * 3));
        for (int x = static_cast<int>(a); x < b; ++x) {
            const double t = std::min(1.0, d / 100.0);
            Rgb p = mix(face, deep, t);
            if (x < a + 6) p = mix(p, Rgb{0, 0, 0}, 0.35); // the faces turn away into shadow
            if (x > b - 8) p = mix(p, Rgb{0, 0, 0}, 0.5);
            const double n = rng.unit();
            if (n < 0.1) p = mix(p, Rgb{0, 0, 0}, 0.25);
            c.set(x, y, p);
        }
    }
    for (int i = 0; i < 14; ++i) { // cracks down the rock
        const double x = rng.range(x0 + 20, x1 - 20), y = rng.range(FLOOR + 8, 560);
        c.draw_line({x, y}, {x + rng.range(-8, 8), y + rng.range(10, 30)},
                    mix(deep, Rgb{0, 0, 0}, 0.4));
    }
}

void add_cliff(std::vector<Layer>& out) {
    // Late afternoon high in the mountains: a low golden sun, the gorge already in shadow.
    const Rgb gold{250, 214, 160};
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {58, 84, 150}}, {230, {150, 150, 170}}, {380, gold}, {600, gold}});
    paint_sun(sky, {120, 250}, 18, {255, 248, 226}, {255, 222, 160});
    Random rng(501);
    for (int i = 0; i < 6; ++i)
        paint_stratus(sky, {i * 140 + rng.range(0, 60), rng.range(90, 240)}, rng.range(160, 300),
                      rng.range(10, 20), {160, 150, 170}, {252, 226, 180}, true, 502 + i);
    out.push_back(finish_layer("cliff_sky", sky));

    Canvas far = blank_screen(); // peaks across the gorge, their western faces lit
    paint_mountains(
        far, {330, 110, 3, 0.7, {250, 222, 188}, {120, 118, 156}, {252, 236, 214}, 310, -1}, 503);
    paint_haze(far, 220, 440, gold, 0.05, 0.5);
    out.push_back(finish_layer("cliff_far", far));

    // The gorge's far wall, falling away into blue shadow with mist lying in it.
    Canvas mid = blank_screen();
    paint_mountains(
        mid, {400, 40, 5, 0.5, {150, 120, 104}, {80, 76, 100}, {220, 200, 190}, 380, -1}, 504);
    paint_haze(mid, 380, 600, {22, 22, 40}, 0.0, 0.95);
    for (int i = 0; i < 7; ++i) // mist lying in the gorge
        paint_stratus(mid, {rng.range(0, SCREEN_W), rng.range(440, 520)}, rng.range(160, 300),
                      rng.range(4, 8), {72, 76, 104}, {116, 114, 140}, false, 505 + i);
    out.push_back(finish_layer("cliff_mid", mid));

    // Ground only from x 200 to 600: beyond it the drop.
    Canvas ground = blank_screen();
    ledge_pillar(ground, 200, 600, {104, 96, 88}, {30, 30, 40}, 520);
    Canvas grass = blank_screen();
    paint_grass_edge(grass, {70, 92, 48}, {110, 132, 66}, 6, 521);
    for (int y = FLOOR - 8; y < FLOOR + 6; ++y)
        for (int x = 201; x < 599; ++x)
            if (grass.get(x, y) != BLUE) ground.set(x, y, grass.get(x, y));
    out.push_back(finish_layer("cliff_ground", ground));

    Canvas front = blank_screen(); // crags rising out of the gorge beside the ledge
    for (double x : {60.0, 130.0, 690.0, 760.0}) {
        const double h = rng.range(40, 70), w = rng.range(16, 28);
        front.fill_polygon({{x - w, SCREEN_H},
                            {x - 3, SCREEN_H - h},
                            {x + 4, SCREEN_H - h + 6},
                            {x + w, SCREEN_H}},
                           {26, 28, 38});
        front.fill_polygon({{x - w, SCREEN_H}, {x - 3, SCREEN_H - h}, {x - w * 0.3, SCREEN_H}},
                           {46, 48, 60});
    }
    out.push_back(finish_layer("cliff_front", front));
}

void add_hell(std::vector<Layer>& out) {
    Canvas sky = blank_screen();
    paint_gradient(sky, {{0, {18, 4, 6}},
                         {180, {52, 10, 10}},
                         {360, {132, 32, 16}},
                         {450, {214, 88, 30}},
                         {600, {244, 150, 60}}});
    paint_glow(sky, {560, 150}, 60, {90, 16, 12}, 0.8); // a dead red sun behind the ash
    sky.fill_circle({560, 150}, 34, {110, 22, 16});
    sky.fill_circle({556, 146}, 30, {84, 14, 12});
    Random rng(601);
    for (int i = 0; i < 10; ++i)
        paint_stratus(sky, {rng.range(0, SCREEN_W), rng.range(60, 330)}, rng.range(200, 420),
                      rng.range(14, 34), {40, 10, 10}, {170, 60, 24}, true, 602 + i);
    out.push_back(finish_layer("hell_sky", sky));

    Canvas far = blank_screen(); // black mountains with fire running down their sides
    paint_mountains(far, {330, 120, 4, 0.8, {70, 20, 14}, {34, 8, 8}, {70, 20, 14}, 0, -1}, 603);
    for (int i = 0; i < 9; ++i) {
        double x = rng.range(0, SCREEN_W), y = 300 + rng.range(0, 60);
        for (int k = 0; k < 12; ++k) {
            const double nx = x + rng.range(-6, 6), ny = y + rng.range(8, 14);
            far.fill_capsule({x, y}, {nx, ny}, 0.8, 1.1, {220, 92, 26});
            x = nx, y = ny;
        }
    }
    paint_haze(far, 360, 520, {220, 90, 32}, 0.0, 0.5);
    out.push_back(finish_layer("hell_far", far));

    // The mouth itself: a maw of black rock with fangs, the fire glowing inside, between
    // crooked spires.
    Canvas mid = blank_screen();
    for (int i = 0; i < 18; ++i) {
        const double x = rng.range(0, SCREEN_W), h = rng.range(60, 200), w = rng.range(10, 22);
        mid.fill_polygon({{x - w, 506}, {x + rng.range(-10, 10), 500 - h}, {x + w, 506}},
                         {24, 8, 8});
        mid.fill_polygon({{x - w * 0.1, 506}, {x + rng.range(-4, 4), 500 - h * 0.85}, {x + w, 506}},
                         {90, 24, 14});
    }
    const double mx = 420;
    mid.fill_ellipse({mx, 470}, 170, 150, {30, 10, 10});
    mid.fill_ellipse({mx, 490}, 120, 100, {140, 36, 14});
    mid.fill_ellipse({mx, 500}, 96, 76, {220, 96, 30});
    mid.fill_ellipse({mx, 510}, 64, 50, {250, 170, 70});
    for (int i = 0; i < 9; ++i) { // fangs above and below
        const double x = mx - 100 + i * 25;
        mid.fill_polygon({{x - 9, 386 + std::fabs(i - 4.0) * 4},
                          {x + 9, 386 + std::fabs(i - 4.0) * 4},
                          {x, 430 + rng.range(-6, 6)}},
                         {40, 14, 12});
    }
    mid.fill_ellipse({mx - 60, 350}, 26, 16, {18, 6, 6}); // hollow eyes in the rock
    mid.fill_ellipse({mx + 60, 350}, 26, 16, {18, 6, 6});
    mid.fill_ellipse({mx - 60, 352}, 8, 5, {200, 70, 20});
    mid.fill_ellipse({mx + 60, 352}, 8, 5, {200, 70, 20});
    out.push_back(finish_layer("hell_mid", mid));

    Canvas ground = blank_screen();
    paint_soil(ground, {110, 40, 24}, {56, 20, 14}, {26, 8, 6}, 604);
    for (int i = 0; i < 34; ++i) { // glowing cracks
        double x = rng.range(0, SCREEN_W), y = rng.range(506, 596);
        for (int k = 0; k < 4; ++k) {
            const double nx = x + rng.range(-22, 22), ny = y + rng.range(-5, 5);
            ground.fill_capsule({x, y}, {nx, ny}, 1.3, 0.8,
                                k % 2 ? Rgb{240, 120, 30} : Rgb{200, 70, 20});
            x = nx, y = ny;
        }
    }
    out.push_back(finish_layer("hell_ground", ground));

    Canvas front = blank_screen();
    paint_front_rocks(front, 10, {52, 18, 12}, {24, 8, 6}, 605);
    out.push_back(finish_layer("hell_front", front));
}
} // namespace

void add_road_settings(std::vector<Layer>& out) {
    add_village(out);
    add_forest(out);
    add_castle(out);
    add_snow(out);
    add_cliff(out);
    add_hell(out);
}

} // namespace contentgen
