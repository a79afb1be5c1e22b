// Checks the generated pictures against what the game's loaders and hit tests rely on.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string DATA = IRONVALE_DATA_DIR;

struct Colour {
    Uint8 r, g, b;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator<(const Colour& o) const {
        return (r << 16 | g << 8 | b) < (o.r << 16 | o.g << 8 | o.b);
    }
};

const Colour BLUE{0, 0, 255}, BLACK{0, 0, 0}, HEAD{255, 0, 255}, EYES{0, 255, 0},
    CAPE{128, 128, 128}, SWORD{255, 255, 0}, SWORD_ON_BODY{0, 255, 255},
    SWORD_ON_CAPE{128, 255, 255}, SPECIAL{255, 0, 0};
// Every key colour of the game besides black and blue: recoloured, read as marks, or produced.
const std::vector<Colour> RESERVED = {
    HEAD,           EYES,         CAPE,           SWORD,          SWORD_ON_BODY,   SWORD_ON_CAPE,
    SPECIAL,        {1, 1, 1},    {155, 0, 0},    {50, 200, 230}, {255, 100, 255}, {170, 66, 170},
    {113, 44, 113}, {75, 29, 75}, {255, 255, 255}};

bool is_reserved(Colour c) {
    for (const Colour& k : RESERVED)
        if (c == k) return true;
    return false;
}

// A loaded picture as plain RGB, read through the surface's own format.
struct Picture {
    int w = 0, h = 0;
    std::vector<Colour> px;
    Colour at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

bool load(const std::string& path, Picture& out) {
    SDL_Surface* s = IMG_Load(path.c_str());
    if (!s) return false;
    out.w = s->w, out.h = s->h;
    out.px.assign(static_cast<size_t>(s->w) * s->h, Colour{});
    SDL_LockSurface(s);
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            for (int b = 0; b < bpp; ++b)
                v |= static_cast<Uint32>(p[b]) << (8 * b);
            Colour c;
            SDL_GetRGB(v, s->format, &c.r, &c.g, &c.b);
            out.px[static_cast<size_t>(y) * s->w + x] = c;
        }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return true;
}

std::string agent(int n) {
    return DATA + "/graphics/agents/" + std::to_string(n) + ".png";
}
std::string sprite(int n) {
    return DATA + "/graphics/sprites/" + std::to_string(n) + ".png";
}

bool is_civilian(int n) {
    return n == 89 || n == 93 || n == 94 || (n >= 127 && n <= 129);
}
bool is_pit(int n) {
    return n >= 120 && n <= 123;
}
bool is_burning(int n) {
    return (n >= 80 && n <= 88) || (n >= 116 && n <= 118);
}
// Poses shown in the air; every other pose stands on the floor with its body.
bool is_airborne(int n) {
    return n == 16 || n == 17 || (n >= 19 && n <= 24) || n == 36 || n == 37 ||
           (n >= 54 && n <= 62) || n == 71;
}

// Attack points (red pixels) relative to the anchor (w / 2, h), in the game's scanning order.
std::vector<SDL_Rect> attack_points(const Picture& p) {
    std::vector<SDL_Rect> out;
    for (int x = 0; x < p.w; ++x)
        for (int y = 0; y < p.h; ++y)
            if (p.at(x, y) == SPECIAL)
                out.push_back(
                    SDL_Rect{static_cast<Sint16>(x - p.w / 2), static_cast<Sint16>(y - p.h), 1, 1});
    return out;
}

class Pictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { SDL_Init(0); }
    static void TearDownTestSuite() { SDL_Quit(); }
};

