#include "PlainSprites.h"

#include <cmath>
#include <vector>

#include "KeyColours.h"
#include "Ordinary.h"
#include "PngWriter.h"
#include "Random.h"

namespace contentgen {

namespace {
constexpr double PI = 3.14159265358979323846;
const Rgb BLUE = key::transparent;

Rgb fire_colour(double heat) { // 0 dark red … 1 pale yellow
    if (heat < 0.33) return mix(Rgb{120, 20, 6}, Rgb{214, 66, 12}, heat / 0.33);
    if (heat < 0.66) return mix(Rgb{214, 66, 12}, Rgb{244, 150, 30}, (heat - 0.33) / 0.33);
    return mix(Rgb{244, 150, 30}, Rgb{252, 238, 150}, std::fmin((heat - 0.66) / 0.34, 1.0));
}

// A soft-looking but hard-edged blob: each pixel is in when a noisy radial falloff says so.
void heat_blob(Canvas& c, Point centre, double rx, double ry, double hot, Random& rng) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const double dx = (x + 0.5 - centre.x) / rx, dy = (y + 0.5 - centre.y) / ry;
            const double d = std::sqrt(dx * dx + dy * dy) + rng.range(-0.12, 0.12);
            if (d < 1) c.set(x, y, fire_colour(hot * (1 - d) + 0.1));
        }
}

Canvas spare(int n) {
    Canvas c(6, 6, BLUE);
    if (n == 0) c.fill_circle(Point{3, 3}, 2.2, Rgb{250, 220, 120});
    if (n == 28) c.fill_circle(Point{3, 3}, 2, Rgb{220, 90, 20});
    if (n == 29) c.fill_rect(2, 2, 2, 2, Rgb{90, 86, 82});
    if (n == 30) c.fill_circle(Point{3, 3}, 1.5, Rgb{240, 170, 60});
    return c;
}

Canvas fire_bolt(int frame) {
    Canvas c(28, 14, BLUE);
    Random rng(100 + static_cast<unsigned>(frame));
    for (int i = 0; i < 7; ++i) { // the tail: flames trailing to the left
        const double t = i / 7.0;
        const Point p{4 + 14 * t + rng.range(-1, 1), 7 + rng.range(-1.5, 1.5) * (1 - t)};
        c.fill_circle(p, 1.2 + 3.2 * t, fire_colour(0.25 + 0.4 * t));
    }
    heat_blob(c, Point{20, 7}, 6.5, 5.5, 1.0, rng);
    c.fill_circle(Point{21, 7}, 2.2, Rgb{252, 244, 200});
    return c;
}

Canvas smoke(int frame) {
    const int size = 10 + 4 * frame;
    Canvas c(size, size, BLUE);
    Random rng(200 + static_cast<unsigned>(frame));
    const double fade = frame / 6.0;
    for (int i = 0; i < 6; ++i) {
        const double a = rng.range(0, 2 * PI), d = rng.range(0, size * 0.18);
        const Point p{size / 2.0 + std::cos(a) * d, size / 2.0 + std::sin(a) * d};
        const int g = static_cast<int>(90 + 80 * fade + rng.range(-10, 10));
        c.fill_circle(p, size * rng.range(0.22, 0.32), rgb(g, g - 4, g - 8));
    }
    // Fading: thin the puff out to a stipple as it ages.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (c.get(x, y) != BLUE && rng.unit() < fade * 0.7) c.set(x, y, BLUE);
    return c;
}

Canvas flame(int frame) {
    static const double height[] = {10, 18, 28, 26, 19, 11};
    const double h = height[frame];
    Canvas c(16, 28, BLUE);
    Random rng(300 + static_cast<unsigned>(frame));
    const double wide = frame < 3 ? 6.5 : 6.5 - (frame - 2) * 1.2;
    const Point base{8, 27}, tip{8 + rng.range(-2, 2), 28 - h};
    c.fill_capsule(Point{base.x, base.y - 2}, tip, wide, 0.8, fire_colour(0.3));
    c.fill_capsule(Point{base.x, base.y - 2}, Point{tip.x, tip.y + h * 0.3}, wide * 0.65, 0.6,
                   fire_colour(0.6));
    c.fill_capsule(Point{base.x, base.y - 2}, Point{tip.x, tip.y + h * 0.6}, wide * 0.35, 0.5,
                   fire_colour(0.95));
    return c;
}

