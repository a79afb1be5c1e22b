#include "Skeleton.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "KeyColours.h"

namespace contentgen {

namespace {

// Body proportions of a standing fighter, in pixels: about five heads tall, broad in the
// shoulders, narrow in the waist.
constexpr double TORSO = 26, SHOULDER = 22, HEAD_RISE = 8.5;
constexpr double UPPER_ARM = 12, FOREARM = 12, THIGH = 15.5, SHIN = 14.5;
constexpr double FRONT_SHOULDER = 7.5, FRONT_HIP = 3.5;
constexpr double GRIP_BACK = 4, GRIP_FRONT = 3, BLADE = 46, GUARD = 3.5;
constexpr double PI = 3.14159265358979323846;

Point dir(double degrees, double length = 1) {
    const double a = degrees * PI / 180.0;
    return Point{std::cos(a) * length, std::sin(a) * length};
}
Point operator+(Point a, Point b) {
    return Point{a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return Point{a.x - b.x, a.y - b.y};
}
Point operator*(Point a, double k) {
    return Point{a.x * k, a.y * k};
}
double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}

// Half-widths of the torso at stations up the spine (t from the hip joint): behind the spine
// and in front of it in side view, left and right in front view.
struct Station {
    double t, back, front;
};
const std::vector<Station> SIDE_TORSO = {{-3.5, 2.4, 2.2}, {-1, 4.6, 3.8},   {3, 4.6, 4.0},
                                         {8, 3.5, 3.6},    {12, 3.8, 5.0},   {16.5, 4.4, 6.6},
                                         {20, 5.0, 6.4},   {22.5, 4.8, 4.6}, {24.5, 3.0, 2.8}};
const std::vector<Station> FRONT_TORSO = {{-3.5, 3.6, 3.6}, {-1, 5.6, 5.6},   {3, 5.6, 5.6},
                                          {8, 4.5, 4.5},    {13, 5.6, 5.6},   {19, 7.4, 7.4},
                                          {22, 8.6, 8.6},   {23.8, 6.8, 6.8}, {25, 2.8, 2.8}};

Station station_at(const std::vector<Station>& s, double t) {
    if (t <= s.front().t) return s.front();
    for (size_t i = 1; i < s.size(); ++i)
        if (t <= s[i].t) {
            const double k = (t - s[i - 1].t) / (s[i].t - s[i - 1].t);
            return Station{t, s[i - 1].back + (s[i].back - s[i - 1].back) * k,
                           s[i - 1].front + (s[i].front - s[i - 1].front) * k};
        }
    return s.back();
}

// Joint positions of one pose in figure space (anchor at 0, 0), before spin and scale.
struct Joints {
    Point hip, chest_base, shoulder, neck, head;
    Point near_shoulder, far_shoulder, near_hip, far_hip;
    Point near_elbow, near_hand, far_elbow, far_hand;
    Point near_knee, near_ankle, far_knee, far_ankle;
    double torso_dir;
    Point up, front; // along the spine, and across it towards the chest
};

// Bends a two-part arm from `shoulder` so that its hand reaches `target` (or as near as the arm
// allows), the elbow dropping below the line between them.
void reach(Point shoulder, Point target, Point& elbow, Point& hand) {
    const Point v = target - shoulder;
    const double d = std::clamp(std::hypot(v.x, v.y), 1.0, UPPER_ARM + FOREARM - 0.1);
    const double base = std::atan2(v.y, v.x) * 180 / PI;
    const double bend =
        std::acos((UPPER_ARM * UPPER_ARM + d * d - FOREARM * FOREARM) / (2 * UPPER_ARM * d)) * 180 /
        PI;
    const Point e1 = shoulder + dir(base + bend, UPPER_ARM);
    const Point e2 = shoulder + dir(base - bend, UPPER_ARM);
    elbow = e1.y >= e2.y ? e1 : e2;
    const Point f = target - elbow;
    hand = elbow + dir(std::atan2(f.y, f.x) * 180 / PI, FOREARM);
}

Joints place_joints(const Pose& p) {
    Joints j;
    j.hip = Point{p.hip_x, p.hip_y};
    j.torso_dir = -90 + p.lean;
    j.up = dir(j.torso_dir);
    j.front = dir(j.torso_dir + 90); // forward in side view, screen right in front view
    j.chest_base = j.hip + Point{p.cut_x, p.cut_y};
    j.shoulder = j.chest_base + j.up * SHOULDER;
    j.neck = j.chest_base + j.up * TORSO;
    j.head = j.neck + dir(j.torso_dir + p.nod, HEAD_RISE);
    const bool front = p.view == View::front;
    j.near_shoulder = front ? j.shoulder + j.front * FRONT_SHOULDER : j.shoulder;
    j.far_shoulder = front ? j.shoulder - j.front * FRONT_SHOULDER : j.shoulder - j.front * 1.5;
    // The far leg sits a pixel behind the near one, so a standing pair does not fuse into one.
    j.near_hip = front ? j.hip + Point{FRONT_HIP, 0} : j.hip;
    j.far_hip = front ? j.hip - Point{FRONT_HIP, 0} : j.hip - Point{1, 0};
    j.near_elbow = j.near_shoulder + dir(p.near_arm.upper, UPPER_ARM);
    j.near_hand = j.near_elbow + dir(p.near_arm.lower, FOREARM);
    j.far_elbow = j.far_shoulder + dir(p.far_arm.upper, UPPER_ARM);
    j.far_hand = j.far_elbow + dir(p.far_arm.lower, FOREARM);
    if (p.grip == Grip::both)
        reach(j.far_shoulder, j.near_hand - dir(p.sword, 3.4), j.far_elbow, j.far_hand);
    j.near_knee = j.near_hip + dir(p.near_leg.upper, THIGH);
    j.near_ankle = j.near_knee + dir(p.near_leg.lower, SHIN);
    j.far_knee = j.far_hip + dir(p.far_leg.upper, THIGH);
    j.far_ankle = j.far_knee + dir(p.far_leg.lower, SHIN);
    return j;
}

// Maps figure space onto the scratch canvas: turn about the hips, scale, move to the anchor.
class Placement {
  public:
    // Rolls turn about the middle of the back, so a tucked ball spins in place.
    Placement(const Pose& p, double scale)
        : pivot(Point{p.hip_x, p.hip_y} + dir(-90 + p.lean, 10)), s(scale), turn(p.spin) {
        const double a = p.spin * PI / 180.0;
        c = std::cos(a), sn = std::sin(a);
    }
    Point operator()(Point q) const {
        const double dx = q.x - pivot.x, dy = q.y - pivot.y;
        const double x = pivot.x + dx * c - dy * sn, y = pivot.y + dx * sn + dy * c;
        return Point{scratch::ox + x * s, scratch::oy + y * s};
    }
    double r(double radius) const { return radius * s; }
    double angle(double degrees) const { return degrees + turn; }

