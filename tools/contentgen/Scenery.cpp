#include "Scenery.h"

#include <algorithm>
#include <cmath>

#include "KeyColours.h"
#include "Random.h"

namespace contentgen {

Noise1D::Noise1D(std::uint64_t seed, int p, int o)
    : lattice(static_cast<size_t>(4 << o) * 2), period(p), octaves(o) {
    Random rng(seed);
    for (double& v : lattice)
        v = rng.range(-1, 1);
}

double Noise1D::at(double x) const {
    double sum = 0, amp = 1, norm = 0;
    size_t offset = 0;
    for (int o = 0; o < octaves; ++o) {
        // Octave o has 4 << o lattice cells across the period, so the whole curve tiles.
        const int cells = 4 << o;
        const double u = x / period * cells;
        const double fl = std::floor(u);
        const double t = u - fl, s = t * t * (3 - 2 * t);
        const int i0 = ((static_cast<int>(fl) % cells) + cells) % cells, i1 = (i0 + 1) % cells;
        const double a = lattice[offset + static_cast<size_t>(i0)],
                     b = lattice[offset + static_cast<size_t>(i1)];
        sum += amp * (a + (b - a) * s);
        norm += amp;
        amp *= 0.5;
        offset += static_cast<size_t>(cells);
    }
    return sum / norm;
}

void paint_ridge(Canvas& c, double base_y, double amplitude, int feature, Rgb top, Rgb bottom,
                 std::uint64_t seed) {
    const Noise1D noise(seed, c.width(), feature);
    for (int x = 0; x < c.width(); ++x) {
        const int ridge = static_cast<int>(base_y - amplitude * noise.at(x));
        for (int y = std::max(ridge, 0); y < c.height(); ++y) {
            const double t = static_cast<double>(y - ridge) / std::max(1, c.height() - ridge);
            c.set(x, y, mix(top, bottom, std::fmin(t * 1.5, 1.0)));
        }
    }
}

void paint_mountains(Canvas& c, const Range& r, std::uint64_t seed) {
    const Noise1D noise(seed, c.width(), r.feature), snow_edge(seed + 5, c.width(), 5);
    const int w = c.width();
    std::vector<double> ridge(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        const double v = noise.at(x);
        const double peaked = (1 - std::fabs(v)) * 2 - 1; // sharp tops where v crosses zero
        ridge[static_cast<size_t>(x)] = r.base_y - r.amplitude * (v + (peaked - v) * r.sharp);
    }
    auto at = [&](double x) { return ridge[static_cast<size_t>(c.wrap_x(static_cast<int>(x)))]; };
    for (int x = 0; x < w; ++x) {
        const int top = static_cast<int>(at(x));
        for (int y = std::max(top, 0); y < c.height(); ++y) {
            // Faces run down and away from the ridge line, leaning from the light.
            const double depth = y - top, xs = x + depth * 0.45 * -r.light_dx;
            const double slope = at(xs + 8) - at(xs - 8);
            const bool lit = (slope < 0) == (r.light_dx < 0);
            // Lower down the faces merge into the shade of the foothills.
            const double low = std::clamp((depth - r.amplitude * 0.6) / r.amplitude, 0.0, 1.0);
            Rgb p = mix(lit ? r.lit : r.shade, r.shade, lit ? low * 0.7 : 0);
            if (y < r.snow_line + 18 * snow_edge.at(x) - depth * 0.1)
                p = lit ? r.snow : mix(r.snow, r.shade, 0.45);
            c.set(x, y, p);
        }
    }
}

void paint_earth(Canvas& c, int y0, int y1, Rgb top, Rgb bottom, std::uint64_t seed) {
    Random rng(seed);
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < c.width(); ++x) {
            const double t = static_cast<double>(y - y0) / std::max(1, y1 - y0);
            Rgb p = mix(top, bottom, t);
            const double n = rng.unit();
            if (n < 0.12)
                p = mix(p, Rgb{20, 14, 10}, 0.3);
            else if (n > 0.93)
                p = mix(p, Rgb{200, 180, 150}, 0.18);
            c.set(x, y, p);
        }
    // A few pebbles and cracks.
    for (int i = 0; i < c.width() / 12; ++i) {
        const Point p{rng.range(0, c.width()), rng.range(y0 + 4, y1)};
        c.fill_ellipse(p, rng.range(1.5, 4), rng.range(1, 2.2), mix(top, Rgb{30, 26, 22}, 0.45));
        c.fill_ellipse(Point{p.x - 0.6, p.y - 0.6}, 1, 0.8, mix(top, Rgb{220, 210, 190}, 0.3));
    }
}