Canvas stone(int frame) {
    Canvas c(12, 12, BLUE);
    const double a0 = frame * PI / 2 + 0.3;
    const double r[] = {5.5, 4.2, 5.8, 3.8, 5.0, 4.6};
    std::vector<Point> pts;
    for (int i = 0; i < 6; ++i)
        pts.push_back(
            Point{6 + std::cos(a0 + i * PI / 3) * r[i], 6 + std::sin(a0 + i * PI / 3) * r[i]});
    c.fill_polygon(pts, Rgb{96, 88, 78});
    // Light from the upper left.
    std::vector<Point> lit{pts[static_cast<size_t>((4 - frame + 6) % 6)],
                           pts[static_cast<size_t>((5 - frame + 6) % 6)], Point{6, 6}};
    c.fill_polygon(lit, Rgb{138, 128, 112});
    c.fill_circle(Point{7.5, 7.5}, 1.4, Rgb{62, 56, 50});
    return c;
}

Canvas flash() {
    Canvas c(40, 40, BLUE);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const double dx = x + 0.5 - 20, dy = y + 0.5 - 20;
            const double d = std::sqrt(dx * dx + dy * dy) / 20;
            const double ray = std::fabs(std::cos(std::atan2(dy, dx) * 4));
            if (d < 0.45 + 0.55 * ray * ray * ray)
                c.set(x, y,
                      d < 0.3   ? Rgb{255, 252, 232}
                      : d < 0.6 ? Rgb{252, 230, 140}
                                : Rgb{244, 170, 60});
        }
    return c;
}

Canvas explosion(int frame) {
    const int size = 20 + 8 * frame;
    Canvas c(size, size, BLUE);
    Random rng(400 + static_cast<unsigned>(frame));
    const double outer = size / 2.0 - 1, thick = outer * (0.7 - frame * 0.08);
    const double heat = 1.0 - frame * 0.14;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
            const double d = std::sqrt(dx * dx + dy * dy) + rng.range(-1.5, 1.5);
            if (d > outer || d < outer - thick) continue;
            const double inner = (d - (outer - thick)) / thick; // 0 inner edge … 1 outer edge
            if (frame > 3 && rng.unit() < (frame - 3) * 0.25) continue;
            c.set(x, y, fire_colour(heat * (1 - std::fabs(inner - 0.4))));
        }
    return c;
}

// Cut-off parts of a fighter, shaped as the skeleton painter shapes them: a head with a jaw,
// tapering limbs ending in a fist or a foot, the torso with its chest.
Canvas body_part(int n) {
    const Rgb stump{176, 18, 16};
    if (n == 31) {
        Canvas c(16, 16, BLUE);
        c.fill_circle(Point{7.6, 6.8}, 6.0, key::body);
        c.fill_circle(Point{5.6, 7.6}, 4.6, key::body);
        c.fill_capsule(Point{9.0, 8.4}, Point{10.5, 11.8}, 4.2, 2.0, key::body);
        c.fill_capsule(Point{7.5, 12}, Point{7.5, 15}, 2.8, 2.8, key::body);
        c.fill_ellipse(Point{7.5, 15}, 2.8, 1, stump);
        c.set(12, 6, Rgb{180, 180, 172});
        return c;
    }
    if (n == 32 || n == 33) {
        Canvas c(26, 8, BLUE);
        const double k = n == 32 ? 1 : -1, o = n == 32 ? 0 : 26;
        auto at = [&](double x, double y) { return Point{o + k * x, y}; };
        c.fill_capsule(at(3.2, 4), at(13, 4.4), 3.0, 2.2, key::body);
        c.fill_capsule(at(13, 4.4), at(16, 4.2), 2.2, 2.5, key::body);
        c.fill_capsule(at(16, 4.2), at(21.5, 3.8), 2.5, 1.6, key::body);
        c.fill_circle(at(22.5, 3.8), 2.4, key::body);
        c.fill_ellipse(at(3.2, 4), 1, 2.8, stump);
        return c;
    }
    if (n == 34 || n == 35) {
        Canvas c(32, 10, BLUE);
        const double k = n == 34 ? 1 : -1, o = n == 34 ? 0 : 32;
        auto at = [&](double x, double y) { return Point{o + k * x, y}; };
        c.fill_capsule(at(4.4, 4.5), at(10.5, 4.6), 4.4, 3.9, key::body);
        c.fill_capsule(at(10.5, 4.6), at(17, 4.8), 3.9, 2.9, key::body);
        c.fill_capsule(at(17, 4.8), at(20.5, 4.3), 2.9, 3.2, key::body);
        c.fill_capsule(at(20.5, 4.3), at(27, 4.6), 3.2, 1.8, key::body);
        c.fill_polygon({at(25.6, 3.4), at(28.4, 2.6), at(29.2, 9.6), at(27.6, 9.9), at(26, 7)},
                       key::body);
        c.fill_ellipse(at(1.4, 4.5), 1.2, 4.2, stump);
        return c;
    }
    Canvas c(14, 28, BLUE); // 36: the torso, chest forward
    c.fill_polygon({Point{6.2, 2.2}, Point{10.4, 4}, Point{12.6, 9}, Point{11.2, 14},
                    Point{9.4, 19}, Point{9.8, 26.2}, Point{2.2, 26.2}, Point{2.4, 19},
                    Point{2.2, 14}, Point{1.4, 7}, Point{2.4, 3.4}},
                   key::body);
    c.fill_ellipse(Point{6.4, 2.6}, 2.8, 1.2, stump);
    c.fill_ellipse(Point{6.0, 26}, 3.8, 1.2, stump);
    return c;
}

