#pragma once
#include <initializer_list>
#include <vector>

namespace contentgen {
// Piecewise-linear curve over time given as (seconds, level) points; before the first point
// it holds the first level, after the last the last level.
class Envelope {
public:
    struct Point {
        float time;
        float level;
    };
    Envelope(std::initializer_list<Point> points);
    float at(float t) const;

    // A quick attack then an exponential decay with time constant `tau`.
    static float strike(float t, float attack, float tau);

private:
    std::vector<Point> points;
};
}
