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
void paint_ridge(Canvas& c, double base_y, double amplitude, int feature, Rgb top, Rgb bottom, std::uint64_t seed);
// Textured ground between rows y0 and y1 (speckled earth, darker with depth).
void paint_earth(Canvas& c, int y0, int y1, Rgb top, Rgb bottom, std::uint64_t seed);
void paint_pine(Canvas& c, Point foot, double height, Rgb dark, Rgb light, Rgb snow);
void paint_leafy_tree(Canvas& c, Point foot, double height, Rgb leaves, Rgb shade, Rgb trunk, std::uint64_t seed);
void paint_house(Canvas& c, Point foot, double w, double h, Rgb wall, Rgb roof, Rgb window);
void paint_castle_wall(Canvas& c, double top, double x0, double x1, Rgb stone, Rgb mortar, std::uint64_t seed);
// A tower from `top` down to the bottom of the canvas, with a pointed roof.
void paint_tower(Canvas& c, double cx, double top, double w, Rgb stone, Rgb roof);
// A vertical gradient over the whole canvas (for opaque pictures).
void paint_sky(Canvas& c, Rgb top, Rgb bottom);
}  // namespace contentgen
