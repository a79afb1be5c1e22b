#include "Burning.h"

#include <cmath>
#include <vector>

#include "KeyColours.h"
#include "Random.h"
#include "Skeleton.h"

namespace contentgen {

namespace {
const Rgb FLAME_OUTER{214, 72, 14};
const Rgb FLAME_MID{241, 136, 28};
const Rgb FLAME_CORE{252, 214, 92};
const Rgb ASH_DARK{46, 42, 40};
const Rgb ASH_MID{88, 82, 76};
const Rgb ASH_LIGHT{132, 124, 114};
const Rgb EMBER{226, 96, 30};

bool is_steel(Rgb c) { return c == key::sword || c == key::sword_on_body || c == key::sword_on_cape; }

// The burnable part of a figure: everything painted but the sword.
std::vector<Point> figure_pixels(const Canvas& c) {
    std::vector<Point> out;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.get(x, y) != key::transparent && !is_steel(c.get(x, y))) out.push_back(Point{x + 0.5, y + 0.5});
    return out;
}

void flame_tongue(Canvas& c, Point base, double height, Random& rng) {
    const Point tip{base.x + rng.range(-3, 3), base.y - height};
    const Point mid{(base.x + tip.x) / 2 + rng.range(-1.5, 1.5), (base.y + tip.y) / 2};
    c.fill_capsule(base, mid, 2.6, 1.8, FLAME_OUTER);
    c.fill_capsule(mid, tip, 1.8, 0.5, FLAME_OUTER);
    c.fill_capsule(base, mid, 1.6, 1.0, FLAME_MID);
    c.fill_capsule(mid, Point{(mid.x + tip.x) / 2, (mid.y + tip.y) / 2}, 1.0, 0.4, FLAME_MID);
    c.fill_circle(Point{base.x, base.y - 1}, 0.9, FLAME_CORE);
}
}  // namespace

void set_ablaze(Canvas& c, double flames, double crumble, std::uint64_t seed) {
    Random rng(seed);
    const std::vector<Point> body = figure_pixels(c);
    if (body.empty()) return;
    for (const Point& p : body) {
        if (rng.unit() >= crumble) continue;
        const double r = rng.unit();
        const Rgb ash = r < 0.3 ? key::transparent : r < 0.6 ? ASH_DARK : r < 0.85 ? ASH_MID : ASH_LIGHT;
        c.set(static_cast<int>(p.x), static_cast<int>(p.y), ash);
    }
    const int tongues = static_cast<int>(4 + 36 * flames);
    for (int i = 0; i < tongues; ++i) {
        // Young fires catch low: of a few candidate spots the lowest wins while the flames are small.
        Point base = body[static_cast<size_t>(rng.below(static_cast<int>(body.size())))];
        for (int k = 0; k < static_cast<int>(3 * (1 - flames)); ++k) {
            const Point other = body[static_cast<size_t>(rng.below(static_cast<int>(body.size())))];
            if (other.y > base.y) base = other;
        }
        flame_tongue(c, base, rng.range(5, 8 + 14 * flames), rng);
    }
}

Canvas draw_ash_heap(double size, double flames, std::uint64_t seed) {
    Canvas c(scratch::width, scratch::height, key::transparent);
    Random rng(seed);
    const Point foot{scratch::ox + 0.0, scratch::oy + 0.0};
    const double half = 4 + 20 * size, tall = 2 + 12 * size;
    c.fill_ellipse(foot, half, tall, ASH_DARK);
    c.fill_ellipse(Point{foot.x - half * 0.2, foot.y}, half * 0.7, tall * 0.8, ASH_MID);
    const int flecks = static_cast<int>(10 + 60 * size);
    for (int i = 0; i < flecks; ++i) {
        const double a = rng.range(3.14159, 6.28318), d = std::sqrt(rng.unit());
        const int x = static_cast<int>(foot.x + std::cos(a) * half * d);
        const int y = static_cast<int>(foot.y + std::sin(a) * tall * d);
        const double r = rng.unit();
        c.set(x, y, r < 0.45 ? ASH_LIGHT : r < 0.8 ? ASH_DARK : EMBER);
    }
    const int tongues = static_cast<int>(20 * flames);
    for (int i = 0; i < tongues; ++i) {
        const Point base{foot.x + rng.range(-half * 0.8, half * 0.8), foot.y - rng.range(1, tall * 0.8)};
        flame_tongue(c, base, rng.range(4, 6 + 14 * flames), rng);
    }
    // The heap sits on the floor: nothing of it below the anchor row.
    for (int y = scratch::oy; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.set(x, y, key::transparent);
    return c;
}

}  // namespace contentgen
