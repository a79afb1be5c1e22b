#pragma once
#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace contentgen {
// Painting helpers for landscapes; pure blue is left wherever the sky should show through.

// Smooth 1-D fractal noise in [-1, 1], tiling every `period` pixels so layers tile sideways.
class Noise1D {
  public:
    Noise1D(std::uint64_t seed, int period, int octaves);
    double at(double x) const;

  private:
    std::vector<double> lattice;
    int period, octaves;
};

// Fills from a noisy ridge line down to the bottom of the canvas, shaded top to bottom.
void paint_ridge(Canvas& c, double base_y, double amplitude, int feature, Rgb top, Rgb bottom,
                 std::uint64_t seed);
// A mountain range: peaks from noise (sharper with `sharp` towards 1), faces lit from the side
// `light_dx` points to (negative is left) and snow above the row `snow_line`.
struct Range {
    double base_y, amplitude;
    int feature;
    double sharp;
    Rgb lit, shade, snow;
    double snow_line, light_dx;
};
void paint_mountains(Canvas& c, const Range& r, std::uint64_t seed);
// Textured ground between rows y0 and y1 (speckled earth, darker with depth).
void paint_earth(Canvas& c, int y0, int y1, Rgb top, Rgb bottom, std::uint64_t seed);
void paint_pine(Canvas& c, Point foot, double height, Rgb dark, Rgb light, Rgb snow);
void paint_leafy_tree(Canvas& c, Point foot, double height, Rgb leaves, Rgb shade, Rgb trunk,
                      std::uint64_t seed);
void paint_house(Canvas& c, Point foot, double w, double h, Rgb wall, Rgb roof, Rgb window);
// A timbered cottage standing on `foot` (the middle of its bottom edge).
struct Cottage {
    Rgb wall, beam, roof, window;
    bool gable_end; // the pointed end faces the viewer, else the long side with its eaves
    bool chimney;
};
void paint_cottage(Canvas& c, Point foot, double w, double h, const Cottage& k);
// Tongues of fire rising from `base`: dark red outside, yellow at the heart.
void paint_flames(Canvas& c, Point base, double w, double h, std::uint64_t seed);
// The outline of an arch `w` wide whose sides rise from `bottom` to `spring`, round or pointed.
std::vector<Point> arch_outline(double cx, double w, double spring, double bottom, bool pointed);
void paint_castle_wall(Canvas& c, double top, double x0, double x1, Rgb stone, Rgb mortar,
                       std::uint64_t seed);
// A tower from `top` down to the bottom of the canvas, with a pointed roof.
void paint_tower(Canvas& c, double cx, double top, double w, Rgb stone, Rgb roof);
// A vertical gradient over the whole canvas (for opaque pictures).
void paint_sky(Canvas& c, Rgb top, Rgb bottom);
} // namespace contentgen
