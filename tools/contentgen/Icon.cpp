#include "Icon.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "KeyColours.h"
#include "PngWriter.h"

namespace contentgen {

namespace {
const Rgb NOTHING = key::transparent;
// Every edge is drawn hard at this many times the size, then averaged down.
const int SUPERSAMPLE = 4;
const int SIZES[] = {32, 48, 64, 128, 256};

// The emblem is laid out on a 256-unit square.
const double UNITS = 256;
const Point CENTRE{128, 128};
const double RIM = 124;
const double SKY = 114;

const Rgb DUSK_TOP{40, 34, 82};
const Rgb DUSK_BOTTOM{222, 118, 58};
const Rgb IRON{34, 30, 36};
const Rgb STEEL{150, 156, 166};
const Rgb STEEL_LIGHT{206, 212, 220};
const Rgb STEEL_DARK{104, 110, 122};
const Rgb HILLS{46, 28, 40};
const Rgb CAPE{150, 22, 34};
const Rgb CAPE_FOLD{104, 14, 26};
const Rgb BODY{8, 6, 10};
const Rgb EYES{70, 236, 96};
const Rgb GOLD{176, 136, 46};
const Rgb GOLD_LIGHT{214, 176, 70};
const Rgb GRIP{70, 40, 22};
const Rgb JEWEL{150, 20, 30};

// Draws in emblem units on a canvas `scale` pixels to the unit.
class Pen {
  public:
    Pen(Canvas& c, double scale) : c(c), s(scale) {}
    // From now on everything is drawn `z` times larger about `fixed`, then moved by `shift`.
    void zoom(Point fixed, double z, Point shift) {
        pivot = fixed;
        zoomed = z;
        moved = shift;
    }
    Point at(Point p) const {
        return Point{(pivot.x + (p.x - pivot.x) * zoomed + moved.x) * s,
                     (pivot.y + (p.y - pivot.y) * zoomed + moved.y) * s};
    }
    void circle(Point p, double r, Rgb colour) { c.fill_circle(at(p), r * zoomed * s, colour); }
    void capsule(Point a, Point b, double ra, double rb, Rgb colour) {
        c.fill_capsule(at(a), at(b), ra * zoomed * s, rb * zoomed * s, colour);
    }
    void polygon(const std::vector<Point>& poly, Rgb colour) {
        std::vector<Point> scaled;
        for (const Point& p : poly)
            scaled.push_back(at(p));
        c.fill_polygon(scaled, colour);
    }
    // A disc of sky darkening upwards, with a ring of iron and steel around it and low
    // hills across its foot.
    void dusk_disc() {
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width(); ++x) {
                const double ux = (x + 0.5) / s, uy = (y + 0.5) / s;
                const double r = std::hypot(ux - CENTRE.x, uy - CENTRE.y);
                if (r > RIM) continue;
                Rgb colour = mix(DUSK_TOP, DUSK_BOTTOM, (uy - (CENTRE.y - SKY)) / (2 * SKY));
                if (uy > 196 + 6 * std::sin(ux / 23)) colour = HILLS;
                if (r > SKY) colour = r > SKY + 4 ? IRON : STEEL;
                c.set(x, y, colour);
            }
    }

