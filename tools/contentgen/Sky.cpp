#include "Sky.h"

#include <algorithm>
#include <cmath>

#include "KeyColours.h"
#include "Random.h"
#include "Scenery.h"

namespace contentgen {

namespace {
Rgb peek(const Canvas& c, int x, int y) {
    return c.get(c.wrap_x(x), y);
}

// Pulls one painted pixel towards `colour`; the transparent sky stays untouched.
void tint(Canvas& c, int x, int y, Rgb colour, double t) {
    if (y < 0 || y >= c.height() || t <= 0) return;
    const Rgb p = peek(c, x, y);
    if (p != key::transparent) c.set(x, y, mix(p, colour, std::min(t, 1.0)));
}

// A disc whose pixels below row `floor_y` are left out (a cloud's flat base).
void disc_above(Canvas& c, Point centre, double r, double floor_y, Rgb colour) {
    for (int y = static_cast<int>(std::floor(centre.y - r)); y <= centre.y + r && y < floor_y; ++y)
        for (int x = static_cast<int>(std::floor(centre.x - r)); x <= centre.x + r; ++x) {
            const double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y;
            if (dx * dx + dy * dy <= r * r) c.set(x, y, colour);
        }
}
} // namespace

void paint_gradient(Canvas& c, const std::vector<Stop>& stops) {
    for (int y = 0; y < c.height(); ++y) {
        Rgb p = stops.front().colour;
        for (size_t i = 0; i < stops.size(); ++i) {
            if (y < stops[i].row) break;
            p = stops[i].colour;
            if (i + 1 < stops.size() && y < stops[i + 1].row)
                p = mix(stops[i].colour, stops[i + 1].colour,
                        (y - stops[i].row) / (stops[i + 1].row - stops[i].row));
        }
        for (int x = 0; x < c.width(); ++x)
            c.set(x, y, p);
    }
}

void paint_glow(Canvas& c, Point centre, double radius, Rgb colour, double strength) {
    for (int y = static_cast<int>(centre.y - radius); y <= centre.y + radius; ++y)
        for (int x = static_cast<int>(centre.x - radius); x <= centre.x + radius; ++x) {
            const double d = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) / radius;
            if (d < 1) tint(c, x, y, colour, strength * (1 - d) * (1 - d));
        }
}

void paint_haze(Canvas& c, int y0, int y1, Rgb colour, double s0, double s1) {
    for (int y = std::max(y0, 0); y < std::min(y1, c.height()); ++y) {
        const double t = s0 + (s1 - s0) * (y - y0) / std::max(1, y1 - y0);
        for (int x = 0; x < c.width(); ++x)
            tint(c, x, y, colour, t);
    }
}

void paint_sun(Canvas& c, Point centre, double radius, Rgb core, Rgb glow) {
    paint_glow(c, centre, radius * 9, glow, 0.45);
    paint_glow(c, centre, radius * 2.6, glow, 0.7);
    c.fill_circle(centre, radius, core);
}

void paint_moon(Canvas& c, Point centre, double radius, Rgb light, Rgb seas, double phase) {
    paint_glow(c, centre, radius * 5, light, 0.22);
    paint_glow(c, centre, radius * 1.8, light, 0.3);
    const Canvas before = c;
    c.fill_circle(centre, radius, light);
    Random rng(static_cast<std::uint64_t>(centre.x * 131 + centre.y));
    for (int i = 0; i < 5; ++i) {
        const Point p{centre.x + rng.range(-0.5, 0.4) * radius,
                      centre.y + rng.range(-0.5, 0.4) * radius};
        c.fill_ellipse(p, radius * rng.range(0.12, 0.3), radius * rng.range(0.1, 0.22), seas);
    }
    if (phase <= 0) return;
    // The dark part of a crescent shows the sky as it was behind it.
    const Point dark{centre.x + phase * radius, centre.y - 0.2 * radius};
    for (int y = static_cast<int>(dark.y - radius); y <= dark.y + radius; ++y)
        for (int x = static_cast<int>(dark.x - radius); x <= dark.x + radius; ++x)
            if (std::hypot(x + 0.5 - dark.x, y + 0.5 - dark.y) <= radius && y >= 0 &&
                y < c.height())
                c.set(x, y, peek(before, x, y));
}

