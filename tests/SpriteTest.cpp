#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "Drawings.h"
#include "core/Pixel.h"
#include "sprites/AgentSprite.h"
#include "sprites/PixelArena.h"
#include "sprites/Sprite.h"

using drawings::Rows;

namespace {

using SpriteTest = drawings::FolderTest;

// The key colours, plus two colours no rule names.
std::vector<Uint32> key_colours() {
    return {Pixel::transparent, Pixel::black, Pixel::head, Pixel::special,
            Pixel::sword, Pixel::safe, Pixel::sword_on_body, Pixel::sword_on_cape,
            Pixel::eyes, Pixel::cape, Pixel::make(10, 20, 30), Pixel::make(255, 128, 0)};
}

// 12 columns, one colour each, 3 rows; the last row is reversed so mirroring shows.
Rows every_key_colour() {
    const std::vector<Uint32> colours = key_colours();
    Rows rows = {colours, colours, colours};
    std::reverse(rows[2].begin(), rows[2].end());
    return rows;
}

// What each original colour must have become in variant v, from the skin table.
std::map<Uint32, Uint32> expected_colours(int v) {
    struct Skin {
        int cape_r, cape_g, cape_b, eyes_r, eyes_g, eyes_b;
    };
    const std::map<int, Skin> skins = {
        {1, {225, 225, 225, 225, 225, 225}}, {2, {75, 75, 75, 225, 225, 225}},
        {6, {128, 128, 0, 255, 255, 0}},     {7, {15, 15, 15, 225, 0, 0}},
        {8, {255, 255, 0, 100, 100, 254}},   {9, {155, 0, 255, 255, 0, 0}},
        {10, {0, 255, 255, 225, 225, 225}},  {11, {150, 0, 0, 255, 225, 0}},
        {12, {85, 255, 85, 0, 255, 0}},      {13, {1, 1, 225, 255, 255, 255}},
        {18, {58, 28, 7, 225, 255, 0}},      {19, {58, 28, 7, 0, 0, 255}},
        {23, {75, 75, 75, 225, 225, 225}},   {24, {225, 225, 225, 225, 225, 225}},
        {25, {57, 113, 38, 255, 0, 0}},      {26, {210, 193, 142, 0, 255, 255}},
    };
    std::map<Uint32, Uint32> e;
    for (Uint32 c : key_colours()) e[c] = c;
    e[Pixel::head] = Pixel::black;
    e[Pixel::special] = e[Pixel::sword] = e[Pixel::sword_on_body] = Pixel::safe;
    Uint32 cape = 0;
    Uint32 eyes = 0;
    if (skins.count(v)) {
        const Skin& s = skins.at(v);
        cape = Pixel::make(s.cape_r, s.cape_g, s.cape_b);
        eyes = Pixel::make(s.eyes_r, s.eyes_g, s.eyes_b);
    }
    const std::map<int, Uint32> eyes_without_cape = {
        {3, Pixel::black}, {4, Pixel::make(255, 0, 0)}, {5, Pixel::make(0, 255, 0)},
        {22, Pixel::black}};
    if (eyes_without_cape.count(v)) {
        cape = Pixel::transparent;
        eyes = eyes_without_cape.at(v);
    }
    e[Pixel::cape] = cape;
    e[Pixel::eyes] = eyes;
    e[Pixel::sword_on_cape] = Pixel::safe;
    if (v == 19) e[Pixel::head] = Pixel::transparent;
    if (v >= 22 && v <= 24) {
        // Unarmed: the sword vanishes, over the body it is body, over the cape it is cape.
        e[Pixel::sword] = Pixel::transparent;
        e[Pixel::sword_on_body] = Pixel::black;
        e[Pixel::sword_on_cape] = cape;
    }
    if (v >= 14 && v <= 17) {
        const Uint32 glow[] = {Pixel::glow1, Pixel::glow2, Pixel::glow3, Pixel::glow4};
        const Uint32 g = glow[v - 14];
        const Uint32 c = glow[3 - (v - 14)];
        e[Pixel::special] = e[Pixel::sword] = e[Pixel::sword_on_body] = e[Pixel::sword_on_cape] = g;
        e[Pixel::eyes] = g;
        e[Pixel::cape] = c;
    }
    if (v == 20 || v == 21) {
        const Uint32 body = v == 20 ? Pixel::bloodbody : Pixel::waterbody;
        for (Uint32 c : {Pixel::black, Pixel::safe, Pixel::eyes, Pixel::sword, Pixel::sword_on_body,
                         Pixel::sword_on_cape, Pixel::special, Pixel::head})
            e[c] = body;
        e[Pixel::cape] = Pixel::transparent;
    }
    return e;
}

// The replacements done one after the other on a whole copy, the plain way.
Rows sequential(Image* drawing, int v) {
    std::unique_ptr<Image> copy(drawing->copy());
    for (const ColourSwap& s : AgentSprite::recolouring(v)) copy->swap_colours(s.from, s.to);
    return drawings::read(copy.get());
}

TEST_F(SpriteTest, EveryVariantRecoloursTheKeyColoursAsItsSkinSays) {
    const Rows drawing = every_key_colour();
    drawings::save(drawing, "fighter.png");
    AgentSprite sprite("fighter.png");
    ASSERT_EQ(sprite.images.size(), 27u);
    ASSERT_EQ(sprite.mirrored.size(), 27u);

    EXPECT_EQ(drawings::read(sprite.images[0].get()), drawing) << "variant 0 is never recoloured";
    for (int v = 1; v < VARIANT_COUNT; ++v) {
        const std::map<Uint32, Uint32> expected = expected_colours(v);
        const Rows got = drawings::read(sprite.images[v].get());
        for (size_t y = 0; y < drawing.size(); ++y)
            for (size_t x = 0; x < drawing[y].size(); ++x)
                EXPECT_EQ(got[y][x], expected.at(drawing[y][x]))
                    << "variant " << v << " pixel (" << x << ", " << y << ")";
    }
}

// Fighters are keyed, and never need locking: hit tests read single pixels every frame
// and a run-length encoded surface would be decoded for each of them.
void expect_keyed_and_unlocked(Image* image) {
    EXPECT_TRUE(image->surface->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(image->surface->format->colorkey, Pixel::transparent);
    image->draw(Coord(0, 0));
    EXPECT_FALSE(SDL_MUSTLOCK(image->surface));
}

TEST_F(SpriteTest, OnePassGivesExactlyWhatTheReplacementsInOrderGive) {
    // The key colours alone, and after 400 other colours.
    Rows many = drawings::blank(20, 21, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) many[y][x] = Pixel::make(x * 12 + 3, y * 12 + 3, 77);
    const std::vector<Uint32> keys = key_colours();
    std::copy(keys.begin(), keys.end(), many[20].begin());
    for (const Rows& drawing : {every_key_colour(), many}) {
        drawings::save(drawing, "fighter.png");
        AgentSprite sprite("fighter.png");
        for (int v = 0; v < VARIANT_COUNT; ++v) {
            SCOPED_TRACE("variant " + std::to_string(v));
            const Rows plain = sequential(sprite.images[0].get(), v);
            EXPECT_EQ(drawings::read(sprite.images[v].get()), plain);
            EXPECT_EQ(drawings::read(sprite.mirrored[v].get()), drawings::mirrored(plain));
            expect_keyed_and_unlocked(sprite.images[v].get());
            expect_keyed_and_unlocked(sprite.mirrored[v].get());
        }
    }
}

TEST_F(SpriteTest, PicturesFromAnArenaEqualThoseWithoutAndAFullArenaFallsBack) {
    drawings::save(every_key_colour(), "fighter.png");
    AgentSprite plain("fighter.png");
    // Room for 10 of the 53 made pictures: the rest come from the video library.
    const size_t picture_bytes = 12 * 3 * sizeof(Uint32);
    PixelArena small(10 * picture_bytes);
    {
        AgentSprite pooled("fighter.png", &small);
        EXPECT_EQ(small.used_bytes(), 10 * picture_bytes);
        for (int v = 0; v < VARIANT_COUNT; ++v) {
            EXPECT_EQ(drawings::read(pooled.images[v].get()),
                      drawings::read(plain.images[v].get()));
            EXPECT_EQ(drawings::read(pooled.mirrored[v].get()),
                      drawings::read(plain.mirrored[v].get()));
        }
    }
    EXPECT_EQ(small.take(1), nullptr);
}

TEST_F(SpriteTest, AttackPointsInColumnOrderAndTheBottomCentreAnchor) {
    Rows drawing = drawings::blank(31, 20, Pixel::black);
    drawing[4][1] = drawing[0][3] = drawing[2][1] = Pixel::special;
    drawings::save(drawing, "three.png");
    drawings::save(drawings::blank(40, 9, Pixel::black), "none.png");
    const AgentSprite three("three.png");
    EXPECT_EQ(three.specials, (std::vector<Coord>{Coord(1, 2), Coord(1, 4), Coord(3, 0)}));
    EXPECT_EQ(three.offset, Coord(15, 20));
    const AgentSprite none("none.png");
    EXPECT_TRUE(none.specials.empty());
    EXPECT_EQ(none.offset, Coord(20, 9));
}

TEST_F(SpriteTest, FlipOffsetMirrorsAboutTheCentreLineAndSoDoesDrawing) {
    drawings::save(drawings::blank(40, 10, Pixel::black), "wide.png");
    Sprite sprite("wide.png");
    EXPECT_EQ(sprite.flip_offset(Coord(20, 10), true), Coord(20, 10));
    EXPECT_EQ(sprite.flip_offset(Coord(30, 10), true), Coord(10, 10));
    EXPECT_EQ(sprite.flip_offset(Coord(10, 10), true), Coord(-10, 10));
    EXPECT_EQ(sprite.flip_offset(Coord(10, 7), false), Coord(10, 7));

    // A 4 x 1 bar (red, then green) anchored on its left pixel is drawn with it on the
    // position; mirrored, the anchor left of the centre moves to 3 * 0 - 4.
    const Uint32 red = Pixel::make(200, 0, 0);
    const Uint32 green = Pixel::make(0, 200, 0);
    drawings::save({{red, green, green, green}}, "bar.png");
    Sprite bar("bar.png", 0, 0);
    Image* screen = Graphics::screen;
    screen->fill(Pixel::black);
    bar.draw(Coord(100, 50), false);
    EXPECT_EQ(screen->get_pixel(Coord(100, 50)), red);
    EXPECT_EQ(screen->get_pixel(Coord(103, 50)), green);
    bar.draw(Coord(200, 50), true);
    EXPECT_EQ(screen->get_pixel(Coord(203, 50)), Pixel::black);
    EXPECT_EQ(screen->get_pixel(Coord(204, 50)), green);
    EXPECT_EQ(screen->get_pixel(Coord(207, 50)), red);
    EXPECT_EQ(screen->get_pixel(Coord(208, 50)), Pixel::black);
}

TEST_F(SpriteTest, PlainSpritesMirrorEveryVariantOnceOnTheirFirstDraw) {
    drawings::save(drawings::blank(4, 4, Pixel::white), "plain.png");
    Sprite sprite("plain.png");
    sprite.add_variant();
    sprite.add_variant();
    ASSERT_EQ(sprite.mirrored.size(), 3u);
    for (const auto& m : sprite.mirrored) EXPECT_EQ(m, nullptr);
    sprite.draw(Coord(10, 10), false);
    std::vector<Image*> first;
    for (const auto& m : sprite.mirrored) first.push_back(m.get());
    EXPECT_EQ(std::count(first.begin(), first.end(), nullptr), 0);
    sprite.draw(Coord(10, 10), VARIANT_WHITE_CAPE, true);
    sprite.image(VARIANT_GREY_CAPE, true);
    for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(sprite.mirrored[i].get(), first[i]);
}

} // namespace
