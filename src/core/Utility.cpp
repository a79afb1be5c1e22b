#include "core/Utility.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

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
    const int t = static_cast<int>(a / b);
    return a - t * b;
}

double Utility::getAngle(int degrees) { return degrees * RADIANS_PER_DEGREE; }

int Utility::distance(Coord a, Coord b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

double Utility::randAngle(int lo, int hi) {
    if (lo == hi) return hi * RADIANS_PER_DEGREE;
    const int r = std::rand();
    const int degrees = lo + r % (hi - lo);
    return degrees * RADIANS_PER_DEGREE;
}

std::string Utility::copyright() { return "(c) 2026 the Ironvale developers"; }
