#include "Screens.h"

#include <cmath>
#include <vector>

#include "KeyColours.h"
#include "Ordinary.h"
#include "PngWriter.h"
#include "Random.h"
#include "Scenery.h"

namespace contentgen {

namespace {
const Rgb BLUE = key::transparent;

// Capital letters as strokes on a 6 × 10 grid, enough for the title.
struct Glyph {
    char letter;
    std::vector<std::vector<Point>> strokes;
};
const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> g = {
        {'I', {{{3, 0}, {3, 10}}, {{1, 0}, {5, 0}}, {{1, 10}, {5, 10}}}},
        {'R', {{{0, 10}, {0, 0}, {4, 0}, {5.5, 1.5}, {5.5, 3.5}, {4, 5}, {0, 5}}, {{3, 5}, {6, 10}}}},
        {'O', {{{1.5, 0}, {4.5, 0}, {6, 2}, {6, 8}, {4.5, 10}, {1.5, 10}, {0, 8}, {0, 2}, {1.5, 0}}}},
        {'N', {{{0, 10}, {0, 0}, {6, 10}, {6, 0}}}},
        {'V', {{{0, 0}, {3, 10}, {6, 0}}}},
        {'A', {{{0, 10}, {3, 0}, {6, 10}}, {{1.2, 6}, {4.8, 6}}}},
        {'L', {{{0, 0}, {0, 10}, {6, 10}}}},
        {'E', {{{6, 0}, {0, 0}, {0, 10}, {6, 10}}, {{0, 5}, {4.5, 5}}}},
    };
    return g;
}

void stroke_text(Canvas& c, const std::string& text, Point origin, double scale, double thick, Rgb colour) {
    double x = origin.x;
    for (char ch : text) {
        if (ch == ' ') {
            x += 4 * scale;
            continue;
        }
        for (const Glyph& g : glyphs()) {
            if (g.letter != ch) continue;
            for (const auto& s : g.strokes)
                for (size_t i = 0; i + 1 < s.size(); ++i)
                    c.fill_capsule(Point{x + s[i].x * scale, origin.y + s[i].y * scale},
                                   Point{x + s[i + 1].x * scale, origin.y + s[i + 1].y * scale}, thick, thick, colour);
        }
        x += 8.5 * scale;
    }
}

double text_width(const std::string& text, double scale) {
    double w = 0;
    for (char ch : text) w += (ch == ' ' ? 4 : 8.5) * scale;
    return w - 2.5 * scale;
}
}  // namespace

Canvas draw_health_sword() {
    Canvas c(300, 32, BLUE);
    const double mid = 15.5;
    // Blade: from the point at the left edge to the guard, with a fuller down its middle.
    c.fill_polygon({{0, mid}, {18, mid - 5}, {222, mid - 6}, {222, mid + 6}, {18, mid + 5}}, Rgb{150, 156, 166});
    c.fill_polygon({{0, mid}, {18, mid - 5}, {222, mid - 6}, {222, mid - 1}}, Rgb{206, 212, 220});
    c.fill_rect(24, static_cast<int>(mid) - 1, 190, 2, Rgb{104, 110, 122});
    // Guard with curled ends, a wrapped grip, and a jewelled pommel.
    c.fill_capsule({226, 2}, {226, 29}, 3.5, 3.5, Rgb{176, 136, 46});
    c.fill_circle({226, 3}, 3.2, Rgb{214, 176, 70});
    c.fill_circle({226, 28}, 3.2, Rgb{214, 176, 70});
    c.fill_rect(230, static_cast<int>(mid) - 4, 50, 8, Rgb{70, 40, 22});
    for (int x = 232; x < 280; x += 5) c.fill_capsule({double(x), mid - 4}, {x + 3.0, mid + 4}, 0.8, 0.8, Rgb{110, 70, 36});
    c.fill_circle({288, mid}, 8, Rgb{176, 136, 46});
    c.fill_circle({288, mid}, 4, Rgb{150, 20, 30});
    c.fill_circle({286.5, mid - 1.5}, 1.4, Rgb{230, 120, 120});
    make_ordinary(c, true);
    return c;
}

Canvas draw_title() {
    Canvas c(800, 100, BLUE);
    const std::string text = "IRONVALE II";
    const double scale = 7.2;
    const double x0 = (800 - text_width(text, scale)) / 2, y0 = 14;
    stroke_text(c, text, {x0 + 3, y0 + 4}, scale, 5.5, Rgb{20, 14, 12});  // shadow
    stroke_text(c, text, {x0, y0}, scale, 5.5, Rgb{110, 104, 98});        // stone
    stroke_text(c, text, {x0 - 1.2, y0 - 1.2}, scale, 3.2, Rgb{168, 160, 150});
    stroke_text(c, text, {x0 + 0.6, y0 + 0.6}, scale, 1.6, Rgb{74, 68, 64});  // the carved groove
    Random rng(0x717);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 800; ++x) {
            const Rgb p = c.get(x, y);
            if (p == BLUE || rng.unit() > 0.08) continue;
            c.set(x, y, mix(p, Rgb{40, 36, 34}, 0.35));
        }
    make_ordinary(c, true);
    return c;
}

