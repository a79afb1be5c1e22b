#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

Rgb mix(Rgb a, Rgb b, double t) {
    auto lerp = [t](int p, int q) { return static_cast<int>(p + (q - p) * t + 0.5); };
    return rgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b));
}

Canvas::Canvas(int width, int height, Rgb fill_colour)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height, fill_colour) {}

void Canvas::fill(Rgb c) {
    std::fill(pixels.begin(), pixels.end(), c);
}

void Canvas::fill_rect(int x, int y, int rw, int rh, Rgb c) {
    if (wraps) {
        for (int yy = std::max(y, 0); yy < std::min(y + rh, h); ++yy)
            for (int xx = x; xx < x + std::min(rw, w); ++xx)
                set(xx, yy, c);
        return;
    }
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + rw, w), y1 = std::min(y + rh, h);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
            pixels[static_cast<size_t>(yy) * w + xx] = c;
}

void Canvas::fill_circle(Point c, double radius, Rgb colour) {
    fill_ellipse(c, radius, radius, colour);
}

void Canvas::fill_ellipse(Point c, double rx, double ry, Rgb colour) {
    if (rx <= 0 || ry <= 0) return;
    const int x0 = static_cast<int>(std::floor(c.x - rx)),
              x1 = static_cast<int>(std::ceil(c.x + rx));
    const int y0 = static_cast<int>(std::floor(c.y - ry)),
              y1 = static_cast<int>(std::ceil(c.y + ry));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - c.x) / rx, dy = (y + 0.5 - c.y) / ry;
            if (dx * dx + dy * dy <= 1.0) set(x, y, colour);
        }
}

void Canvas::fill_capsule(Point a, Point b, double ra, double rb, Rgb colour) {
    const double rmax = std::max(ra, rb);
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - rmax));
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + rmax));
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - rmax));
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + rmax));
    const double vx = b.x - a.x, vy = b.y - a.y, len2 = vx * vx + vy * vy;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5 - a.x, py = y + 0.5 - a.y;
            double t = len2 > 0 ? (px * vx + py * vy) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double dx = px - t * vx, dy = py - t * vy;
            const double r = ra + (rb - ra) * t;
            if (dx * dx + dy * dy <= r * r) set(x, y, colour);
        }
}

void Canvas::fill_polygon(const std::vector<Point>& poly, Rgb colour) {
    if (poly.size() < 3) return;
    double ymin = poly[0].y, ymax = poly[0].y;
    for (const Point& p : poly)
        ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
    std::vector<double> xs;
    for (int y = static_cast<int>(std::floor(ymin)); y <= static_cast<int>(std::ceil(ymax)); ++y) {
        const double sy = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < poly.size(); ++i) {
            const Point& p = poly[i];
            const Point& q = poly[(i + 1) % poly.size()];
            if ((p.y <= sy && q.y > sy) || (q.y <= sy && p.y > sy))
                xs.push_back(p.x + (sy - p.y) / (q.y - p.y) * (q.x - p.x));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int xa = static_cast<int>(std::ceil(xs[i] - 0.5));
            const int xb = static_cast<int>(std::floor(xs[i + 1] - 0.5));
            for (int x = xa; x <= xb; ++x)
                set(x, y, colour);
        }
    }
}

void Canvas::draw_line(Point a, Point b, Rgb colour) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const int steps = static_cast<int>(std::max(std::fabs(dx), std::fabs(dy))) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        set(static_cast<int>(std::floor(a.x + dx * t)), static_cast<int>(std::floor(a.y + dy * t)),
            colour);
    }
}

void Canvas::blit(const Canvas& src, int x, int y, Rgb skip) {
    blit_scaled(src, x, y, 1, skip);
}

void Canvas::blit_scaled(const Canvas& src, int x, int y, int scale, Rgb skip) {
    for (int sy = 0; sy < src.h; ++sy)
        for (int sx = 0; sx < src.w; ++sx) {
            const Rgb c = src.get(sx, sy);
            if (c == skip) continue;
            fill_rect(x + sx * scale, y + sy * scale, scale, scale, c);
        }
}

Canvas Canvas::crop(int x, int y, int cw, int ch, Rgb outside) const {
    Canvas out(cw, ch, outside);
    for (int yy = 0; yy < ch; ++yy)
        for (int xx = 0; xx < cw; ++xx)
            if (inside(x + xx, y + yy))
                out.pixels[static_cast<size_t>(yy) * cw + xx] = get(x + xx, y + yy);
    return out;
}

void Canvas::replace(Rgb from, Rgb to) {
    for (Rgb& p : pixels)
        if (p == from) p = to;
}

} // namespace contentgen
