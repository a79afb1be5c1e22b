#pragma once
#include <string>

#include "Canvas.h"

namespace contentgen {
// The game's emblem, a fighter with raised sword and streaming cape on a dusk disc, drawn
// on a square of `size` pixels that is pure blue where nothing is.
Canvas draw_icon(int size);
// Writes the emblem as PNGs with soft, alpha-blended edges, one for each of the usual sizes,
// as `folder`/hicolor/<size>x<size>/apps/`name`.png. False (with a message) on failure.
bool write_icons(const std::string& folder, const std::string& name);
} // namespace contentgen