Canvas draw_floor() {
    Canvas c(800, 120, BLUE);
    paint_earth(c, 0, 120, Rgb{92, 70, 46}, Rgb{58, 42, 28}, 0xF100);
    make_ordinary(c, false);
    return c;
}

namespace {
// 1: dawn over the valley, the fight won; 2: a lone fighter on a hill at dusk; 3: the castle at night.
void paint_ending(Canvas& c, int n) {
    Random rng(0xE0 + static_cast<unsigned>(n));
    if (n == 1) {
        paint_sky(c, Rgb{60, 70, 120}, Rgb{238, 170, 96});
        c.fill_circle({400, 420}, 60, Rgb{252, 222, 140});
        paint_ridge(c, 400, 50, 4, Rgb{96, 76, 96}, Rgb{70, 56, 76}, 11);
        paint_ridge(c, 470, 30, 5, Rgb{52, 60, 50}, Rgb{30, 36, 30}, 12);
        for (int i = 0; i < 14; ++i) paint_pine(c, {rng.range(0, 800), rng.range(500, 590)}, rng.range(40, 80), Rgb{22, 30, 24}, Rgb{34, 44, 34}, BLUE);
    } else if (n == 2) {
        paint_sky(c, Rgb{30, 20, 50}, Rgb{170, 70, 60});
        c.fill_circle({620, 180}, 26, Rgb{236, 226, 200});
        paint_ridge(c, 430, 40, 3, Rgb{60, 30, 50}, Rgb{40, 20, 36}, 21);
        c.fill_ellipse({400, 640}, 330, 140, Rgb{16, 12, 16});
        // The lone fighter, sword planted, cape stirring.
        c.fill_polygon({{392, 420}, {398, 422}, {372, 470}, {360, 466}}, Rgb{70, 20, 24});
        c.fill_capsule({398, 500}, {398, 430}, 5, 6, key::body);
        c.fill_circle({399, 418}, 8, key::body);
        c.fill_capsule({396, 500}, {388, 530}, 4, 3, key::body);
        c.fill_capsule({401, 500}, {410, 530}, 4, 3, key::body);
        c.fill_capsule({400, 440}, {418, 470}, 2.6, 2, key::body);
        c.fill_capsule({420, 420}, {420, 532}, 1.6, 1.6, Rgb{60, 60, 66});
        c.fill_capsule({413, 470}, {427, 470}, 1.4, 1.4, Rgb{60, 60, 66});
    } else {
        paint_sky(c, Rgb{8, 10, 26}, Rgb{30, 36, 70});
        for (int i = 0; i < 160; ++i) c.set(rng.below(800), rng.below(380), mix(Rgb{200, 200, 220}, Rgb{90, 90, 120}, rng.unit()));
        c.fill_circle({150, 110}, 30, Rgb{226, 224, 200});
        c.fill_circle({162, 104}, 28, Rgb{12, 14, 32});
        paint_ridge(c, 470, 24, 5, Rgb{24, 28, 40}, Rgb{14, 16, 26}, 31);
        paint_castle_wall(c, 330, 260, 560, Rgb{44, 44, 56}, Rgb{26, 26, 34}, 32);
        paint_tower(c, 260, 250, 50, Rgb{48, 48, 60}, Rgb{40, 24, 30});
        paint_tower(c, 560, 230, 56, Rgb{48, 48, 60}, Rgb{40, 24, 30});
        for (int i = 0; i < 9; ++i) c.fill_rect(280 + i * 30, 380 + (i % 3) * 20, 5, 8, Rgb{240, 190, 90});
        paint_ridge(c, 540, 12, 6, Rgb{16, 18, 24}, Rgb{8, 8, 12}, 33);
    }
}
}  // namespace

Canvas draw_ending(int n) {
    Canvas c(800, 600, BLUE);
    paint_ending(c, n);
    make_ordinary(c, false);
    return c;
}

bool write_screens(const std::string& graphics) {
    const std::string screens = graphics + "/screens/";
    if (!write_png(draw_health_sword(), screens + "sword.png")) return false;
    if (!write_png(draw_title(), screens + "title.png")) return false;
    if (!write_png(draw_floor(), screens + "floor.png")) return false;
    for (int n = 1; n <= 3; ++n)
        if (!write_png(draw_ending(n), screens + "end" + std::to_string(n) + ".png")) return false;
    return write_png(Canvas(1, 1, BLUE), graphics + "/empty.PNG");
}

}  // namespace contentgen
