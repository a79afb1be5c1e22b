#include "Envelope.h"

#include <cmath>

namespace contentgen {
Envelope::Envelope(std::initializer_list<Point> list) : points(list) {}

float Envelope::at(float t) const {
    if (points.empty()) return 0.0f;
    if (t <= points.front().time) return points.front().level;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (t < points[i].time) {
            const Point& a = points[i - 1];
            const Point& b = points[i];
            const float u = (t - a.time) / (b.time - a.time);
            return a.level + (b.level - a.level) * u;
        }
    }
    return points.back().level;
}

float Envelope::strike(float t, float attack, float tau) {
    if (t < 0.0f) return 0.0f;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}
}