  private:
    Canvas& c;
    double s;
    Point pivot;
    double zoomed = 1;
    Point moved;
};

void draw_fighter(Pen& pen) {
    // The cape streams back from the shoulders.
    pen.polygon({{110, 88},
                 {128, 92},
                 {120, 130},
                 {104, 170},
                 {76, 198},
                 {42, 190},
                 {56, 162},
                 {64, 132},
                 {84, 102}},
                CAPE);
    pen.polygon({{108, 104}, {114, 112}, {92, 168}, {66, 192}, {60, 186}, {84, 150}}, CAPE_FOLD);
    // Legs astride, body, head with glowing eyes, and the sword arm raised forward.
    pen.capsule({116, 148}, {94, 204}, 10, 6, BODY);
    pen.capsule({118, 148}, {142, 204}, 10, 6, BODY);
    pen.capsule({90, 206}, {100, 206}, 4, 4, BODY);
    pen.capsule({140, 206}, {152, 206}, 4, 4, BODY);
    pen.capsule({121, 96}, {117, 150}, 15, 12, BODY);
    pen.circle({122, 72}, 15, BODY);
    pen.capsule({127, 70}, {132, 70}, 2.2, 2.2, EYES);
    pen.capsule({126, 98}, {156, 94}, 7, 6, BODY);
}

void draw_sword(Pen& pen) {
    // Up and to the right at 45 degrees, the point breaking out of the rim.
    const double k = std::sqrt(0.5);
    const Point along{k, -k}, across{k, k};
    const Point guard{168, 86};
    auto from_guard = [&](double a, double b) {
        return Point{guard.x + along.x * a + across.x * b, guard.y + along.y * a + across.y * b};
    };
    const double length = 86, half = 6;
    pen.polygon({from_guard(0, -half), from_guard(length - 14, -half + 1), from_guard(length, 0),
                 from_guard(length - 14, half - 1), from_guard(0, half)},
                STEEL);
    pen.polygon({from_guard(0, -half), from_guard(length - 14, -half + 1), from_guard(length, 0),
                 from_guard(0, 0)},
                STEEL_LIGHT);
    pen.capsule(from_guard(6, 0), from_guard(length - 18, 0), 1.2, 1.2, STEEL_DARK);
    pen.capsule(from_guard(0, -17), from_guard(0, 17), 4, 4, GOLD);
    pen.circle(from_guard(0, -17), 3.6, GOLD_LIGHT);
    pen.circle(from_guard(0, 17), 3.6, GOLD_LIGHT);
    pen.capsule(from_guard(-4, 0), from_guard(-20, 0), 4, 4, GRIP);
    pen.circle(from_guard(-25, 0), 6.5, GOLD);
    pen.circle(from_guard(-25, 0), 3.2, JEWEL);
    // The fist closed round the grip.
    pen.circle(from_guard(-10, 0), 6.5, BODY);
}

// Averages each square of SUPERSAMPLE² pixels into one, its alpha the share of them that
// the emblem covers.
std::vector<std::uint8_t> average_down(const Canvas& big, int size) {
    std::vector<std::uint8_t> rgba(static_cast<size_t>(size) * size * 4, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int n = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < SUPERSAMPLE; ++dy)
                for (int dx = 0; dx < SUPERSAMPLE; ++dx) {
                    const Rgb p = big.get(x * SUPERSAMPLE + dx, y * SUPERSAMPLE + dy);
                    if (p == NOTHING) continue;
                    ++n;
                    r += p.r;
                    g += p.g;
                    b += p.b;
                }
            if (n == 0) continue;
            std::uint8_t* px = &rgba[(static_cast<size_t>(y) * size + x) * 4];
            px[0] = static_cast<std::uint8_t>((r + n / 2) / n);
            px[1] = static_cast<std::uint8_t>((g + n / 2) / n);
            px[2] = static_cast<std::uint8_t>((b + n / 2) / n);
            px[3] = static_cast<std::uint8_t>((255 * n + SUPERSAMPLE * SUPERSAMPLE / 2) /
                                              (SUPERSAMPLE * SUPERSAMPLE));
        }
    return rgba;
}
} // namespace

Canvas draw_icon(int size) {
    Canvas c(size, size, NOTHING);
    Pen pen(c, size / UNITS);
    pen.dusk_disc();
    // Large enough to read at the smallest size, feet kept on the hills.
    pen.zoom(Point{116, 206}, 1.12, Point{-8, 0});
    draw_fighter(pen);
    draw_sword(pen);
    return c;
}

bool write_icons(const std::string& folder, const std::string& name) {
    for (int size : SIZES) {
        const std::string edge = std::to_string(size);
        const std::string dir = folder + "/hicolor/" + edge + "x" + edge + "/apps";
        std::error_code err;
        std::filesystem::create_directories(dir, err);
        if (err) {
            std::fprintf(stderr, "contentgen: cannot create %s: %s\n", dir.c_str(),
                         err.message().c_str());
            return false;
        }
        const Canvas big = draw_icon(size * SUPERSAMPLE);
        if (!write_png_rgba(size, size, average_down(big, size), dir + "/" + name + ".png"))
            return false;
    }
    return true;
}

} // namespace contentgen