void paint_pine(Canvas& c, Point foot, double h, Rgb dark, Rgb light, Rgb snow) {
    c.fill_rect(static_cast<int>(foot.x - 1.5), static_cast<int>(foot.y - h * 0.2), 3,
                static_cast<int>(h * 0.2) + 1, Rgb{54, 36, 24});
    for (int tier = 0; tier < 4; ++tier) {
        const double base = foot.y - h * (0.15 + tier * 0.2), top = base - h * 0.36;
        const double half = h * (0.28 - tier * 0.05);
        c.fill_polygon({{foot.x - half, base}, {foot.x, top}, {foot.x + half, base}}, dark);
        c.fill_polygon(
            {{foot.x - half * 0.2, base - 1}, {foot.x, top}, {foot.x + half * 0.9, base - 1}},
            light);
        if (snow != key::transparent)
            c.fill_polygon({{foot.x - half * 0.45, top + (base - top) * 0.45},
                            {foot.x, top},
                            {foot.x + half * 0.45, top + (base - top) * 0.45}},
                           snow);
    }
}

void paint_leafy_tree(Canvas& c, Point foot, double h, Rgb leaves, Rgb shade, Rgb trunk,
                      std::uint64_t seed) {
    Random rng(seed);
    c.fill_capsule(foot, Point{foot.x, foot.y - h * 0.6}, h * 0.05, h * 0.035, trunk);
    for (int i = 0; i < 9; ++i) {
        const Point p{foot.x + rng.range(-h * 0.25, h * 0.25), foot.y - h * rng.range(0.55, 0.85)};
        c.fill_circle(p, h * rng.range(0.14, 0.2), shade);
    }
    for (int i = 0; i < 7; ++i) {
        const Point p{foot.x + rng.range(-h * 0.22, h * 0.15), foot.y - h * rng.range(0.62, 0.9)};
        c.fill_circle(p, h * rng.range(0.1, 0.16), leaves);
    }
}

void paint_house(Canvas& c, Point foot, double w, double h, Rgb wall, Rgb roof, Rgb window) {
    const int x0 = static_cast<int>(foot.x - w / 2), y0 = static_cast<int>(foot.y - h);
    c.fill_rect(x0, y0, static_cast<int>(w), static_cast<int>(h), wall);
    // Timber framing.
    const Rgb beam = mix(wall, Rgb{40, 26, 16}, 0.7);
    c.fill_rect(x0, y0, static_cast<int>(w), 2, beam);
    c.fill_rect(x0, static_cast<int>(foot.y - h / 2), static_cast<int>(w), 2, beam);
    c.fill_rect(x0, y0, 2, static_cast<int>(h), beam);
    c.fill_rect(x0 + static_cast<int>(w) - 2, y0, 2, static_cast<int>(h), beam);
    c.fill_polygon({{foot.x - w / 2 - 6, foot.y - h},
                    {foot.x, foot.y - h - w * 0.55},
                    {foot.x + w / 2 + 6, foot.y - h}},
                   roof);
    c.fill_polygon({{foot.x - w / 2 - 6, foot.y - h},
                    {foot.x, foot.y - h - w * 0.55},
                    {foot.x - w / 2 + 4, foot.y - h}},
                   mix(roof, Rgb{0, 0, 0}, 0.25));
    c.fill_rect(static_cast<int>(foot.x - w / 4 - 4), static_cast<int>(foot.y - h * 0.8), 8, 8,
                window);
    c.fill_rect(static_cast<int>(foot.x + w / 4 - 4), static_cast<int>(foot.y - h * 0.8), 8, 8,
                window);
    c.fill_rect(static_cast<int>(foot.x - 5), static_cast<int>(foot.y - h * 0.42), 10,
                static_cast<int>(h * 0.42), beam);
}

void paint_cottage(Canvas& c, Point foot, double w, double h, const Cottage& k) {
    const double x0 = foot.x - w / 2, x1 = foot.x + w / 2, top = foot.y - h;
    const Rgb roof_dark = mix(k.roof, Rgb{0, 0, 0}, 0.3), wall_shade = mix(k.wall, k.beam, 0.25);
    const double rise = k.gable_end ? w * 0.6 : h * 0.8;
    if (k.chimney)
        c.fill_rect(static_cast<int>(x1 - w * 0.3), static_cast<int>(top - rise * 0.9),
                    static_cast<int>(std::max(4.0, w * 0.1)), static_cast<int>(rise * 0.6),
                    mix(k.beam, Rgb{90, 70, 60}, 0.5));
    c.fill_rect(static_cast<int>(x0), static_cast<int>(top), static_cast<int>(w),
                static_cast<int>(h) + 1, k.wall);
    c.fill_rect(static_cast<int>(x0), static_cast<int>(top), static_cast<int>(w), 4, wall_shade);
    // Timber framing: posts, a rail and a brace in each bay.
    const int bays = std::max(2, static_cast<int>(w / 18));
    for (int i = 0; i <= bays; ++i) {
        const double bx = x0 + (w - 2) * i / bays;
        c.fill_rect(static_cast<int>(bx), static_cast<int>(top), 2, static_cast<int>(h) + 1, k.beam);
        if (i < bays && i % 2 == 0)
            c.fill_capsule({bx + 1, foot.y - 1}, {bx + (w - 2) / bays, top + h * 0.5}, 0.8, 0.8,
                           k.beam);
    }
    c.fill_rect(static_cast<int>(x0), static_cast<int>(top + h * 0.5), static_cast<int>(w), 2,
                k.beam);
    if (k.gable_end) {
        c.fill_polygon({{x0 - 5, top + 1}, {foot.x, top - rise}, {x1 + 5, top + 1}}, k.roof);
        c.fill_polygon({{foot.x, top - rise}, {x1 + 5, top + 1}, {foot.x + 2, top + 1}}, roof_dark);
    } else {
        c.fill_polygon(
            {{x0 - 6, top + 2}, {x0 + rise * 0.5, top - rise}, {x1 - rise * 0.5, top - rise},
             {x1 + 6, top + 2}},
            k.roof);
        for (double y = top - rise + 5; y < top; y += 5) // courses of thatch or tiles
            c.draw_line({x0 - 6 + (top - y) * 0.6, y}, {x1 + 6 - (top - y) * 0.6, y}, roof_dark);
    }
    // Windows with a cross bar, and the door.
    for (double wx : {x0 + w * 0.22, x1 - w * 0.22}) {
        c.fill_rect(static_cast<int>(wx - 4), static_cast<int>(top + h * 0.18), 8, 8, k.window);
        c.fill_rect(static_cast<int>(wx), static_cast<int>(top + h * 0.18), 1, 8, k.beam);
        c.fill_rect(static_cast<int>(wx - 4), static_cast<int>(top + h * 0.18 + 4), 8, 1, k.beam);
    }
    c.fill_rect(static_cast<int>(foot.x - 5), static_cast<int>(foot.y - h * 0.45), 10,
                static_cast<int>(h * 0.45) + 1, mix(k.beam, Rgb{0, 0, 0}, 0.3));
}