TEST_F(Pictures, EveryFileExistsAndLoadsWithTheSizesTheGameFixes) {
    Picture p;
    for (int n = 0; n < 130; ++n)
        EXPECT_TRUE(load(agent(n), p)) << agent(n);
    for (int n = 0; n < 66; ++n)
        EXPECT_TRUE(load(sprite(n), p)) << sprite(n);
    ASSERT_TRUE(load(DATA + "/graphics/screens/sword.png", p));
    EXPECT_EQ(300, p.w);
    EXPECT_EQ(32, p.h);
    ASSERT_TRUE(load(DATA + "/graphics/screens/title.png", p));
    EXPECT_EQ(800, p.w);
    ASSERT_TRUE(load(DATA + "/graphics/screens/floor.png", p));
    EXPECT_EQ(800, p.w);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(load(DATA + "/graphics/screens/end" + std::to_string(n) + ".png", p));
        EXPECT_EQ(800, p.w);
        EXPECT_EQ(600, p.h);
    }
    ASSERT_TRUE(load(DATA + "/graphics/sprites/sword.png", p));
    EXPECT_NEAR(60, p.w, 10);
    ASSERT_TRUE(load(DATA + "/graphics/empty.PNG", p));
    ASSERT_EQ(1, p.w);
    ASSERT_EQ(1, p.h);
    EXPECT_TRUE(p.at(0, 0) == BLUE);
}

TEST_F(Pictures, EverySettingHasItsLayersWithTheFloorEdgeOnScreenRow500) {
    for (const char* setting : {"village", "forest", "castle", "snow", "cliff", "hell"}) {
        Picture p;
        for (const char* layer : {"_far", "_mid", "_ground", "_front"}) {
            const std::string path = DATA + "/graphics/screens/" + setting + layer + ".png";
            ASSERT_TRUE(load(path, p)) << path;
            EXPECT_EQ(800, p.w) << path;
        }
        // Placed with bottom 0, the ground layer's row h - 100 is screen row 500: ground from there
        // down at the centre, open sky just above it.
        ASSERT_TRUE(load(DATA + "/graphics/screens/" + setting + "_ground.png", p));
        EXPECT_FALSE(p.at(400, p.h - 100) == BLUE) << setting;
        EXPECT_FALSE(p.at(400, p.h - 1) == BLUE) << setting;
        EXPECT_TRUE(p.at(400, p.h - 110) == BLUE) << setting;
    }
    Picture cliff;
    ASSERT_TRUE(load(DATA + "/graphics/screens/cliff_ground.png", cliff));
    for (int x : {0, 150, 650, 799})
        EXPECT_TRUE(cliff.at(x, cliff.h - 99) == BLUE) << "cliff has a drop at x " << x;
    for (int x : {210, 400, 590})
        EXPECT_FALSE(cliff.at(x, cliff.h - 99) == BLUE) << "cliff has ground at x " << x;
}

TEST_F(Pictures, FighterPosesUseOnlyKeyColoursAndAreCentredOnTheAnchor) {
    const std::vector<Colour> keys = {BLUE,  BLACK,         HEAD,          EYES,   CAPE,
                                      SWORD, SWORD_ON_BODY, SWORD_ON_CAPE, SPECIAL};
    for (int n = 0; n < 130; ++n) {
        if (is_civilian(n) || is_pit(n) || n == 70) continue;
        Picture p;
        ASSERT_TRUE(load(agent(n), p));
        EXPECT_EQ(0, p.w % 2) << "pose " << n << " has an odd width";
        int left = p.w, right = p.w, bottom_row = 0, near_centre = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                const Colour c = p.at(x, y);
                bool key = false;
                for (const Colour& k : keys)
                    key = key || c == k;
                if (is_burning(n))
                    EXPECT_TRUE(key || !is_reserved(c)) << "pose " << n << " at " << x << "," << y;
                else
                    EXPECT_TRUE(key) << "pose " << n << " at " << x << "," << y;
                if (c == BLUE) continue;
                left = std::min(left, x), right = std::min(right, p.w - 1 - x);
                const bool steel_or_cape =
                    c == SWORD || c == SWORD_ON_BODY || c == SWORD_ON_CAPE || c == CAPE;
                if (y == p.h - 1 && (is_airborne(n) || !steel_or_cape)) ++bottom_row;
                if (x >= p.w / 2 - 4 && x <= p.w / 2 + 3) ++near_centre;
            }
        EXPECT_LE(std::min(left, right), 2) << "pose " << n << " is not cropped tightly";
        EXPECT_GT(bottom_row, 0) << "pose " << n
                                 << " does not stand on its bottom row with its body";
        EXPECT_GT(near_centre, 0) << "pose " << n << " is not centred on column w / 2";
    }
}

