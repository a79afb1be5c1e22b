#pragma once
#include <cstdint>

// A point or vector in screen pixels: x to the right, y downwards.
struct Coord {
    int32_t x;
    int32_t y;

    Coord() : x(0), y(0) {}
    Coord(int32_t x, int32_t y) : x(x), y(y) {}

    // The point `distance` pixels away in direction `angle` (radians; +pi/2 points down).
    Coord vectorOffset(double angle, double distance) const;

    bool operator==(const Coord& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Coord& o) const { return !(*this == o); }
};
