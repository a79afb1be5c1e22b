// Checks the generated pictures against what the game's loaders and hit tests rely on.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string DATA = IRONVALE_DATA_DIR;

// Colours as 0xRRGGBB.
const Uint32 BLUE = 0x0000FF, BLACK = 0, HEAD = 0xFF00FF, EYES = 0x00FF00, CAPE = 0x808080,
             SWORD = 0xFFFF00, SWORD_ON_BODY = 0x00FFFF, SWORD_ON_CAPE = 0x80FFFF,
             SPECIAL = 0xFF0000;
const std::vector<Uint32> FIGHTER_KEYS = {BLUE,  BLACK,         HEAD,          EYES,   CAPE,
                                          SWORD, SWORD_ON_BODY, SWORD_ON_CAPE, SPECIAL};
// Every key colour of the game besides black and blue: recoloured, read as marks, or produced.
const std::vector<Uint32> RESERVED = {HEAD,          EYES,     CAPE,     SWORD,    SWORD_ON_BODY,
                                      SWORD_ON_CAPE, SPECIAL,  0x010101, 0x9B0000, 0x32C8E6,
                                      0xFF64FF,      0xAA42AA, 0x712C71, 0x4B1D4B, 0xFFFFFF};

bool among(Uint32 c, const std::vector<Uint32>& set) {
    return std::find(set.begin(), set.end(), c) != set.end();
}
bool is_steel(Uint32 c) {
    return c == SWORD || c == SWORD_ON_BODY || c == SWORD_ON_CAPE;
}

// A loaded picture as plain RGB, read through the surface's own format; empty if it fails.
struct Picture {
    int w = 0, h = 0;
    std::vector<Uint32> px;
    Uint32 at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
    explicit operator bool() const { return !px.empty(); }
};

Picture load(const std::string& path) {
    Picture out;
    SDL_Surface* s = IMG_Load(path.c_str());
    if (!s) return out;
    out.w = s->w, out.h = s->h;
    SDL_LockSurface(s);
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            for (int b = 0; b < bpp; ++b)
                v |= static_cast<Uint32>(p[b]) << (8 * b);
            Uint8 r, g, bl;
            SDL_GetRGB(v, s->format, &r, &g, &bl);
            out.px.push_back(static_cast<Uint32>(r << 16 | g << 8 | bl));
        }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return out;
}

Picture agent(int n) {
    return load(DATA + "/graphics/agents/" + std::to_string(n) + ".png");
}
Picture screen(const std::string& name) {
    return load(DATA + "/graphics/screens/" + name);
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

class Pictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { SDL_Init(0); }
    static void TearDownTestSuite() { SDL_Quit(); }
};

TEST_F(Pictures, EveryFileLoadsWithTheSizesTheGameFixes) {
    // That every fighter and sprite picture loads, the fighter tests show by loading them all.
    const Picture sword = screen("sword.png"), title = screen("title.png");
    ASSERT_TRUE(sword.w == 300 && sword.h == 32);
    EXPECT_TRUE(sword.at(0, 16) != BLUE && sword.at(0, 0) == BLUE && sword.at(0, 31) == BLUE)
        << "the health sword points left, its tip on the left edge";
    EXPECT_TRUE(title.w == 800 && screen("floor.png").w == 800);
    for (const char* end : {"end1.png", "end2.png", "end3.png"})
        EXPECT_TRUE(screen(end).w == 800 && screen(end).h == 600) << end;
    const Picture empty = load(DATA + "/graphics/empty.PNG");
    EXPECT_TRUE(empty.w == 1 && empty.h == 1 && empty.at(0, 0) == BLUE);
    for (const char* setting : {"village", "forest", "castle", "snow", "cliff", "hell"}) {
        for (const char* layer : {"_sky", "_far", "_mid", "_front"})
            EXPECT_EQ(800, screen(std::string(setting) + layer + ".png").w) << setting << layer;
        // Placed with bottom 0, the ground layer's row h - 100 is the floor line, screen row 500.
        const Picture g = screen(std::string(setting) + "_ground.png");
        ASSERT_TRUE(g.w == 800 && g.h >= 100) << setting;
        EXPECT_TRUE(g.at(400, g.h - 100) != BLUE && (g.h < 110 || g.at(400, g.h - 110) == BLUE))
            << setting;
    }
    // On a ledge the game lets fighters stand only from x 200 to 600: no ground beyond it.
    for (const char* ledge : {"cliff_ground.png", "bridge_ground.png"}) {
        const Picture g = screen(ledge);
        ASSERT_TRUE(g) << ledge;
        int beyond = 0;
        for (int y = 0; y < g.h; ++y)
            for (int x = 0; x < g.w; ++x)
                beyond += (x < 200 || x >= 600) && g.at(x, y) != BLUE;
        EXPECT_EQ(0, beyond) << ledge;
        for (int x : {210, 400, 590})
            EXPECT_NE(BLUE, g.at(x, g.h - 100)) << ledge << " at x " << x;
    }
}