void paint_flames(Canvas& c, Point base, double w, double h, std::uint64_t seed) {
    Random rng(seed);
    const Rgb layers[] = {{150, 30, 12}, {222, 90, 20}, {246, 160, 40}, {252, 230, 140}};
    for (int layer = 0; layer < 4; ++layer) {
        const double shrink = 1 - layer * 0.22;
        const int tongues = 3 + rng.below(3);
        for (int i = 0; i < tongues; ++i) {
            const double x = base.x + rng.range(-0.4, 0.4) * w * shrink;
            const double th = h * shrink * rng.range(0.5, 1.0), tw = w * shrink * rng.range(0.2, 0.35);
            const double bend = rng.range(-0.3, 0.3) * th;
            c.fill_polygon({{x - tw, base.y},
                            {x - tw * 0.6, base.y - th * 0.5},
                            {x + bend, base.y - th},
                            {x + tw * 0.5, base.y - th * 0.45},
                            {x + tw, base.y}},
                           layers[layer]);
        }
    }
}

std::vector<Point> arch_outline(double cx, double w, double spring, double bottom, bool pointed) {
    std::vector<Point> out{{cx - w / 2, bottom}};
    for (int i = 0; i <= 24; ++i) {
        const double x = cx - w / 2 + w * i / 24, d = std::fabs(x - cx);
        // A pointed arch is two arcs of radius w, each centred on the opposite side's spring.
        const double rise = pointed ? std::sqrt(std::max(0.0, w * w - (w / 2 + d) * (w / 2 + d)))
                                    : std::sqrt(std::max(0.0, w * w / 4 - d * d));
        out.push_back({x, spring - rise});
    }
    out.push_back({cx + w / 2, bottom});
    return out;
}

void paint_castle_wall(Canvas& c, double top, double x0, double x1, Rgb stone, Rgb mortar,
                       std::uint64_t seed) {
    Random rng(seed);
    // Merlons and bricks repeat in steps that divide the screen width, so a wall across the
    // whole layer tiles.
    const int merlon = 10;
    for (int x = static_cast<int>(x0); x < static_cast<int>(x1); ++x) {
        const bool gap = ((x - static_cast<int>(x0)) / merlon) % 2 == 1;
        const int ytop = static_cast<int>(top) + (gap ? 10 : 0);
        for (int y = std::max(ytop, 0); y < c.height(); ++y) {
            const int row = (y - static_cast<int>(top)) / 10;
            const int brick = ((x + (row % 2) * 12) % 25 + 25) % 25;
            const bool joint = (y - static_cast<int>(top)) % 10 == 0 || brick == 0;
            c.set(x, y, joint ? mortar : mix(stone, mortar, rng.unit() * 0.2));
        }
    }
}

void paint_tower(Canvas& c, double cx, double top, double w, Rgb stone, Rgb roof) {
    paint_castle_wall(c, top, cx - w / 2, cx + w / 2, stone, mix(stone, Rgb{0, 0, 0}, 0.35),
                      static_cast<std::uint64_t>(cx));
    c.fill_polygon({{cx - w / 2 - 4, top + 1}, {cx, top - w * 1.1}, {cx + w / 2 + 4, top + 1}},
                   roof);
    c.fill_rect(static_cast<int>(cx - 2), static_cast<int>(top + 20), 4, 10, Rgb{24, 18, 14});
}

void paint_sky(Canvas& c, Rgb top, Rgb bottom) {
    for (int y = 0; y < c.height(); ++y) {
        const Rgb p = mix(top, bottom, static_cast<double>(y) / c.height());
        c.fill_rect(0, y, c.width(), 1, p);
    }
}

} // namespace contentgen
