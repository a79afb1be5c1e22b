#include "Setting.h"

#include <algorithm>
#include <cmath>

#include "KeyColours.h"
#include "Ordinary.h"
#include "Random.h"
#include "Scenery.h"

namespace contentgen {

Canvas blank_screen() {
    Canvas c(SCREEN_W, SCREEN_H, key::transparent);
    c.wrap_sideways();
    return c;
}

Layer finish_layer(const std::string& name, Canvas screen) {
    int first = SCREEN_H - 2;
    for (int y = 0; y < first; ++y)
        for (int x = 0; x < SCREEN_W; ++x)
            if (screen.get(x, y) != key::transparent) {
                first = y;
                break;
            }
    const int top = std::max(0, first - 1);
    Canvas out = screen.crop(0, top, SCREEN_W, SCREEN_H - top, key::transparent);
    make_ordinary(out, true);
    return {name, out};
}

void paint_soil(Canvas& c, Rgb edge, Rgb top, Rgb bottom, std::uint64_t seed) {
    paint_earth(c, FLOOR, SCREEN_H, top, bottom, seed);
    Random rng(seed + 1);
    for (int x = 0; x < SCREEN_W; ++x) {
        const int lip = 2 + rng.below(3);
        for (int y = FLOOR; y < FLOOR + lip; ++y)
            c.set(x, y, mix(edge, top, (y - FLOOR) / 4.0));
    }
}

void paint_grass_edge(Canvas& c, Rgb dark, Rgb light, int tallest, std::uint64_t seed) {
    Random rng(seed);
    const Noise1D clumps(seed + 3, SCREEN_W, 5);
    for (int x = 0; x < SCREEN_W; ++x) {
        const double lush = 0.5 + 0.5 * clumps.at(x);
        const int h = static_cast<int>(rng.unit() * (1 + tallest * lush));
        for (int y = FLOOR - h; y < FLOOR + 3; ++y)
            c.set(x, y, (x * 7 + y * 3) % 5 == 0 || y < FLOOR - h + 2 ? light : dark);
        for (int y = FLOOR + 3; y < FLOOR + 3 + rng.below(4); ++y) // roots hanging over the lip
            c.set(x, y, dark);
    }
}

void paint_front_tufts(Canvas& c, int count, double tallest, Rgb a, Rgb b, std::uint64_t seed) {
    Random rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(0, SCREEN_W), h = rng.range(tallest * 0.35, tallest);
        const int blades = 5 + rng.below(5);
        for (int k = 0; k < blades; ++k) {
            const double lean = (k - blades / 2.0) * rng.range(1.5, 3.5);
            c.fill_capsule({x + k * 2 - blades, SCREEN_H + 2.0},
                           {x + k * 2 - blades + lean, SCREEN_H - h * rng.range(0.55, 1.0)}, 1.7,
                           0.5, k % 2 ? a : b);
        }
    }
}

void paint_front_rocks(Canvas& c, int count, Rgb stone, Rgb shade, std::uint64_t seed) {
    Random rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(0, SCREEN_W), r = rng.range(10, 24);
        c.fill_ellipse({x, SCREEN_H + r * 0.35}, r * 1.35, r, shade);
        c.fill_ellipse({x - r * 0.3, SCREEN_H + r * 0.3}, r, r * 0.8, stone);
        c.fill_ellipse({x - r * 0.5, SCREEN_H - r * 0.25}, r * 0.35, r * 0.12,
                       mix(stone, Rgb{230, 220, 200}, 0.2));
    }
}

void paint_paving(Canvas& c, int course, int stone_w, Rgb stone, Rgb joint, std::uint64_t seed) {
    Random rng(seed);
    const int n = std::max(1, SCREEN_W / stone_w);
    for (int y0 = FLOOR, row = 0; y0 < SCREEN_H; y0 += course, ++row) {
        const int h = std::min(course, SCREEN_H - y0);
        std::vector<int> edges;
        for (int i = 0; i < n; ++i)
            edges.push_back(i * SCREEN_W / n + (row % 2) * stone_w / 2 +
                            rng.below(std::max(1, stone_w / 3)));
        for (int i = 0; i < n; ++i) {
            const int x0 = edges[static_cast<size_t>(i)];
            const int x1 = i + 1 < n ? edges[static_cast<size_t>(i) + 1] : edges[0] + SCREEN_W;
            // Deeper rows are darker; each stone has its own shade.
            const Rgb base =
                mix(mix(stone, joint, 0.35 * (y0 - FLOOR) / (SCREEN_H - FLOOR)),
                    rng.unit() < 0.5 ? Rgb{0, 0, 0} : Rgb{200, 190, 170}, rng.range(0, 0.12));
            c.fill_rect(x0, y0, x1 - x0, h, base);
            c.fill_rect(x0, y0, x1 - x0, 1, mix(base, Rgb{230, 220, 200}, 0.15));
            c.fill_rect(x0, y0, 1, h, joint);
            c.fill_rect(x0, y0 + h - 1, x1 - x0, 1, joint);
            for (int k = 0; k < (x1 - x0) * h / 60; ++k) // wear and grit
                c.set(x0 + 1 + rng.below(std::max(1, x1 - x0 - 1)),
                      y0 + 1 + rng.below(std::max(1, h - 1)),
                      mix(base, joint, rng.range(0.2, 0.6)));
        }
    }
}

// Water from row `top` down: reflections of `sky` broken by ripples, darker towards the viewer.
void paint_water(Canvas& c, int top, Rgb sky, Rgb deep, std::uint64_t seed) {
    Random rng(seed);
    for (int y = top; y < SCREEN_H; ++y) {
        const double t = static_cast<double>(y - top) / (SCREEN_H - top);
        const Rgb base = mix(sky, deep, std::sqrt(t));
        for (int x = 0; x < SCREEN_W; ++x)
            c.set(x, y, base);
    }
    for (int i = 0; i < 220; ++i) { // ripples
        const double y = rng.range(top + 2, SCREEN_H), t = (y - top) / (SCREEN_H - top);
        const double x = rng.range(0, SCREEN_W), len = rng.range(10, 50) * (0.4 + t);
        c.fill_rect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(len), 1,
                    mix(sky, deep, std::sqrt(t) * 0.6));
    }
}

} // namespace contentgen
