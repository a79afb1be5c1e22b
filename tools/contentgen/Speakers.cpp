#include "Speakers.h"

namespace contentgen {
const std::vector<Speaker>& Speakers::table() {
    // clang-format off
    static const std::vector<Speaker> speakers = {
        // The hero: a young, level voice in the open air.
        {"hero",     {"en+m3", 45, 55, 150}, 1.0f,  80.0f, 5000.0f, 1.2f, 0.0f,  0.0f,  0.12f, 0.4f},
        // The Baron's men and other brutes: low, rough and slow.
        {"villain",  {"en+m7", 20, 40, 135}, 0.92f, 90.0f, 4200.0f, 2.2f, 0.0f,  0.25f, 0.18f, 0.5f},
        // The Iron Baron: a cold voice that fills a hall.
        {"baron",    {"en+m1", 30, 35, 125}, 0.95f, 70.0f, 4500.0f, 1.4f, 0.0f,  0.0f,  0.3f,  0.8f},
        // Mages: a thin voice with a shimmer of a second one.
        {"mage",     {"en+m2", 55, 70, 125}, 1.0f, 150.0f, 6000.0f, 1.0f, 0.35f, 0.0f,  0.35f, 0.9f},
        // The master of the pit and the risen dead: deep, doubled, from far below.
        {"boss",     {"en+m1",  5, 30, 115}, 0.8f,  60.0f, 2800.0f, 1.8f, 0.6f,  0.3f,  0.6f,  1.3f},
        // Townsfolk.
        {"peasant",  {"en+m4", 50, 60, 165}, 1.02f, 150.0f, 3500.0f, 1.5f, 0.0f, 0.15f, 0.1f,  0.3f},
        {"woman",    {"en+f3", 60, 70, 150}, 1.0f, 150.0f, 6000.0f, 1.1f, 0.0f,  0.1f,  0.15f, 0.4f},
        {"child",    {"en+f5", 80, 80, 160}, 1.2f, 200.0f, 7000.0f, 1.0f, 0.0f,  0.0f,  0.15f, 0.4f},
        // The teller of the story, over a page or a scene.
        {"narrator", {"en+m5", 35, 45, 140}, 0.97f, 70.0f, 6000.0f, 1.0f, 0.0f,  0.0f,  0.2f,  0.6f},
    };
    // clang-format on
    return speakers;
}

const Speaker* Speakers::find(const std::string& name) {
    for (const Speaker& s : table())
        if (name == s.name) return &s;
    return nullptr;
}

std::string Speakers::names() {
    std::string all;
    for (const Speaker& s : table()) all += (all.empty() ? "" : ", ") + std::string(s.name);
    return all;
}
}
