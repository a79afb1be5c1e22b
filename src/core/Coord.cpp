#include "core/Coord.h"

#include <cmath>

Coord Coord::vectorOffset(double angle, double distance) const {
    // Adding 0.5 before truncating rounds only non-negative results.
    return Coord(static_cast<int32_t>(x + std::cos(angle) * distance + 0.5),
                 static_cast<int32_t>(y + std::sin(angle) * distance + 0.5));
}
