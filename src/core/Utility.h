#pragma once
#include <string>

#include "core/Coord.h"

// Small helpers shared by every subsystem.
class Utility {
public:
    static constexpr double RADIANS_PER_DEGREE = 0.0174532925;

    static std::string str();
    static std::string str(int n);
    static std::string str(float f);
    static std::string str(double d);

    // a - t*b with t = a/b truncated toward zero; the result takes the sign of a.
    static double mod(double a, double b);
    static double getAngle(int degrees);
    // Euclidean distance in floating point, truncated toward zero (at most INT_MAX).
    static int distance(Coord a, Coord b);
    // Truncated toward zero; beyond the range of int, the nearest int (NaN gives 0).
    static int to_int(double d);
    // `value` limited to -limit..limit; a value out of range is logged under `what`.
    static int clamp(int value, int limit, const std::string& what);
    // A whole number of degrees from lo to hi - 1 (or exactly hi when lo == hi), in radians.
    static double randAngle(int lo, int hi);
    // The same number of degrees, drawn the same way, as degrees.
    static int randDegrees(int lo, int hi);
    // Coord().vectorOffset(getAngle(degrees), distance), with the sine and cosine of whole
    // degrees looked up: sprays of blood ask for thousands a frame.
    static Coord polar(int degrees, double distance);
    static std::string copyright();
};
