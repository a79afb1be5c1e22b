#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "FontFixture.h"

namespace {
using TextMakerTest = FontFixture;
using Render = Image* (*)(const char*, unsigned char, unsigned char, unsigned char);
const Uint8 INK[3] = {200, 40, 90};

// The pixels of `text` drawn over a backdrop, so that palette text can be compared pixel by pixel.
std::vector<Uint32> look_of(Render render, const char* text, Uint32 behind, int* width = nullptr,
                            const Uint8* ink = INK) {
    std::unique_ptr<Image> picture(render(text, ink[0], ink[1], ink[2]));
    if (width) *width = picture->w();
    const SDL_PixelFormat* f = Graphics::screen_surface->format;
    Image drawn(SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w(), picture->h(), 32, f->Rmask,
                                     f->Gmask, f->Bmask, 0),
                true);
    drawn.fill(behind);
    drawn.draw_image(Coord(0, 0), picture.get());
    std::vector<Uint32> out;
    drawn.open();
    for (int y = 0; y < drawn.h(); ++y)
        for (int x = 0; x < drawn.w(); ++x) out.push_back(drawn.get_pixel(Coord(x, y)));
    drawn.close();
    return out;
}
} // namespace

// Solid rendering: glyph pixels in the colour given (white too), no blended edge pixels, nothing
// else covering the backdrop.
TEST_F(TextMakerTest, DrawsOnlyGlyphPixelsInTheColourGiven) {
    const Uint32 behind = Pixel::make(10, 20, 30);
    for (Render render : {&TextMaker::make_utf8, &TextMaker::make_text}) {
        const std::vector<Uint32> look = look_of(render, "Ironvale", behind);
        const auto inked = std::count(look.begin(), look.end(), Pixel::make(200, 40, 90));
        const auto uncovered = std::count(look.begin(), look.end(), behind);
        EXPECT_GT(inked, 0);
        EXPECT_GT(uncovered, inked);
        EXPECT_EQ(static_cast<size_t>(inked + uncovered), look.size());
    }
    const Uint8 white[3] = {255, 255, 255};
    const std::vector<Uint32> look =
        look_of(&TextMaker::make_utf8, "W", Pixel::black, nullptr, white);
    EXPECT_NE(std::find(look.begin(), look.end(), Pixel::white), look.end());
}

// Empty text, or text the font cannot widen (a lone zero-width space), gives the empty picture.
TEST_F(TextMakerTest, EmptyTextGivesTheEmptyPicture) {
    const std::pair<Render, const char*> cases[] = {{&TextMaker::make_utf8, ""},
                                                    {&TextMaker::make_text, ""},
                                                    {&TextMaker::make_utf8, "\xE2\x80\x8B"}};
    for (const auto& [render, text] : cases) {
        std::unique_ptr<Image> picture(render(text, 255, 255, 255));
        EXPECT_TRUE(picture && picture->w() == 1 && picture->h() == 1) << text;
    }
}

TEST_F(TextMakerTest, Utf8AndLatin1AgreeOnAsciiAndDifferBeyondIt) {
    const Uint32 behind = Pixel::black;
    int utf8_width = 0;
    int latin1_width = 0;
    EXPECT_EQ(look_of(&TextMaker::make_utf8, "Sword 42!", behind, &utf8_width),
              look_of(&TextMaker::make_text, "Sword 42!", behind, &latin1_width));
    EXPECT_EQ(utf8_width, latin1_width);

    // The bytes C3 A9 are one letter in UTF-8 but two in Latin-1.
    look_of(&TextMaker::make_utf8, "caf\xC3\xA9", behind, &utf8_width);
    look_of(&TextMaker::make_text, "caf\xC3\xA9", behind, &latin1_width);
    EXPECT_LT(utf8_width, latin1_width);
    // Measuring gives the width each renderer draws (the level checker relies on it).
    EXPECT_EQ(TextMaker::size("caf\xC3\xA9", true).x, utf8_width);
    EXPECT_EQ(TextMaker::size("caf\xC3\xA9", false).x, latin1_width);
    // The same letter written in each encoding renders alike.
    EXPECT_EQ(look_of(&TextMaker::make_utf8, "caf\xC3\xA9", behind),
              look_of(&TextMaker::make_text, "caf\xE9", behind));
}

// A missing font halts at the start, a missing empty picture on the first empty text.
TEST(TextMakerStart, MissingFilesHalt) {
    for (const bool font : {false, true}) {
        TempDataFolder folder;
        if (font) TempDataFolder::add_font();
        EXPECT_EXIT(
            {
                route_log_to_stderr();
                TextMaker::start();
                delete TextMaker::make_text("", 255, 255, 255);
            },
            ::testing::ExitedWithCode(1),
            font ? "Image: Failed to create Image from graphics/empty.PNG"
                 : "TextMaker: Failed to load font");
    }
}