// One attack is made per red pixel, so only the attack poses have them, in their number.
TEST_F(Pictures, FighterPosesUseOnlyKeyColoursAreCentredOnTheAnchorAndCountTheirAttacks) {
    const std::map<int, std::pair<long, long>> attacks = {
        {14, {2, 3}}, {45, {2, 3}}, {21, {2, 3}},  {71, {1, 2}}, {29, {1, 1}},
        {62, {1, 1}}, {66, {1, 1}}, {119, {1, 1}}, {95, {1, 1}}};
    for (int n = 0; n < 130; ++n) {
        if (is_civilian(n) || is_pit(n)) continue;
        const Picture p = agent(n);
        ASSERT_TRUE(p) << n;
        const long points = std::count(p.px.begin(), p.px.end(), SPECIAL);
        const auto it = attacks.find(n);
        const auto range = it == attacks.end() ? std::pair<long, long>{0, 0} : it->second;
        EXPECT_TRUE(points >= range.first && points <= range.second) << n << ": " << points;
        if (n == 70) { // vanished
            EXPECT_EQ(p.px.size(), size_t(std::count(p.px.begin(), p.px.end(), BLUE)));
            continue;
        }
        EXPECT_EQ(0, p.w % 2) << "pose " << n << " has an odd width";
        int bottom_row = 0, near_centre = 0, strays = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) {
                const Uint32 c = p.at(x, y);
                // Burning poses may add fire colours, so long as they are no key colours.
                strays += !among(c, FIGHTER_KEYS) && (!is_burning(n) || among(c, RESERVED));
                if (c == BLUE) continue;
                if (y == p.h - 1 && (is_airborne(n) || !(is_steel(c) || c == CAPE))) ++bottom_row;
                if (x >= p.w / 2 - 4 && x <= p.w / 2 + 3) ++near_centre;
            }
        EXPECT_EQ(0, strays) << "pose " << n << " has pixels of no key colour";
        EXPECT_GT(bottom_row, 0) << "pose " << n << " does not stand on its bottom row";
        EXPECT_GT(near_centre, 0) << "pose " << n << " is not centred on column w / 2";
    }
    // Where the points lie, the attack tests show with these pictures.
}

TEST_F(Pictures, CiviliansPitAndPlainPicturesAvoidTheSpecialKeyColours) {
    std::vector<std::string> files = {"sprites/sword.png", "screens/sword.png", "screens/title.png",
                                      "screens/hell_ground.png", "screens/village_mid.png"};
    for (int n = 0; n < 130; ++n)
        if (is_civilian(n) || is_pit(n)) files.push_back("agents/" + std::to_string(n) + ".png");
    for (int n = 0; n < 70; ++n)
        files.push_back("sprites/" + std::to_string(n) + ".png");
    const std::vector<std::string> opaque = {"screens/floor.png", "screens/end1.png",
                                             "screens/end2.png", "screens/end3.png"};
    files.insert(files.end(), opaque.begin(), opaque.end());
    for (const std::string& f : files) {
        const Picture p = load(DATA + "/graphics/" + f);
        ASSERT_TRUE(p) << f;
        const auto reserved = [](Uint32 c) { return among(c, RESERVED); };
        EXPECT_EQ(0, std::count_if(p.px.begin(), p.px.end(), reserved)) << f;
        // Opaque pictures also have no transparent holes.
        const bool is_opaque = std::find(opaque.begin(), opaque.end(), f) != opaque.end();
        EXPECT_TRUE(!is_opaque || std::count(p.px.begin(), p.px.end(), BLUE) == 0) << f;
    }
}

// The full guard holds the sword upright in front of chest and head, where a bolt at -45 hits it.
TEST_F(Pictures, TheGuardIsWhereBoltsStrike) {
    const Picture block = agent(10);
    for (int ay : {-45, -75}) {
        bool steel = false;
        for (int x = block.w / 2 + 6; x <= block.w / 2 + 18; ++x)
            steel = steel || is_steel(block.at(x, block.h + ay));
        EXPECT_TRUE(steel) << "at height " << ay;
    }
}

} // namespace
