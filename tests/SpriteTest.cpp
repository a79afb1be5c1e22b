#include <gtest/gtest.h>

#include <algorithm>
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

// 12 columns, one colour each (the key colours, plus two colours no rule names), 3 rows; the
// last row is reversed so mirroring shows.
Rows every_key_colour() {
    const std::vector<Uint32> colours = {
        Pixel::transparent, Pixel::black, Pixel::head, Pixel::special, Pixel::sword, Pixel::safe,
        Pixel::sword_on_body, Pixel::sword_on_cape, Pixel::eyes, Pixel::cape,
        Pixel::make(10, 20, 30), Pixel::make(255, 128, 0)};
    Rows rows = {colours, colours, colours};
    std::reverse(rows[2].begin(), rows[2].end());
    return rows;
}

// The replacements done one after the other on a whole copy, the plain way.
Rows sequential(Image* drawing, int v) {
    std::unique_ptr<Image> copy(drawing->copy());
    for (const ColourSwap& s : AgentSprite::recolouring(v)) copy->swap_colours(s.from, s.to);
    return drawings::read(copy.get());
}

// Fighters are keyed, and never need locking: hit tests read single pixels every frame
// and a run-length encoded surface would be decoded for each of them.
void expect_keyed_and_unlocked(Image* image) {
    EXPECT_TRUE(image->surface->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(image->surface->format->colorkey, Pixel::transparent);
    image->draw(Coord(0, 0));
    EXPECT_FALSE(SDL_MUSTLOCK(image->surface));
}

TEST_F(SpriteTest, OnePassGivesWhatTheReplacementsInOrderGiveWithOrWithoutAnArena) {
    // The key colours alone, and after 400 other colours.
    Rows many = drawings::blank(20, 21, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) many[y][x] = Pixel::make(x * 12 + 3, y * 12 + 3, 77);
    const std::vector<Uint32> keys = every_key_colour()[0];
    std::copy(keys.begin(), keys.end(), many[20].begin());
    // Room for 10 of the 53 pictures made from the first drawing: the rest, and all of the
    // second, come from the video library, alike.
    const size_t picture_bytes = 12 * 3 * sizeof(Uint32);
    PixelArena small(10 * picture_bytes);
    for (const Rows& drawing : {every_key_colour(), many}) {
        drawings::save(drawing, "fighter.png");
        AgentSprite sprite("fighter.png", &small);
        ASSERT_EQ(sprite.images.size(), 27u);
        EXPECT_EQ(drawings::read(sprite.images[0].get()), drawing) << "variant 0 is the drawing";
        for (int v = 0; v < VARIANT_COUNT; ++v) {
            SCOPED_TRACE("variant " + std::to_string(v));
            const Rows plain = sequential(sprite.images[0].get(), v);
            EXPECT_EQ(drawings::read(sprite.images[v].get()), plain);
            EXPECT_EQ(drawings::read(sprite.mirrored[v].get()), drawings::mirrored(plain));
            expect_keyed_and_unlocked(sprite.images[v].get());
            expect_keyed_and_unlocked(sprite.mirrored[v].get());
        }
    }
    EXPECT_EQ(small.used_bytes(), 10 * picture_bytes);
    EXPECT_EQ(small.take(1), nullptr);
}

TEST_F(SpriteTest, AttackPointsInColumnOrderAndTheBottomCentreAnchor) {
    Rows drawing = drawings::blank(31, 20, Pixel::black);
    drawing[4][1] = drawing[0][3] = drawing[2][1] = Pixel::special;
    drawings::save(drawing, "three.png");
    const AgentSprite three("three.png");
    EXPECT_EQ(three.specials, (std::vector<Coord>{Coord(1, 2), Coord(1, 4), Coord(3, 0)}));
    EXPECT_EQ(three.offset, Coord(15, 20)); // an odd width's centre rounds down
}

// A 4 x 1 bar (red, then green) anchored on its left pixel is drawn with it on the position;
// mirrored, an anchor left of the centre line moves as far again to the left: 0 - 2 * 2.
TEST_F(SpriteTest, MirroredDrawingMovesAnAnchorLeftOfTheCentreFurtherLeft) {
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
    const std::vector<Image*> first = {sprite.mirrored[0].get(), sprite.mirrored[1].get(),
                                       sprite.mirrored[2].get()};
    EXPECT_EQ(std::count(first.begin(), first.end(), nullptr), 0);
    sprite.draw(Coord(10, 10), VARIANT_WHITE_CAPE, true);
    EXPECT_EQ(sprite.image(VARIANT_GREY_CAPE, true), first[VARIANT_GREY_CAPE]);
    EXPECT_EQ(sprite.mirrored[VARIANT_WHITE_CAPE].get(), first[VARIANT_WHITE_CAPE]);
}

} // namespace
