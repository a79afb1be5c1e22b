#include "Backgrounds.h"

#include "PngWriter.h"

namespace contentgen {

std::vector<Layer> draw_backgrounds() {
    std::vector<Layer> out;
    add_road_settings(out);
    add_night_settings(out);
    add_wild_settings(out);
    add_arena_settings(out);
    return out;
}

bool write_backgrounds(const std::string& screens) {
    for (const Layer& l : draw_backgrounds())
        if (!write_png(l.picture, screens + "/" + l.name + ".png")) return false;
    return true;
}

} // namespace contentgen