TEST_F(Pictures, VanishedPoseIsEntirelyTransparent) {
    Picture p;
    ASSERT_TRUE(load(agent(70), p));
    for (const Colour& c : p.px)
        EXPECT_TRUE(c == BLUE);
}

TEST_F(Pictures, AttackPointsAreWhereTheAttacksStart) {
    const std::map<int, std::pair<int, int>> counts = {{14, {2, 3}},  {45, {2, 3}}, {21, {2, 3}},
                                                       {71, {1, 2}},  {29, {1, 1}}, {62, {1, 1}},
                                                       {119, {1, 1}}, {66, {1, 1}}, {95, {1, 1}}};
    for (int n = 0; n < 130; ++n) {
        Picture p;
        ASSERT_TRUE(load(agent(n), p));
        const size_t found = attack_points(p).size();
        const auto it = counts.find(n);
        if (it == counts.end()) {
            EXPECT_EQ(0u, found) << "pose " << n;
        } else {
            EXPECT_GE(found, static_cast<size_t>(it->second.first)) << "pose " << n;
            EXPECT_LE(found, static_cast<size_t>(it->second.second)) << "pose " << n;
        }
    }
    // Reach (facing right, relative to the anchor), with a few pixels' slack.
    struct Reach {
        int pose, x0, x1, y0, y1;
    };
    for (const Reach& r : {Reach{14, 59, 83, -53, -37}, Reach{45, 67, 95, -51, -35},
                           Reach{21, 31, 59, -29, -1}, Reach{29, 22, 34, -56, -44}}) {
        Picture p;
        ASSERT_TRUE(load(agent(r.pose), p));
        for (const SDL_Rect& a : attack_points(p)) {
            EXPECT_GE(a.x, r.x0) << "pose " << r.pose;
            EXPECT_LE(a.x, r.x1) << "pose " << r.pose;
            EXPECT_GE(a.y, r.y0) << "pose " << r.pose;
            EXPECT_LE(a.y, r.y1) << "pose " << r.pose;
        }
    }
    // The stomp's points are at the tip of the downward sword, in the bottom rows.
    Picture stomp;
    ASSERT_TRUE(load(agent(71), stomp));
    for (const SDL_Rect& a : attack_points(stomp))
        EXPECT_GE(a.y, -8);
    // The lightning hand is raised above the head.
    Picture lightning;
    ASSERT_TRUE(load(agent(119), lightning));
    for (const SDL_Rect& a : attack_points(lightning))
        EXPECT_LE(a.y, -74);
}

TEST_F(Pictures, CiviliansPitAndPlainSpritesAvoidTheSpecialKeyColours) {
    std::vector<std::string> paths;
    for (int n = 0; n < 130; ++n)
        if (is_civilian(n) || is_pit(n)) paths.push_back(agent(n));
    for (int n = 0; n < 66; ++n)
        paths.push_back(sprite(n));
    for (const char* f :
         {"sprites/sword.png", "screens/sword.png", "screens/title.png", "screens/floor.png",
          "screens/end1.png", "screens/end2.png", "screens/end3.png", "screens/hell_ground.png",
          "screens/village_mid.png", "screens/snow_far.png"})
        paths.push_back(DATA + "/graphics/" + f);
    for (const std::string& path : paths) {
        Picture p;
        ASSERT_TRUE(load(path, p)) << path;
        int bad = 0;
        for (const Colour& c : p.px)
            bad += is_reserved(c);
        EXPECT_EQ(0, bad) << path;
    }
    // Opaque pictures have no transparent holes.
    for (const char* f : {"floor.png", "end1.png", "end2.png", "end3.png"}) {
        Picture p;
        ASSERT_TRUE(load(DATA + "/graphics/screens/" + f, p));
        for (const Colour& c : p.px)
            ASSERT_FALSE(c == BLUE) << f;
    }
}

TEST_F(Pictures, ChildAndWomanHaveTheirHeights) {
    for (int n : {89, 93}) {
        Picture p;
        ASSERT_TRUE(load(agent(n), p));
        EXPECT_NEAR(45, p.h, 5) << "child " << n;
    }
    for (int n : {127, 128}) {
        Picture p;
        ASSERT_TRUE(load(agent(n), p));
        EXPECT_NEAR(65, p.h, 5) << "woman " << n;
    }
}

