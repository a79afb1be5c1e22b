#pragma once
#include "Canvas.h"

namespace contentgen {

// One fighter pose as joint angles. Directions are absolute, in degrees, for a figure facing
// right: 0 points forward, 90 down, 180 back, -90 up. Positions are relative to the anchor
// (the bottom centre of the picture), y negative upwards.
struct Limb {
    double upper, lower; // upper arm / thigh, forearm / shin
};

enum class View { side, front };
// `both`: the sword in the near hand, the far hand on the hilt below it (its arm follows).
enum class Grip { near_hand, far_hand, both, none };
// Where the red attack points go: on the blade near its tip, or in a hand.
enum class Strike { none, blade2, blade3, tip1, tip2, near_hand, far_hand };
// The motion streak behind the fastest pictures, in sword colours: an arc swept by the blade,
// lines along a thrust, or lines trailing a plunge.
enum class Smear { none, arc, thrust, dive };

struct Pose {
    int number;
    View view;
    double hip_x, hip_y; // the pelvis
    double lean;         // torso tilt from upright, positive leaning forward
    double nod;          // head tilt relative to the torso
    Limb near_arm, far_arm, near_leg, far_leg;
    Grip grip;
    double sword;          // direction of the blade
    double cape, cape_len; // direction the cape's lower part flows, and its length
    Strike strike;
    double spin; // the whole figure turned about its hips (rolls, tumbles)
    bool headless;
    double cut_x, cut_y; // the upper body moved away from the hips (cut in two)
    Smear smear;
    double swept; // for an arc, the angle the blade turned through to reach `sword`
};

// The colours a figure is painted in: the key colours for fighters, clothes for civilians.
struct Look {
    Rgb cape, far_limb, torso, near_limb, legs, far_leg, hands, head, eyes, hair;
    bool has_cape, has_hair, long_hair, dress;
    double scale;
};

Look fighter_look();

// The scratch canvas a figure is drawn on: large enough for any pose, anchor at (ox, oy).
namespace scratch {
constexpr int width = 320, height = 260, ox = 160, oy = 200;
}

// Paints the pose back to front (cape, far limbs, body, near limbs, head, eyes, sword) on a
// transparent scratch canvas. The sword takes the colour of what lies under each pixel; a
// smear is laid only where nothing else is, so it never hides the body from a blow.
Canvas draw_figure(const Pose& pose, const Look& look);

// Crops a scratch canvas to its content: the width is even and symmetric about the anchor
// column, which lands on column w / 2. The bottom row is the lowest painted row, or, when
// `stand_on_body`, the lowest row of the body itself (sword and cape below it are cut off).
Canvas crop_to_anchor(const Canvas& scratch_canvas, bool stand_on_body);

} // namespace contentgen