void paint_stars(Canvas& c, int y0, int y1, int count, Rgb colour, std::uint64_t seed) {
    Random rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.below(c.width());
        const int y = y0 + static_cast<int>((y1 - y0) * std::pow(rng.unit(), 1.6));
        const double dim = rng.range(0.0, 0.65);
        const Rgb under = peek(c, x, y);
        c.set(x, y, mix(colour, under, dim));
        const int cross[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        if (rng.unit() < 0.06) // a bright one with a small cross of light
            for (const auto& d : cross)
                c.set(x + d[0], y + d[1], mix(colour, peek(c, x + d[0], y + d[1]), 0.55));
    }
}

void paint_cumulus(Canvas& c, Point base, double width, double height, Rgb lit, Rgb shade,
                   double light_dx, std::uint64_t seed) {
    Random rng(seed);
    struct Puff {
        Point at;
        double r;
    };
    std::vector<Puff> puffs;
    const int n = std::max(4, static_cast<int>(width / (height * 0.45)));
    for (int i = 0; i < n; ++i) {
        const double u = (i + rng.range(0.1, 0.9)) / n - 0.5; // -0.5 … 0.5 across
        const double r = height * rng.range(0.35, 0.55) * (1 - 1.6 * u * u);
        puffs.push_back({{base.x + u * (width - 2 * r), base.y - r * rng.range(0.5, 0.9)}, r});
    }
    for (const Puff& p : puffs)
        disc_above(c, p.at, p.r, base.y, shade);
    const Point to_light{light_dx * 0.3, -0.35};
    for (const Puff& p : puffs)
        disc_above(c, {p.at.x + to_light.x * p.r, p.at.y + to_light.y * p.r}, p.r * 0.82,
                   base.y - height * 0.22, lit);
}

void paint_stratus(Canvas& c, Point centre, double width, double height, Rgb body, Rgb edge,
                   bool lit_below, std::uint64_t seed) {
    const Noise1D top(seed, c.width(), 4), bottom(seed + 7, c.width(), 4);
    for (int x = static_cast<int>(centre.x - width / 2); x < centre.x + width / 2; ++x) {
        const double u = (x - centre.x) / (width / 2);
        const double thick = height * std::sqrt(std::max(0.0, 1 - u * u));
        const double y0 = centre.y - thick * (0.55 + 0.45 * top.at(x));
        const double y1 = centre.y + thick * (0.3 + 0.2 * bottom.at(x));
        if (y1 - y0 < 1) continue;
        for (int y = static_cast<int>(y0); y < y1; ++y) {
            // The lit side fades into the body in a few flat steps.
            const double t = (y - y0) / (y1 - y0), from_edge = lit_below ? 1 - t : t;
            const double step = std::floor(std::min(1.0, from_edge / 0.45) * 3) / 3;
            c.set(x, y, mix(edge, body, step));
        }
    }
}

void paint_cloud_ceiling(Canvas& c, double hem, double ragged, Rgb high, Rgb low, Rgb rim,
                         std::uint64_t seed) {
    const Noise1D edge(seed, c.width(), 6);
    for (int x = 0; x < c.width(); ++x) {
        const double bottom = hem + ragged * edge.at(x);
        for (int y = 0; y < bottom && y < c.height(); ++y)
            c.set(x, y, bottom - y < 3 ? rim : mix(high, low, std::pow(y / bottom, 1.5)));
    }
}

void cut_rift(Canvas& c, double row, double width, Rgb rim, std::uint64_t seed) {
    const Noise1D open(seed, c.width(), 3), wander(seed + 1, c.width(), 5);
    for (int x = 0; x < c.width(); ++x) {
        const double w = width * std::max(0.0, open.at(x) + 0.1);
        if (w < 1) continue;
        const double mid = row + width * 0.8 * wander.at(x);
        for (int y = static_cast<int>(mid - w / 2 - 3); y < mid + w / 2 + 3; ++y) {
            if (y < 0 || y >= c.height()) continue;
            const bool inside = y >= mid - w / 2 && y < mid + w / 2;
            c.set(x, y, inside ? key::transparent : rim);
        }
    }
}

void paint_light_shafts(Canvas& c, int count, Rgb light, double strength, double lean,
                        std::uint64_t seed) {
    Random rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x0 = rng.range(0, c.width()), w = rng.range(24, 70);
        const double s = strength * rng.range(0.6, 1.0);
        for (int y = 0; y < c.height(); ++y) {
            const double fade = 1 - static_cast<double>(y) / c.height();
            const double left = x0 + y * lean;
            for (int x = static_cast<int>(left); x < left + w; ++x) {
                const double across = 1 - std::fabs((x - left) / w * 2 - 1); // 0 edge, 1 middle
                tint(c, x, y, light, s * fade * std::min(1.0, across * 2.5));
            }
        }
    }
}

} // namespace contentgen