Canvas rain() {
    Canvas c(2, 16, BLUE);
    for (int y = 0; y < 16; ++y)
        c.set(y < 8 ? 1 : 0, y, mix(Rgb{150, 160, 180}, Rgb{196, 204, 218}, y / 15.0));
    return c;
}

void draw_sword_shape(Canvas& c, Point hilt, double angle, double length, Rgb blade, Rgb edge,
                      Rgb hiltc) {
    const Point d{std::cos(angle), std::sin(angle)}, n{-d.y, d.x};
    auto at = [&](double a, double b) {
        return Point{hilt.x + d.x * a + n.x * b, hilt.y + d.y * a + n.y * b};
    };
    c.fill_polygon({at(9, -2.2), at(length, 0), at(9, 2.2)}, blade);
    c.fill_polygon({at(9, -2.2), at(length, 0), at(9, -0.4)}, edge);
    c.fill_capsule(at(7.5, -4), at(7.5, 4), 1.1, 1.1, hiltc);
    c.fill_capsule(at(0.5, 0), at(7, 0), 1.2, 1.2, hiltc);
    c.fill_circle(at(0.5, 0), 1.6, hiltc);
}

Canvas floating_sword(int n) {
    const double tilt[] = {0.0, -0.12, -0.24};
    const int i = n - 38;
    Canvas c(50, i == 0 ? 8 : 8 + 6 * i, BLUE);
    draw_sword_shape(c, Point{1.5, c.height() / 2.0 + 24 * std::sin(-tilt[i])}, tilt[i], 48,
                     Rgb{176, 182, 192}, Rgb{222, 226, 232}, Rgb{92, 60, 30});
    return c;
}

Canvas splash(int frame) {
    static const double rise[] = {6, 14, 20, 16, 8};
    Canvas c(24, 24, BLUE);
    Random rng(500 + static_cast<unsigned>(frame));
    const double h = rise[frame];
    c.fill_ellipse(Point{12, 23}, 4 + frame * 1.6, 2, Rgb{70, 110, 160});
    for (int i = 0; i < 9; ++i) {
        const double a = -PI / 2 + rng.range(-1.0, 1.0);
        const double d = h * rng.range(0.5, 1.0);
        const Point p{12 + std::cos(a) * d * 0.8, 23 + std::sin(a) * d};
        c.fill_capsule(Point{12 + std::cos(a) * 2, 22}, p, 1.6, 0.8, Rgb{100, 150, 200});
        c.fill_circle(p, 1.2, Rgb{170, 204, 230});
    }
    return c;
}

Canvas death_burst(int frame) {
    Canvas c(80, 120, BLUE);
    Random rng(600 + static_cast<unsigned>(frame));
    const double h = 50 + 22 * frame, spread = 14 + 6 * frame;
    for (int i = 0; i < 40; ++i) {
        const double t = rng.unit();
        const Point p{40 + rng.range(-spread, spread) * (0.4 + t * 0.6), 119 - t * h};
        const int v = static_cast<int>(rng.range(40, 100));
        c.fill_circle(p, rng.range(4, 9) * (1.2 - t * 0.5), rgb(v + 30, v / 5, v / 6));
    }
    for (int i = 0; i < 30; ++i)
        c.set(static_cast<int>(40 + rng.range(-spread * 1.3, spread * 1.3)),
              static_cast<int>(119 - rng.unit() * h * 1.1),
              rng.unit() < 0.5 ? Rgb{250, 180, 60} : Rgb{240, 110, 30});
    return c;
}

