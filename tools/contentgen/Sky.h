#pragma once
#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace contentgen {
// Painting helpers for skies and the air between the viewer and the land. They expect a canvas
// that wraps sideways, so that every shape carries across the seam where the layer repeats.

struct Stop {
    double row;
    Rgb colour;
};
// A vertical gradient through the stops (rows in increasing order), over the whole width;
// rows above the first stop take its colour, rows below the last take the last.
void paint_gradient(Canvas& c, const std::vector<Stop>& stops);
// Pulls every painted pixel within `radius` of `centre` towards `colour`, most at the centre.
void paint_glow(Canvas& c, Point centre, double radius, Rgb colour, double strength);
// Pulls every painted pixel between rows y0 and y1 towards `colour`, from s0 at y0 to s1 at y1.
void paint_haze(Canvas& c, int y0, int y1, Rgb colour, double s0, double s1);
void paint_sun(Canvas& c, Point centre, double radius, Rgb core, Rgb glow);
// A moon with darker seas; a crescent when `phase` > 0 (how far the dark part is shifted).
void paint_moon(Canvas& c, Point centre, double radius, Rgb light, Rgb seas, double phase);
// Single-pixel stars between rows y0 and y1, thinning towards y1, a few with a cross of light.
void paint_stars(Canvas& c, int y0, int y1, int count, Rgb colour, std::uint64_t seed);
// A heaped cloud on a flat base: shaded below, lit on top (towards the side `light_dx` < 0 is
// left).
void paint_cumulus(Canvas& c, Point base, double width, double height, Rgb lit, Rgb shade,
                   double light_dx, std::uint64_t seed);
// A long thin bank of cloud, lit along its upper or lower edge.
void paint_stratus(Canvas& c, Point centre, double width, double height, Rgb body, Rgb edge,
                   bool lit_below, std::uint64_t seed);
// A ceiling of cloud from the top of the canvas down to a ragged hem about `hem` (darker above,
// `low` at the hem), with a lighter rim along the hem.
void paint_cloud_ceiling(Canvas& c, double hem, double ragged, Rgb high, Rgb low, Rgb rim,
                         std::uint64_t seed);
// Tears a ragged rift across the clouds about row `row`, up to `width` tall, closing here and
// there; the sky colour shows through it, and its edges take the colour `rim`.
void cut_rift(Canvas& c, double row, double width, Rgb rim, std::uint64_t seed);
// Broad, soft-edged shafts of light falling from the top at an angle.
void paint_light_shafts(Canvas& c, int count, Rgb light, double strength, double lean,
                        std::uint64_t seed);
} // namespace contentgen
