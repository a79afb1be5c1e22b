#pragma once
#include <cstdint>

#include "Canvas.h"

namespace contentgen {
// Paints flames over a figure on a scratch canvas and crumbles part of its body into ash:
// `flames` and `crumble` run from 0 (none) to 1 (all).
void set_ablaze(Canvas& scratch_canvas, double flames, double crumble, std::uint64_t seed);
// The last pictures of burning up: a smouldering heap of ash, `size` from 1 (a slumped body's
// worth) down to nearly nothing, on a scratch canvas.
Canvas draw_ash_heap(double size, double flames, std::uint64_t seed);
}