Canvas hellfire(int frame) {
    Canvas c(30, 40, BLUE);
    Random rng(700 + static_cast<unsigned>(frame));
    const double life = frame / 11.0; // 0 fresh … 1 burnt out
    const double r = 4 + 9 * std::sin(PI * std::fmin(life * 1.3, 1.0)) + (life < 0.1 ? 2 : 0);
    const double y = 30 - 16 * life;
    for (int i = 0; i < 5; ++i) {
        const Point tip{15 + rng.range(-5, 5), y - r - rng.range(3, 10) * (1 - life)};
        c.fill_capsule(Point{15 + rng.range(-r / 2, r / 2), y}, tip, r * 0.5, 0.6,
                       fire_colour(0.35 * (1 - life) + 0.1));
    }
    heat_blob(c, Point{15, y}, r, r * 0.9, 1.0 - life * 0.7, rng);
    if (life > 0.6) // burning out into smoke
        for (int yy = 0; yy < 40; ++yy)
            for (int xx = 0; xx < 30; ++xx)
                if (c.get(xx, yy) != BLUE && rng.unit() < (life - 0.6) * 1.6)
                    c.set(xx, yy, Rgb{70, 50, 46});
    return c;
}

Canvas flesh(int n) {
    const int size = 4 + (n - 62);
    Canvas c(size, size, BLUE);
    Random rng(800 + static_cast<unsigned>(n));
    c.fill_ellipse(Point{size / 2.0, size / 2.0}, size / 2.0 - 0.2, size / 2.6, Rgb{120, 14, 16});
    c.set(size / 2 - 1, size / 2 - 1, Rgb{170, 46, 48});
    if (rng.unit() < 0.5) c.set(size / 2, size / 2, Rgb{84, 8, 10});
    return c;
}

// A leaf tumbling in the wind: its face, turning away, edge-on, then its paler underside.
Canvas leaf(int frame) {
    Canvas c(10, 10, BLUE);
    const double spin = (25 + 50 * frame) * PI / 180, across[] = {1.0, 0.55, 0.18, 0.6};
    const Rgb face{196, 112, 34}, turned{168, 90, 28}, underside{172, 136, 64}, rib{120, 62, 20};
    const double ca = std::cos(spin), sa = std::sin(spin);
    auto at = [&](double along, double side) {
        return Point{5 + along * ca - side * sa, 5 + along * sa + side * ca};
    };
    std::vector<Point> outline;
    for (int i = 0; i <= 16; ++i) { // a pointed oval, 9 long and 5 wide when flat
        const double t = i / 16.0, w = 2.6 * std::pow(std::sin(PI * t), 0.8) * across[frame];
        outline.push_back(at(-4.5 + 9 * t, w));
    }
    for (int i = 15; i > 0; --i) {
        const double t = i / 16.0, w = 2.6 * std::pow(std::sin(PI * t), 0.8) * across[frame];
        outline.push_back(at(-4.5 + 9 * t, -w));
    }
    const Rgb sides[] = {face, turned, rib, underside};
    c.fill_polygon(outline, sides[frame]);
    if (frame == 0) c.draw_line(at(-3.5, 0), at(3, 0), rib);
    const Point stem = at(-5.2, 0);
    c.set(static_cast<int>(stem.x), static_cast<int>(stem.y), rib);
    return c;
}

Canvas make_plain_sprite(int n) {
    if (n == 0 || (n >= 28 && n <= 30)) return spare(n);
    if (n <= 4) return fire_bolt(n - 1);
    if (n <= 10) return smoke(n - 5);
    if (n <= 16) return flame(n - 11);
    if (n <= 20) return stone(n - 17);
    if (n == 21) return flash();
    if (n <= 27) return explosion(n - 22);
    if (n <= 36) return body_part(n);
    if (n == 37) return rain();
    if (n <= 40) return floating_sword(n);
    if (n <= 45) return splash(n - 41);
    if (n <= 49) return death_burst(n - 46);
    if (n <= 61) return hellfire(n - 50);
    if (n <= 65) return flesh(n);
    return leaf(n - 66);
}
} // namespace

Canvas draw_plain_sprite(int n) {
    Canvas c = make_plain_sprite(n);
    make_ordinary(c, true);
    return c;
}

Canvas draw_blood_sword() {
    Canvas c(60, 10, BLUE);
    draw_sword_shape(c, Point{1.5, 5}, 0, 58, Rgb{150, 12, 14}, Rgb{196, 40, 36}, Rgb{70, 6, 8});
    make_ordinary(c, true);
    return c;
}

bool write_plain_sprites(const std::string& folder) {
    for (int n = 0; n < PLAIN_SPRITES; ++n)
        if (!write_png(draw_plain_sprite(n), folder + "/" + std::to_string(n) + ".png"))
            return false;
    return write_png(draw_blood_sword(), folder + "/sword.png");
}

} // namespace contentgen
