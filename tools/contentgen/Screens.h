#pragma once
#include <string>

#include "Canvas.h"

namespace contentgen {
Canvas draw_health_sword();  // 300 × 32, pointing left
Canvas draw_title();         // 800 × 100, "Ironvale II" on pure blue
Canvas draw_floor();         // 800 × 120
Canvas draw_ending(int n);   // 800 × 600, n = 1 … 3
// Writes the named screens into graphics/screens and the empty picture into graphics.
bool write_screens(const std::string& graphics_folder);
}
