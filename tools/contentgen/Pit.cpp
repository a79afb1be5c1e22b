#include "Pit.h"

#include <cmath>

#include "KeyColours.h"
#include "Random.h"

namespace contentgen {

namespace {
const Rgb ROCK{38, 22, 20};
const Rgb ROCK_EDGE{70, 40, 32};
const Rgb DEPTH{20, 4, 4};
const Rgb GLOW_DEEP{120, 10, 6};
const Rgb GLOW{196, 34, 10};
const Rgb FIRE{236, 110, 24};
const Rgb FIRE_HOT{250, 200, 80};
}  // namespace

Canvas draw_pit(int stage) {
    const double growth = (stage + 1) / 4.0;  // 0.25 for the crack, 1 for the open rift
    const int w = 2 * static_cast<int>(20 + 80 * growth), h = static_cast<int>(8 + 92 * growth * growth);
    Canvas c(w, h, key::transparent);
    Random rng(0x5A7A + static_cast<unsigned>(stage));
    const double cx = w / 2.0, half = w / 2.0 - 2;
    const double mouth = 3 + 16 * growth;  // how high the rift's lips stand
    // The red glow rises above the opening, fading with height in bands.
    for (int y = 0; y < h; ++y) {
        const double up = static_cast<double>(h - 1 - y) / h;
        const double reach = half * (1.0 - up * 0.7) * (0.6 + 0.4 * growth);
        for (int x = 0; x < w; ++x) {
            const double d = std::fabs(x + 0.5 - cx) / reach;
            const double heat = (1 - d) * (1 - up) + rng.range(-0.08, 0.08);
            if (d >= 1 || heat < 0.15) continue;
            c.set(x, y, heat > 0.6 ? GLOW : heat > 0.35 ? GLOW_DEEP : mix(GLOW_DEEP, DEPTH, 0.5));
        }
    }
    // Tongues of fire licking up from the depth.
    const int tongues = static_cast<int>(4 + 26 * growth * growth);
    for (int i = 0; i < tongues; ++i) {
        const double x = cx + rng.range(-half * 0.6, half * 0.6);
        const double top = (h - 1) - rng.range(mouth * 0.5, h * (0.35 + 0.55 * growth));
        const Point base{x, h - 1.0};
        const Point tip{x + rng.range(-6, 6), top};
        c.fill_capsule(base, tip, 2.5 + 4 * growth, 0.6, FIRE);
        c.fill_capsule(base, Point{(base.x + tip.x) / 2, (base.y + tip.y) / 2 + 3}, 1.5 + 2 * growth, 0.5, FIRE_HOT);
    }
    // The torn lips of the ground on both sides, jagged, with the dark throat between.
    for (int x = 0; x < w; ++x) {
        const double d = std::fabs(x + 0.5 - cx) / half;
        const double lip = mouth * (0.4 + 0.6 * d) + rng.range(-1.5, 1.5);
        const int ybottom = h - 1;
        if (d > 0.75) {
            for (int y = ybottom; y > ybottom - lip; --y) c.set(x, y, y < ybottom - lip + 2 ? ROCK_EDGE : ROCK);
        } else if (d < 0.55) {
            for (int y = ybottom; y > ybottom - 2 - growth * 3; --y) c.set(x, y, DEPTH);
        }
    }
    return c;
}

}  // namespace contentgen
