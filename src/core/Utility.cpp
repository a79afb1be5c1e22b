#include "core/Utility.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "core/Error.h"
#include "core/Random.h"

namespace {
template <typename T> std::string format(std::ostringstream& stream, T value) {
    stream.str("");
    stream.clear();
    stream << value;
    return stream.str();
}
} // namespace

std::string Utility::str() { return std::string(); }

std::string Utility::str(int n) {
    static std::ostringstream stream;
    return format(stream, n);
}

std::string Utility::str(float f) {
    static std::ostringstream stream;
    return format(stream, f);
}

std::string Utility::str(double d) {
    static std::ostringstream stream;
    return format(stream, d);
}

double Utility::mod(double a, double b) {
    // Truncated in floating point: the quotient may lie far beyond the range of int.
    return a - std::trunc(a / b) * b;
}

double Utility::getAngle(int degrees) { return degrees * RADIANS_PER_DEGREE; }

int Utility::distance(Coord a, Coord b) {
    // Differences in floating point: two points may lie more than 2^31 apart.
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return to_int(std::sqrt(dx * dx + dy * dy));
}

int Utility::to_int(double d) {
    if (!(d > INT_MIN - 1.0)) return d != d ? 0 : INT_MIN;
    if (!(d < INT_MAX + 1.0)) return INT_MAX;
    return static_cast<int>(d);
}

int Utility::clamp(int value, int limit, const std::string& what) {
    const int clamped = std::clamp(value, -limit, limit);
    if (clamped != value)
        Error::note(what + " " + str(value) + " is out of range; using " + str(clamped));
    return clamped;
}

double Utility::randAngle(int lo, int hi) { return getAngle(randDegrees(lo, hi)); }

int Utility::randDegrees(int lo, int hi) {
    if (lo == hi) return hi;
    const int r = Random::next();
    return lo + r % (hi - lo);
}

Coord Utility::polar(int degrees, double distance) {
    // Two turns each way cover every caller's angles; the rest are computed.
    static constexpr int TABLE_LO = -720;
    static constexpr int TABLE_SIZE = 1440;
    struct Direction {
        double cos;
        double sin;
    };
    static const std::vector<Direction> table = [] {
        std::vector<Direction> directions;
        for (int i = 0; i < TABLE_SIZE; ++i) {
            const double angle = getAngle(TABLE_LO + i);
            directions.push_back({std::cos(angle), std::sin(angle)});
        }
        return directions;
    }();
    const int i = degrees - TABLE_LO;
    if (i < 0 || i >= TABLE_SIZE) return Coord().vectorOffset(getAngle(degrees), distance);
    // The same sums as vectorOffset's, from the origin.
    const int x = 0;
    const int y = 0;
    return Coord(static_cast<int32_t>(x + table[i].cos * distance + 0.5),
                 static_cast<int32_t>(y + table[i].sin * distance + 0.5));
}

std::string Utility::copyright() { return "(c) 2026 the Ironvale developers"; }