  private:
    Point pivot;
    double s, turn, c = 1, sn = 0;
};

class Painter {
  public:
    Painter(Canvas& canvas, const Placement& place) : cv(canvas), at(place) {}
    void limb(Point a, Point b, double ra, double rb, Rgb c) {
        cv.fill_capsule(at(a), at(b), at.r(ra), at.r(rb), c);
    }
    void disc(Point a, double r, Rgb c) { cv.fill_circle(at(a), at.r(r), c); }
    void poly(std::vector<Point> pts, Rgb c) {
        for (Point& q : pts)
            q = at(q);
        cv.fill_polygon(pts, c);
    }
    void dot(Point a, Rgb c) {
        const Point q = at(a);
        cv.set(static_cast<int>(std::floor(q.x)), static_cast<int>(std::floor(q.y)), c);
    }
    void line(Point a, Point b, Rgb c) { cv.draw_line(at(a), at(b), c); }

  private:
    Canvas& cv;
    const Placement& at;
};

// The cape hangs from the neck down the back, then flows in the pose's direction: the flow is
// where the motion leaves it, so it trails a turn or a jump. Its hem falls in folds.
void paint_side_cape(Painter& pt, const Pose& p, const Joints& j, Rgb colour) {
    const Point back = j.front * -1;
    const double len = p.cape_len;
    const Point top = j.neck - j.up * 2.5 + back * 2.5;
    // The upper part turns halfway from the back towards the flow, the rest follows the flow.
    const double down_back = j.torso_dir + 180;
    const double turn = std::remainder(p.cape - down_back, 360.0);
    const Point bend = top + dir(down_back + turn / 2, len * 0.38) + back * 1.5;
    const Point hem = bend + dir(p.cape, len * 0.62);
    // How far the cape streams away from hanging along the back: flutter grows with it.
    const Point hang = j.up * -1;
    const double stream = 1 - std::max(0.0, dot(dir(p.cape), hang));
    const double flare = 4 + len * 0.3, ripple = 0.5 + 1.4 * stream;
    constexpr int N = 14;
    std::vector<Point> inner, outer;
    double side = 0;
    for (int i = 0; i <= N; ++i) {
        const double t = static_cast<double>(i) / N;
        const Point s = top * ((1 - t) * (1 - t)) + bend * (2 * (1 - t) * t) + hem * (t * t);
        Point tan = (bend - top) * (2 * (1 - t)) + (hem - bend) * (2 * t);
        const double tl = std::hypot(tan.x, tan.y);
        tan = tl > 0 ? tan * (1 / tl) : hang;
        Point n{-tan.y, tan.x};
        if (i == 0) side = dot(n, back) < 0 ? -1 : 1; // the outer edge starts on the back's side
        n = n * side;
        const double wave = ripple * std::sin(t * 2.6 * 2 * PI) * t;
        inner.push_back(s - n * (1.0 + 1.2 * t));
        outer.push_back(s + n * (2.5 + flare * t + wave));
    }
    // The hem: fold tips hanging below it, alternating long and short.
    const Point tan = hem - bend;
    const double tl = std::hypot(tan.x, tan.y);
    const Point down = tl > 0 ? tan * (1 / tl) : hang;
    std::vector<Point> shape = inner;
    static const double tips[] = {1.5, -0.5, 2.8, 0.0, 2.2, -0.8, 1.2};
    constexpr int T = sizeof tips / sizeof tips[0];
    for (int k = 0; k < T; ++k) {
        const double f = static_cast<double>(k) / (T - 1);
        const Point h = inner.back() + (outer.back() - inner.back()) * f;
        shape.push_back(h + down * (tips[k] * (0.6 + len / 60)));
    }
    for (int i = N; i >= 0; --i)
        shape.push_back(outer[static_cast<size_t>(i)]);
    pt.poly(shape, colour);
}

// Seen from the front the cape shows around the body and below it; `cape` tilts its fall, so a
// fighter turning leaves it swinging on the side he came from.
void paint_front_cape(Painter& pt, const Pose& p, const Joints& j, Rgb colour) {
    const Point top = j.shoulder - j.up * 1.0;
    const Point hem = top + dir(p.cape, p.cape_len);
    const Point across = dir(p.cape - 90);
    const double half = 9 + p.cape_len * 0.22;
    std::vector<Point> shape = {j.far_shoulder + j.up * 1.5 - j.front * 2.5,
                                j.near_shoulder + j.up * 1.5 + j.front * 2.5,
                                (top + hem) * 0.5 + across * (half * 0.82 + 1.2)};
    static const double tips[] = {0.5, 2.5, -0.5, 3.0, 0.0, 2.4, -0.4, 1.8, 0.4};
    constexpr int T = sizeof tips / sizeof tips[0];
    const Point down = dir(p.cape);
    for (int k = 0; k < T; ++k) {
        const double f = 1 - 2.0 * k / (T - 1);
        shape.push_back(hem + across * (half * f) + down * tips[k]);
    }
    shape.push_back((top + hem) * 0.5 - across * (half * 0.82 + 1.2));
    pt.poly(shape, colour);
}

void paint_torso_section(Painter& pt, const Pose& p, Point base, double t0, double t1,
                         const Joints& j, Rgb c) {
    const std::vector<Station>& st = p.view == View::front ? FRONT_TORSO : SIDE_TORSO;
    std::vector<double> ts = {t0};
    for (const Station& s : st)
        if (s.t > t0 && s.t < t1) ts.push_back(s.t);
    ts.push_back(t1);
    std::vector<Point> shape;
    for (double t : ts)
        shape.push_back(base + j.up * t + j.front * station_at(st, t).front);
    for (auto it = ts.rbegin(); it != ts.rend(); ++it)
        shape.push_back(base + j.up * *it - j.front * station_at(st, *it).back);
    pt.poly(shape, c);
}

void paint_torso(Painter& pt, const Pose& p, const Joints& j, const Look& look) {
    const bool cut = p.cut_x != 0 || p.cut_y != 0;
    const double top = p.view == View::front ? 25 : 24.5;
    if (cut) {
        // Cut in two at the waist: the hips stay on the legs, the rest has gone.
        paint_torso_section(pt, p, j.hip, -3.5, 6, j, look.torso);
        paint_torso_section(pt, p, j.chest_base, 8, top, j, look.torso);
    } else {
        paint_torso_section(pt, p, j.hip, -3.5, top, j, look.torso);
    }
    const Point neck_base = j.chest_base + j.up * 22;
    if (p.headless)
        pt.limb(neck_base, j.neck + j.up * 1.2, 3.0, 2.6, look.torso);
    else
        pt.limb(neck_base, j.neck + dir(j.torso_dir + p.nod, 3.5), 3.2, 2.7, look.torso);
}

void paint_arm(Painter& pt, Point shoulder, Point elbow, Point hand, bool open, Rgb limb,
               Rgb hands) {
    pt.disc(shoulder, 3.3, limb);
    pt.limb(shoulder, elbow, 3.0, 2.2, limb);
    const Point fore = elbow + (hand - elbow) * 0.3;
    pt.limb(elbow, fore, 2.2, 2.5, limb);
    pt.limb(fore, hand, 2.5, 1.6, limb);
    if (open) {
        // An open hand: the palm and fingers reaching on from the wrist.
        Point d = hand - elbow;
        const double dl = std::hypot(d.x, d.y);
        d = dl > 0 ? d * (1 / dl) : Point{1, 0};
        pt.limb(hand - d * 0.5, hand + d * 3.2, 2.0, 1.3, hands);
    } else {
        pt.disc(hand, 2.4, hands);
    }
}

void paint_leg(Painter& pt, const Pose& p, Point hip, Point knee, Point ankle, double shin, Rgb c) {
    pt.limb(hip, hip + (knee - hip) * 0.45, 4.4, 3.9, c);
    pt.limb(hip + (knee - hip) * 0.45, knee, 3.9, 2.9, c);
    if (p.view == View::front) {
        pt.limb(knee, ankle, 2.9, 2.0, c);
        const double out = hip.x > p.hip_x ? 1 : -1; // toes turn outwards
        pt.limb(ankle, ankle + Point{2.6 * out, 1.3}, 2.1, 1.8, c);
        return;
    }
    // The foot lies square to the shin: flat under a standing leg, toes down on a leg pushing off.
    const Point f = dir(shin - 90), u = dir(shin - 180);
    const Point calf = knee + (ankle - knee) * 0.32 - f * 0.8;
    pt.limb(knee, calf, 2.9, 3.2, c);
    pt.limb(calf, ankle, 3.2, 1.8, c);
    pt.poly({ankle - f * 1.8 + u * 1.4, ankle - f * 2.6 - u * 1.4, ankle + f * 5.4 - u * 2.0,
             ankle + f * 6.4 - u * 0.7, ankle + f * 2.6 + u * 1.7},
            c);
}

void paint_dress(Painter& pt, const Joints& j, const Look& look) {
    const Point waist = j.chest_base + j.up * 7;
    const Point across = j.front * 5;
    const bool near_front = j.near_ankle.x >= j.far_ankle.x;
    const Point front_foot = near_front ? j.near_ankle : j.far_ankle;
    const Point back_foot = near_front ? j.far_ankle : j.near_ankle;
    pt.poly({waist - across, waist + across, front_foot + j.front * 4 + j.up * 1,
             back_foot - j.front * 5 + j.up * 1},
            look.legs);
}

void paint_head(Painter& pt, const Pose& p, const Joints& j, const Look& look) {
    if (p.headless) return;
    const double updir = j.torso_dir + p.nod;
    const Point u = dir(updir), f = dir(updir + 90);
    const bool front = p.view == View::front;
    if (look.has_hair && look.long_hair)
        pt.limb(j.head, j.head + dir(updir - 150, 13), 5, 3.5, look.hair);
    // The skull, fuller at the back, and the jaw below and ahead of it: a head with a face.
    if (front) {
        pt.disc(j.head + u * 1.0, 5.8, look.head);
        pt.limb(j.head - u * 1.0, j.head - u * 4.0, 4.6, 3.0, look.head);
    } else {
        pt.disc(j.head + u * 1.0 - f * 0.4, 6.0, look.head);
        pt.disc(j.head - f * 2.0 - u * 0.2, 4.6, look.head);
        pt.limb(j.head + f * 1.4 - u * 0.6, j.head + f * 2.9 - u * 4.0, 4.2, 2.0, look.head);
        pt.dot(j.head + f * 5.8 + u * 0.4, look.head); // the nose
    }
    if (look.has_hair) {
        pt.disc(j.head + u * 2.0 - f * 1.5, 6.0, look.hair);
        pt.disc(j.head + f * 2.4 - u * 0.9, 4.4, look.head);
    }
    if (front) {
        pt.dot(j.head + u * 1 + f * 2.5, look.eyes);
        pt.dot(j.head + u * 1 - f * 2.5, look.eyes);
        return;
    }
    const Point eye = j.head + f * 3.9 + u * 1.4;
    pt.dot(eye, look.eyes);
    pt.dot(eye + f * 1.2, look.eyes);
}

struct Blade {
    Point hand, pommel, guard, tip;
};

Blade place_blade(const Pose& p, const Joints& j) {
    const Point hand = p.grip == Grip::far_hand ? j.far_hand : j.near_hand;
    const double back = p.grip == Grip::both ? GRIP_BACK + 2 : GRIP_BACK;
    return Blade{hand, hand - dir(p.sword, back), hand + dir(p.sword, GRIP_FRONT),
                 hand + dir(p.sword, GRIP_FRONT + BLADE)};
}

const Rgb MARK{1, 2, 3};

// Colours each marked pixel of the mask as sword by what lies beneath; `over_body` false keeps
// the body, head and eyes uncovered (a smear never takes a pixel away from a blow).
void lay_steel(Canvas& cv, const Canvas& mask, bool over_body) {
    for (int y = 0; y < cv.height(); ++y)
        for (int x = 0; x < cv.width(); ++x) {
            if (mask.get(x, y) != MARK) continue;
            const Rgb under = cv.get(x, y);
            if (under == key::body || under == key::head || under == key::eyes) {
                if (over_body) cv.set(x, y, key::sword_on_body);
            } else if (under == key::cape || under == key::sword_on_cape) {
                cv.set(x, y, key::sword_on_cape);
            } else if (under == key::transparent || over_body) {
                cv.set(x, y, key::sword);
            }
        }
}

void paint_sword(Canvas& cv, const Placement& at, const Pose& p, const Blade& b) {
    Canvas mask(cv.width(), cv.height(), key::transparent);
    Painter pm(mask, at);
    const Point across = dir(p.sword + 90, GUARD);
    pm.limb(b.guard - across, b.guard + across, 1.0, 1.0, MARK);
    pm.limb(b.pommel, b.guard, 1.0, 1.0, MARK);
    pm.disc(b.pommel, 1.6, MARK);
    const Point side = dir(p.sword + 90, 1.3);
    pm.poly({b.guard + side, b.tip - dir(p.sword, 5) + side * 0.8, b.tip,
             b.tip - dir(p.sword, 5) - side * 0.8, b.guard - side},
            MARK);
    lay_steel(cv, mask, true);
}

// A crescent trailing the blade's tip along the arc it swept: as deep as a third of the blade
// next to it, thinning to nothing where the swing came from, split by a thin streak.
void paint_arc(Canvas& mask, const Placement& at, const Pose& p, const Blade& b) {
    const Point c = at(b.hand);
    const double reach = at.r(GRIP_FRONT + BLADE), depth = at.r(BLADE * 0.3);
    const double span = std::fabs(p.swept);
    const double lo = at.angle(p.swept > 0 ? p.sword - p.swept : p.sword);
    const int x0 = static_cast<int>(c.x - reach) - 1, x1 = static_cast<int>(c.x + reach) + 1;
    const int y0 = static_cast<int>(c.y - reach) - 1, y1 = static_cast<int>(c.y + reach) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - c.x, dy = y + 0.5 - c.y;
            const double r = std::hypot(dx, dy);
            double d = std::atan2(dy, dx) * 180 / PI - lo;
            d = std::fmod(std::fmod(d, 360) + 360, 360);
            if (d > span) continue;
            const double s = p.swept > 0 ? d / span : 1 - d / span; // 1 at the blade
            const double inner = reach + 0.5 - depth * s;
            const double streak = reach - depth * s * 0.55;
            if (r > reach + 0.5 || r < inner || (s < 0.9 && std::fabs(r - streak) < 0.6)) continue;
            mask.set(x, y, MARK);
        }
}

void paint_smear(Canvas& cv, const Placement& at, const Pose& p, const Joints& j, const Blade& b) {
    if (p.smear == Smear::none) return;
    Canvas mask(cv.width(), cv.height(), key::transparent);
    Painter pm(mask, at);
    if (p.smear == Smear::arc) paint_arc(mask, at, p, b);
    if (p.smear == Smear::thrust) {
        // Streaks along the blade and trailing off the back: the whole body drove forward.
        const Point along = dir(p.sword), across = dir(p.sword + 90);
        pm.line(b.hand + across * 3.5 - along * 6, b.hand + across * 3.5 + along * 20, MARK);
        pm.line(b.hand - across * 3.5 - along * 2, b.hand - across * 3.5 + along * 14, MARK);
        const Point behind{-1, 0};
        pm.line(j.shoulder + behind * 8, j.shoulder + behind * 24, MARK);
        pm.line(j.hip + j.up * 6 + behind * 10, j.hip + j.up * 6 + behind * 22, MARK);
    }
    if (p.smear == Smear::dive) {
        // Lines left above a body plunging straight down.
        const Point top = j.neck + dir(j.torso_dir + p.nod, HEAD_RISE + 9);
        pm.line(top + Point{-7, 6}, top + Point{-7, -8}, MARK);
        pm.line(top + Point{0, 0}, top + Point{0, -14}, MARK);
        pm.line(top + Point{7, 5}, top + Point{7, -6}, MARK);
    }
    lay_steel(cv, mask, false);
}

void paint_strike(Painter& pt, const Pose& p, const Joints& j, const Blade& b) {
    const Point back = dir(p.sword + 180);
    auto along = [&](double d) { return b.tip + back * d; };
    switch (p.strike) {
    case Strike::none:
        break;
    case Strike::blade2:
        pt.dot(along(3), key::special), pt.dot(along(12), key::special);
        break;
    case Strike::blade3:
        pt.dot(along(2.5), key::special), pt.dot(along(10), key::special),
            pt.dot(along(17.5), key::special);
        break;
    case Strike::tip1:
        pt.dot(along(1), key::special);
        break;
    case Strike::tip2:
        pt.dot(along(1), key::special), pt.dot(along(5), key::special);
        break;
    case Strike::near_hand:
        pt.dot(j.near_hand, key::special);
        break;
    case Strike::far_hand:
        pt.dot(j.far_hand, key::special);
        break;
    }
}

bool casting_with(const Pose& p, Grip hand) {
    return p.grip != hand && ((hand == Grip::near_hand && p.strike == Strike::near_hand) ||
                              (hand == Grip::far_hand && p.strike == Strike::far_hand));
}

} // namespace

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
    const bool front = p.view == View::front;
    if (look.has_cape && p.cape_len > 0) {
        if (front)
            paint_front_cape(pt, p, j, look.cape);
        else
            paint_side_cape(pt, p, j, look.cape);
    }
    if (look.has_hair && look.long_hair && !front && !p.headless)
        pt.limb(j.head, j.neck - j.front * 3 - j.up * 6, 4.5, 3.5, look.hair);
    const bool open_near = casting_with(p, Grip::near_hand);
    const bool open_far = casting_with(p, Grip::far_hand);
    paint_leg(pt, p, j.far_hip, j.far_knee, j.far_ankle, p.far_leg.lower, look.far_leg);
    if (!front)
        paint_arm(pt, j.far_shoulder, j.far_elbow, j.far_hand, open_far, look.far_limb, look.hands);
    paint_torso(pt, p, j, look);
    paint_leg(pt, p, j.near_hip, j.near_knee, j.near_ankle, p.near_leg.lower, look.legs);
    if (look.dress) paint_dress(pt, j, look);
    if (front)
        paint_arm(pt, j.far_shoulder, j.far_elbow, j.far_hand, false, look.far_limb, look.hands);
    paint_arm(pt, j.near_shoulder, j.near_elbow, j.near_hand, open_near, look.near_limb,
              look.hands);
    paint_head(pt, p, j, look);
    if (p.grip != Grip::none) {
        const Blade b = place_blade(p, j);
        paint_sword(cv, at, p, b);
        paint_smear(cv, at, p, j, b);
        paint_strike(pt, p, j, b);
    } else if (p.strike == Strike::near_hand || p.strike == Strike::far_hand) {
        paint_strike(pt, p, j, Blade{});
    }
    return cv;
}

Canvas crop_to_anchor(const Canvas& s, bool stand_on_body) {
    // On the ground the lowest pixel of the body is the floor; a sword or cape reaching lower
    // rests on the ground and is cut off there, so the fighter never floats.
    int floor_row = -1, lowest = -1;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const Rgb c = s.get(x, y);
            if (c == key::transparent) continue;
            lowest = y;
            if (c != key::sword && c != key::sword_on_body && c != key::sword_on_cape &&
                c != key::cape)
                floor_row = y;
        }
    const int bottom = stand_on_body && floor_row >= 0 ? floor_row : lowest;
    int minx = s.width(), maxx = -1, miny = s.height();
    for (int y = 0; y <= bottom; ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.get(x, y) != key::transparent) {
                minx = std::min(minx, x), maxx = std::max(maxx, x);
                miny = std::min(miny, y);
            }
    if (maxx < 0) return Canvas(2, 2, key::transparent);
    const int half = std::max(scratch::ox - minx, maxx - scratch::ox + 1) + 1;
    const int top = std::max(miny - 1, 0);
    return s.crop(scratch::ox - half, top, 2 * half, bottom - top + 1, key::transparent);
}

} // namespace contentgen
