#include "Skeleton.h"

#include <algorithm>
#include <cmath>

#include "KeyColours.h"

namespace contentgen {

namespace {

// Body proportions of a standing fighter, in pixels.
constexpr double TORSO = 24, SHOULDER = 20, HEAD_RISE = 8.5, HEAD_R = 6.6;
constexpr double UPPER_ARM = 12, FOREARM = 12, THIGH = 15, SHIN = 14, FOOT = 5;
constexpr double FRONT_SHOULDER = 7, FRONT_HIP = 4;
constexpr double GRIP_BACK = 4, GRIP_FRONT = 3, BLADE = 46, GUARD = 3.5;
constexpr double PI = 3.14159265358979323846;

Point dir(double degrees, double length = 1) {
    const double a = degrees * PI / 180.0;
    return Point{std::cos(a) * length, std::sin(a) * length};
}
Point operator+(Point a, Point b) { return Point{a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return Point{a.x - b.x, a.y - b.y}; }

// Joint positions of one pose in figure space (anchor at 0, 0), before spin and scale.
struct Joints {
    Point hip, chest_base, shoulder, neck, head;
    Point near_shoulder, far_shoulder, near_hip, far_hip;
    Point near_elbow, near_hand, far_elbow, far_hand;
    Point near_knee, near_ankle, near_toe, far_knee, far_ankle, far_toe;
    double torso_dir;
};

Joints place_joints(const Pose& p) {
    Joints j;
    j.hip = Point{p.hip_x, p.hip_y};
    j.torso_dir = -90 + p.lean;
    j.chest_base = j.hip + Point{p.cut_x, p.cut_y};
    j.shoulder = j.chest_base + dir(j.torso_dir, SHOULDER);
    j.neck = j.chest_base + dir(j.torso_dir, TORSO);
    j.head = j.neck + dir(j.torso_dir + p.nod, HEAD_RISE);
    const bool front = p.view == View::front;
    const Point across = dir(j.torso_dir + 90);  // forward in side view, screen right in front view
    j.near_shoulder = front ? j.shoulder + Point{across.x * FRONT_SHOULDER, across.y * FRONT_SHOULDER} : j.shoulder;
    j.far_shoulder = front ? j.shoulder - Point{across.x * FRONT_SHOULDER, across.y * FRONT_SHOULDER}
                           : j.shoulder - Point{across.x, across.y};
    const Point hip_across = dir(-90 + 90);
    j.near_hip = front ? j.hip + Point{hip_across.x * FRONT_HIP, 0} : j.hip;
    j.far_hip = front ? j.hip - Point{hip_across.x * FRONT_HIP, 0} : j.hip - Point{1, 0};
    j.near_elbow = j.near_shoulder + dir(p.near_arm.upper, UPPER_ARM);
    j.near_hand = j.near_elbow + dir(p.near_arm.lower, FOREARM);
    j.far_elbow = j.far_shoulder + dir(p.far_arm.upper, UPPER_ARM);
    j.far_hand = j.far_elbow + dir(p.far_arm.lower, FOREARM);
    j.near_knee = j.near_hip + dir(p.near_leg.upper, THIGH);
    j.near_ankle = j.near_knee + dir(p.near_leg.lower, SHIN);
    j.far_knee = j.far_hip + dir(p.far_leg.upper, THIGH);
    j.far_ankle = j.far_knee + dir(p.far_leg.lower, SHIN);
    // In front view the feet point outwards; in side view forward, square to the shin.
    j.near_toe = j.near_ankle + (front ? Point{2, 1} : dir(p.near_leg.lower - 90, FOOT));
    j.far_toe = j.far_ankle + (front ? Point{-2, 1} : dir(p.far_leg.lower - 90, FOOT));
    return j;
}

// Maps figure space onto the scratch canvas: turn about the hips, scale, move to the anchor.
class Placement {
public:
    // Rolls turn about the middle of the back, so a tucked ball spins in place.
    Placement(const Pose& p, double scale) : pivot(Point{p.hip_x, p.hip_y} + dir(-90 + p.lean, 10)), s(scale) {
        const double a = p.spin * PI / 180.0;
        c = std::cos(a), sn = std::sin(a);
    }
    Point operator()(Point q) const {
        const double dx = q.x - pivot.x, dy = q.y - pivot.y;
        const double x = pivot.x + dx * c - dy * sn, y = pivot.y + dx * sn + dy * c;
        return Point{scratch::ox + x * s, scratch::oy + y * s};
    }
    double r(double radius) const { return radius * s; }

private:
    Point pivot;
    double s, c = 1, sn = 0;
};

class Painter {
public:
    Painter(Canvas& canvas, const Placement& place) : cv(canvas), at(place) {}
    void limb(Point a, Point b, double ra, double rb, Rgb c) { cv.fill_capsule(at(a), at(b), at.r(ra), at.r(rb), c); }
    void disc(Point a, double r, Rgb c) { cv.fill_circle(at(a), at.r(r), c); }
    void poly(std::vector<Point> pts, Rgb c) {
        for (Point& q : pts) q = at(q);
        cv.fill_polygon(pts, c);
    }
    void dot(Point a, Rgb c) {
        const Point q = at(a);
        cv.set(static_cast<int>(std::floor(q.x)), static_cast<int>(std::floor(q.y)), c);
    }

private:
    Canvas& cv;
    const Placement& at;
};

void paint_cape(Painter& pt, const Pose& p, const Joints& j, const Look& look) {
    if (!look.has_cape || p.cape_len <= 0) return;
    const Point back = dir(j.torso_dir - 90);
    if (p.view == View::front) {
        const Point hem = j.shoulder + dir(p.cape, p.cape_len);
        const Point side = dir(p.cape - 90);
        pt.poly({j.far_shoulder + Point{0, -1}, j.near_shoulder + Point{0, -1},
                 hem - Point{side.x * 13, side.y * 13}, hem + Point{side.x * 13, side.y * 13}},
                look.cape);
        return;
    }
    // Side view: the cape hangs from the neck along the back and spreads behind it; `cape`
    // is the direction of its inner edge, so 90 hangs straight down and 180 streams back.
    const Point top = j.neck + Point{back.x * 1.5, back.y * 1.5} + dir(j.torso_dir, -3);
    const Point hem = top + dir(p.cape, p.cape_len);
    Point out = dir(p.cape + 90);  // the cape spreads on the side the back faces
    if (out.x * back.x + out.y * back.y < 0) out = Point{-out.x, -out.y};
    auto off = [&](Point a, double d) { return Point{a.x + out.x * d, a.y + out.y * d}; };
    const double flare = 5 + p.cape_len * 0.36;
    pt.poly({top + dir(p.cape, -2), off(top, 6), off(hem + dir(p.cape, -1), flare), off(hem + dir(p.cape, 1.5), flare * 0.55),
             off(hem, flare * 0.25), hem},
            look.cape);
}

void paint_arm(Painter& pt, Point shoulder, Point elbow, Point hand, Rgb limb, Rgb hands) {
    pt.limb(shoulder, elbow, 2.6, 2.2, limb);
    pt.limb(elbow, hand, 2.2, 1.8, limb);
    pt.disc(hand, 2.2, hands);
}

void paint_leg(Painter& pt, Point hip, Point knee, Point ankle, Point toe, Rgb c) {
    pt.limb(hip, knee, 3.8, 3.0, c);
    pt.limb(knee, ankle, 3.0, 2.2, c);
    pt.limb(ankle, toe, 2.0, 1.6, c);
}

void paint_dress(Painter& pt, const Joints& j, const Look& look) {
    const Point waist = j.chest_base + dir(j.torso_dir, 7);
    const Point across = dir(j.torso_dir + 90, 5);
    const bool near_front = j.near_ankle.x >= j.far_ankle.x;
    const Point front_foot = near_front ? j.near_ankle : j.far_ankle;
    const Point back_foot = near_front ? j.far_ankle : j.near_ankle;
    pt.poly({waist - across, waist + across, front_foot + dir(j.torso_dir + 90, 4) + dir(j.torso_dir, 1),
             back_foot - dir(j.torso_dir + 90, 5) + dir(j.torso_dir, 1)},
            look.legs);
}

void paint_torso(Painter& pt, const Pose& p, const Joints& j, const Look& look) {
    const bool front = p.view == View::front;
    const bool cut = p.cut_x != 0 || p.cut_y != 0;
    if (cut) pt.limb(j.hip, j.hip + dir(-90, 4), 4.2, 4.2, look.torso);
    const Point base = cut ? j.chest_base + dir(j.torso_dir, 5) : j.chest_base;
    pt.limb(base, j.shoulder, front ? 6 : 4.8, front ? 7 : 6.0, look.torso);
    if (!p.headless || !cut) pt.limb(j.shoulder, j.neck, 2.6, 2.6, look.torso);
    if (p.headless) pt.limb(j.neck, j.neck + dir(j.torso_dir, 1.5), 2.6, 2.2, look.torso);
}

void paint_head(Painter& pt, const Pose& p, const Joints& j, const Look& look) {
    if (p.headless) return;
    const double up = j.torso_dir + p.nod;
    if (look.has_hair && look.long_hair) pt.limb(j.head, j.head + dir(up - 150, 13), 5, 3.5, look.hair);
    pt.disc(j.head, HEAD_R, look.head);
    if (look.has_hair) {
        pt.disc(j.head + dir(up, 1.5) + dir(up - 90, 1.5), 6.2, look.hair);
        pt.disc(j.head + dir(up + 90, 2.2) + dir(up, -0.8), 4.6, look.head);
    }
    if (p.view == View::front) {
        pt.dot(j.head + dir(up, 1) + dir(up + 90, 2.5), look.eyes);
        pt.dot(j.head + dir(up, 1) + dir(up - 90, 2.5), look.eyes);
        return;
    }
    const Point eye = j.head + dir(up + 90, 4.5) + dir(up, 1);
    pt.dot(eye, look.eyes);
    pt.dot(eye + dir(up + 90, 1.2), look.eyes);
}

struct Blade {
    Point hand, pommel, guard, tip;
};

Blade place_blade(const Pose& p, const Joints& j) {
    const Point hand = p.grip == Grip::far_hand ? j.far_hand : j.near_hand;
    return Blade{hand, hand - dir(p.sword, GRIP_BACK), hand + dir(p.sword, GRIP_FRONT),
                 hand + dir(p.sword, GRIP_FRONT + BLADE)};
}

// Draws the sword into a mask, then colours each of its pixels by what lies beneath.
void paint_sword(Canvas& cv, const Placement& at, const Pose& p, const Blade& b) {
    const Rgb mark{1, 2, 3};
    Canvas mask(cv.width(), cv.height(), key::transparent);
    Painter pm(mask, at);
    const Point across = dir(p.sword + 90, GUARD);
    pm.limb(b.guard - across, b.guard + across, 1.0, 1.0, mark);
    pm.limb(b.pommel, b.guard, 1.0, 1.0, mark);
    pm.disc(b.pommel, 1.6, mark);
    pm.limb(b.guard, b.tip, 1.35, 0.6, mark);
    for (int y = 0; y < cv.height(); ++y)
        for (int x = 0; x < cv.width(); ++x) {
            if (mask.get(x, y) != mark) continue;
            const Rgb under = cv.get(x, y);
            if (under == key::body || under == key::head || under == key::eyes)
                cv.set(x, y, key::sword_on_body);
            else if (under == key::cape)
                cv.set(x, y, key::sword_on_cape);
            else
                cv.set(x, y, key::sword);
        }
}

void paint_strike(Painter& pt, const Pose& p, const Joints& j, const Blade& b) {
    const Point back = dir(p.sword + 180);
    auto along = [&](double d) { return b.tip + Point{back.x * d, back.y * d}; };
    switch (p.strike) {
        case Strike::none: break;
        case Strike::blade2: pt.dot(along(3), key::special), pt.dot(along(12), key::special); break;
        case Strike::blade3:
            pt.dot(along(2.5), key::special), pt.dot(along(10), key::special), pt.dot(along(17.5), key::special);
            break;
        case Strike::tip1: pt.dot(along(1), key::special); break;
        case Strike::tip2: pt.dot(along(1), key::special), pt.dot(along(5), key::special); break;
        case Strike::near_hand: pt.dot(j.near_hand, key::special); break;
        case Strike::far_hand: pt.dot(j.far_hand, key::special); break;
    }
}

}  // namespace

Look fighter_look() {
    Look l;
    l.cape = key::cape;
    l.far_limb = l.torso = l.near_limb = l.legs = l.far_leg = l.hands = l.hair = key::body;
    l.head = key::head;
    l.eyes = key::eyes;
    l.has_cape = true;
    l.has_hair = l.long_hair = l.dress = false;
    l.scale = 1;
    return l;
}

Canvas draw_figure(const Pose& p, const Look& look) {
    Canvas cv(scratch::width, scratch::height, key::transparent);
    const Joints j = place_joints(p);
    const Placement at(p, look.scale);
    Painter pt(cv, at);
    paint_cape(pt, p, j, look);
    if (look.has_hair && look.long_hair && p.view == View::side && !p.headless)
        pt.limb(j.head, j.neck + dir(j.torso_dir - 90, 3) + dir(j.torso_dir, -6), 4.5, 3.5, look.hair);
    paint_leg(pt, j.far_hip, j.far_knee, j.far_ankle, j.far_toe, look.far_leg);
    if (p.view == View::side) paint_arm(pt, j.far_shoulder, j.far_elbow, j.far_hand, look.far_limb, look.hands);
    paint_torso(pt, p, j, look);
    paint_leg(pt, j.near_hip, j.near_knee, j.near_ankle, j.near_toe, look.legs);
    if (look.dress) paint_dress(pt, j, look);
    if (p.view == View::front) paint_arm(pt, j.far_shoulder, j.far_elbow, j.far_hand, look.far_limb, look.hands);
    paint_arm(pt, j.near_shoulder, j.near_elbow, j.near_hand, look.near_limb, look.hands);
    paint_head(pt, p, j, look);
    if (p.grip != Grip::none) {
        const Blade b = place_blade(p, j);
        paint_sword(cv, at, p, b);
        paint_strike(pt, p, j, b);
    } else if (p.strike == Strike::near_hand || p.strike == Strike::far_hand) {
        paint_strike(pt, p, j, Blade{});
    }
    return cv;
}

Canvas crop_to_anchor(const Canvas& s) {
    int minx = s.width(), maxx = -1, miny = s.height(), maxy = -1;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.get(x, y) != key::transparent) {
                minx = std::min(minx, x), maxx = std::max(maxx, x);
                miny = std::min(miny, y), maxy = std::max(maxy, y);
            }
    if (maxx < 0) return Canvas(2, 2, key::transparent);
    const int half = std::max(scratch::ox - minx, maxx - scratch::ox + 1) + 1;
    const int top = std::max(miny - 1, 0);
    return s.crop(scratch::ox - half, top, 2 * half, maxy - top + 1, key::transparent);
}

}  // namespace contentgen