TEST_F(Pictures, PlainSpritesHaveTheSizesTheEffectsAreTunedFor) {
    struct Size {
        int first, last, w0, w1, h0, h1;
    };
    const Size sizes[] = {
        {1, 4, 24, 32, 10, 18},     // fire bolt
        {5, 10, 8, 32, 8, 32},      // smoke puff
        {11, 16, 12, 20, 24, 32},   // flame
        {17, 20, 9, 15, 9, 15},     // stone
        {21, 21, 32, 48, 32, 48},   // flash
        {22, 27, 18, 64, 18, 64},   // explosion ring
        {37, 37, 1, 3, 12, 20},     // rain streak
        {38, 38, 44, 56, 6, 10},    // floating sword
        {46, 49, 70, 90, 110, 130}, // death burst
        {50, 61, 26, 34, 34, 46},   // hellfire
        {62, 65, 4, 7, 4, 7},       // flesh
    };
    for (const Size& s : sizes)
        for (int n = s.first; n <= s.last; ++n) {
            Picture p;
            ASSERT_TRUE(load(sprite(n), p));
            EXPECT_GE(p.w, s.w0) << "sprite " << n;
            EXPECT_LE(p.w, s.w1) << "sprite " << n;
            EXPECT_GE(p.h, s.h0) << "sprite " << n;
            EXPECT_LE(p.h, s.h1) << "sprite " << n;
        }
}

TEST_F(Pictures, HealthSwordPointsLeftAndTheTitleStandsOnTransparentBlue) {
    Picture sword;
    ASSERT_TRUE(load(DATA + "/graphics/screens/sword.png", sword));
    EXPECT_FALSE(sword.at(0, sword.h / 2) == BLUE) << "the tip touches the left edge";
    EXPECT_TRUE(sword.at(0, 0) == BLUE && sword.at(0, sword.h - 1) == BLUE) << "and is a point";
    int hilt = 0; // the guard is far taller than the blade
    for (int y = 0; y < sword.h; ++y)
        hilt += !(sword.at(226, y) == BLUE);
    EXPECT_GT(hilt, 24);
    Picture title;
    ASSERT_TRUE(load(DATA + "/graphics/screens/title.png", title));
    int blue = 0;
    for (const Colour& c : title.px)
        blue += c == BLUE;
    EXPECT_GT(blue, title.w * title.h / 3);
    EXPECT_LT(blue, title.w * title.h * 9 / 10);
}

// Where things are on the idle fighter, relative to the anchor: the head, and the block's sword.
TEST_F(Pictures, FighterProportionsMatchWhatTheGameAimsAt) {
    Picture idle;
    ASSERT_TRUE(load(agent(0), idle));
    int top = 0, bottom = -1000, left = 1000, right = -1000;
    for (int y = 0; y < idle.h; ++y)
        for (int x = 0; x < idle.w; ++x)
            if (idle.at(x, y) == HEAD) {
                const int ax = x - idle.w / 2, ay = y - idle.h;
                top = std::min(top, ay), bottom = std::max(bottom, ay);
                left = std::min(left, ax), right = std::max(right, ax);
            }
    EXPECT_NEAR(-66, (top + bottom) / 2.0, 4) << "head centre height";
    EXPECT_NEAR(1, (left + right) / 2.0, 4) << "head centre column";
    EXPECT_NEAR(-76, top, 6) << "top of the head";
    EXPECT_NEAR(14, bottom - top + 1, 3) << "head size";
    // The full guard holds the sword upright in front of the chest and head: a bolt at -45 hits it.
    Picture block;
    ASSERT_TRUE(load(agent(10), block));
    auto steel_at = [&](int ay) {
        for (int x = block.w / 2 + 6; x <= block.w / 2 + 18; ++x) {
            const Colour c = block.at(x, block.h + ay);
            if (c == SWORD || c == SWORD_ON_BODY || c == SWORD_ON_CAPE) return true;
        }
        return false;
    };
    EXPECT_TRUE(steel_at(-45));
    EXPECT_TRUE(steel_at(-75));
}

} // namespace
