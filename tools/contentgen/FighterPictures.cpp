#include "FighterPictures.h"

#include "Burning.h"
#include "KeyColours.h"
#include "Pit.h"
#include "PngWriter.h"
#include "PoseTable.h"
#include "Skeleton.h"

namespace contentgen {

namespace {
constexpr int VANISHED = 70;

bool is_child(int n) { return n == 89 || n == 93 || n == 94; }
bool is_woman(int n) { return n >= 127 && n <= 129; }

Look child_look() {
    Look l = fighter_look();
    l.torso = l.near_limb = Rgb{92, 118, 58};
    l.far_limb = Rgb{70, 92, 44};
    l.legs = Rgb{96, 72, 46};
    l.far_leg = Rgb{74, 54, 34};
    l.hands = l.head = Rgb{226, 176, 136};
    l.hair = Rgb{112, 70, 32};
    l.eyes = key::body;
    l.has_cape = false;
    l.has_hair = true;
    l.scale = 0.6;
    return l;
}

Look woman_look() {
    Look l = child_look();
    l.torso = l.near_limb = Rgb{138, 44, 58};
    l.far_limb = Rgb{108, 32, 44};
    l.legs = l.far_leg = Rgb{120, 36, 50};
    l.hair = Rgb{64, 38, 22};
    l.long_hair = l.dress = true;
    l.scale = 0.86;
    return l;
}

// How far each burning picture has gone: flames, then the part of the body turned to ash.
struct Burn {
    double flames, crumble;
};
bool burning_stage(int n, Burn& b) {
    static const Burn up[] = {{0.3, 0.0}, {0.6, 0.05}, {0.85, 0.15}, {1.0, 0.3}, {1.0, 0.5}};
    if (n >= 80 && n <= 84) {
        b = up[n - 80];
        return true;
    }
    if (n >= 116 && n <= 118) {
        b = Burn{0.7 + 0.15 * (n - 116), 0.05 * (n - 116)};
        return true;
    }
    return false;
}

Canvas draw_skeleton_picture(const Pose& p) {
    const Look look = is_child(p.number) ? child_look() : is_woman(p.number) ? woman_look() : fighter_look();
    Canvas c = draw_figure(p, look);
    Burn b;
    if (burning_stage(p.number, b)) set_ablaze(c, b.flames, b.crumble, 0xF1EE + static_cast<unsigned>(p.number));
    return crop_to_anchor(c);
}
}  // namespace

Canvas draw_fighter_picture(int n) {
    if (n == VANISHED) return Canvas(2, 2, key::transparent);
    if (n >= 120 && n <= 123) return draw_pit(123 - n);
    if (n >= 85 && n <= 88) {
        static const double size[] = {1.0, 0.7, 0.4, 0.1}, flames[] = {0.9, 0.6, 0.25, 0.0};
        return crop_to_anchor(draw_ash_heap(size[n - 85], flames[n - 85], 0xA5E + static_cast<unsigned>(n)));
    }
    const Pose* p = find_pose(n);
    if (!p) return Canvas(2, 2, key::transparent);
    return draw_skeleton_picture(*p);
}

bool write_fighter_pictures(const std::string& folder) {
    for (int n = 0; n < FIGHTER_PICTURES; ++n)
        if (!write_png(draw_fighter_picture(n), folder + "/" + std::to_string(n) + ".png")) return false;
    return true;
}

}  // namespace contentgen
