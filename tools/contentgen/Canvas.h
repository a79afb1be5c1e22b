#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace contentgen {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

inline Rgb rgb(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return Rgb{clamp(r), clamp(g), clamp(b)};
}
// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

struct Point {
    double x = 0, y = 0;
};

// An RGB raster with hard-edged drawing primitives: a pixel belongs to a shape when its
// centre lies inside it, so shapes never blend and key colours stay exact.
class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgb fill);

    int width() const { return w; }
    int height() const { return h; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Rgb get(int x, int y) const { return pixels[static_cast<std::size_t>(y) * w + x]; }
    void set(int x, int y, Rgb c) {
        if (wraps) x = wrap_x(x);
        if (inside(x, y)) pixels[static_cast<std::size_t>(y) * w + x] = c;
    }
    // From now on whatever is drawn past one side continues from the other, so that the
    // picture tiles sideways without a seam.
    void wrap_sideways() { wraps = true; }
    int wrap_x(int x) const { return ((x % w) + w) % w; }
    const std::vector<Rgb>& data() const { return pixels; }

    void fill(Rgb c);
    void fill_rect(int x, int y, int rw, int rh, Rgb c);
    void fill_circle(Point c, double radius, Rgb colour);
    void fill_ellipse(Point c, double rx, double ry, Rgb colour);
    // A segment with round ends whose radius goes from ra at a to rb at b.
    void fill_capsule(Point a, Point b, double ra, double rb, Rgb colour);
    void fill_polygon(const std::vector<Point>& poly, Rgb colour);
    void draw_line(Point a, Point b, Rgb colour);
    // Copies every pixel of `src` that is not `skip` with its top-left corner at (x, y).
    void blit(const Canvas& src, int x, int y, Rgb skip);
    void blit_scaled(const Canvas& src, int x, int y, int scale, Rgb skip);
    Canvas crop(int x, int y, int cw, int ch, Rgb outside) const;
    // Every pixel of colour `from` becomes `to`.
    void replace(Rgb from, Rgb to);

  private:
    int w = 0, h = 0;
    bool wraps = false;
    std::vector<Rgb> pixels;
};

} // namespace contentgen
