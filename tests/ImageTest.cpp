// The screen, key colours and pictures, on real SDL surfaces (dummy video driver).
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <utility>

#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/Random.h"

namespace {
class ImageTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Graphics::start(Coord(200, 150), 40, false);
        Pixel::start();
    }
    static void TearDownTestSuite() { Graphics::end(); }

    // A blank picture in the display format, filled black.
    static Image* canvas(int w, int h) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        Image* image = new Image(s, false);
        image->fill(Pixel::black);
        return image;
    }

    static std::set<std::pair<int, int>> pixels_of(Image* image, Uint32 colour) {
        std::set<std::pair<int, int>> found;
        image->open();
        for (int y = 0; y < image->h(); ++y)
            for (int x = 0; x < image->w(); ++x)
                if (image->get_pixel(Coord(x, y)) == colour) found.insert({x, y});
        image->close();
        return found;
    }

    static std::set<std::pair<int, int>> rect(int x0, int y0, int x1, int y1) {
        std::set<std::pair<int, int>> r;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) r.insert({x, y});
        return r;
    }
};
} // namespace

TEST_F(ImageTest, ColourComponentsWrapAsBytes) {
    EXPECT_EQ(Pixel::make(-31, -31, -31), Pixel::make(225, 225, 225));
    EXPECT_EQ(Pixel::make(256 + 10, 512, -1), Pixel::make(10, 0, 255));
}

// Reading outside gives the transparent key, which the hit tests rely on; writing outside is
// ignored, boxes are clipped and negative sizes draw nothing.
TEST_F(ImageTest, DrawingOutsideTheImageIsHarmless) {
    Image* image = canvas(20, 20);
    image->open();
    EXPECT_EQ(image->get_pixel(Coord(20, 0)), Pixel::transparent);
    for (Coord outside : {Coord(20, 0), Coord(-1, -1), Coord(0, 20)})
        image->set_pixel(outside, Pixel::white);
    image->set_pixel(Coord(19, 19), Pixel::white);
    image->close();
    image->draw_box(Coord(-5, -5), Coord(10, 10), Pixel::white);
    image->draw_box(Coord(15, 15), Coord(-10, 5), Pixel::white);
    image->draw_box(Coord(70000, 10), Coord(5, 5), Pixel::white);
    image->draw_box(Coord(-70000, 10), Coord(5, 5), Pixel::white);
    std::set<std::pair<int, int>> expected = rect(0, 0, 4, 4);
    expected.insert({19, 19});
    EXPECT_EQ(pixels_of(image, Pixel::white), expected);
    delete image;
}

// Axis-parallel lines stop one square short; diagonal ones include both ends; thick squares
// end (lower right) on the ideal line.
TEST_F(ImageTest, LinesCoverTheirSquares) {
    using Set = std::set<std::pair<int, int>>;
    const struct {
        Coord a, b;
        int t;
        Set expected;
    } cases[] = {
        {Coord(5, 5), Coord(5, 5), 3, {}},
        {Coord(0, 0), Coord(0, 4), 1, rect(0, 0, 0, 3)},
        {Coord(9, 3), Coord(2, 3), 1, rect(2, 3, 8, 3)},
        {Coord(0, 0), Coord(4, 2), 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        // Steep: x = m*y + k with m = 1/3, k = 2/3, truncated.
        {Coord(3, 7), Coord(1, 1), 1, {{1, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}, {2, 6}, {3, 7}}},
        {Coord(10, 10), Coord(20, 10), 3, rect(8, 8, 19, 10)},
    };
    for (const auto& c : cases) {
        Image* image = canvas(30, 30);
        image->draw_line(c.a, c.b, Pixel::white, c.t);
        EXPECT_EQ(pixels_of(image, Pixel::white), c.expected) << c.a.x << "," << c.a.y;
        delete image;
    }
}

// A short bolt is one thick segment with a white core and draws no random number; a long one
// has a white core from start to target and the same random sequence draws it again.
TEST_F(ImageTest, LightningHasAWhiteCoreFromStartToTargetAndRepeats) {
    const Uint32 violet = Pixel::make(140, 0, 255);
    std::unique_ptr<Image> bolt(canvas(40, 40)), expected(canvas(40, 40));
    Random::seed(7);
    const int before = Random::next();
    Random::seed(7);
    bolt->draw_lightning(Coord(10, 10), Coord(16, 18), violet, 10, 40);
    EXPECT_EQ(Random::next(), before);
    expected->draw_line(Coord(10, 10), Coord(16, 18), violet, 3);
    expected->draw_line(Coord(10, 10), Coord(16, 18), Pixel::white, 1);
    EXPECT_EQ(pixels_of(bolt.get(), violet), pixels_of(expected.get(), violet));
    EXPECT_EQ(pixels_of(bolt.get(), Pixel::white), pixels_of(expected.get(), Pixel::white));

    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::unique_ptr<Image> long_bolt(canvas(200, 150)), again(canvas(200, 150));
        for (Image* image : {long_bolt.get(), again.get()}) {
            Random::seed(seed);
            image->draw_lightning(Coord(20, 0), Coord(150, 140), violet, 10, 40);
        }
        const auto white = pixels_of(long_bolt.get(), Pixel::white);
        EXPECT_EQ(pixels_of(again.get(), Pixel::white), white);
        EXPECT_EQ(white.size() + pixels_of(long_bolt.get(), violet).size() +
                      pixels_of(long_bolt.get(), Pixel::black).size(),
                  200u * 150u);
        // Diagonal segments include both ends, so the core touches the target.
        bool near_target = false;
        for (auto [x, y] : white) near_target |= std::abs(x - 150) <= 1 && std::abs(y - 140) <= 1;
        EXPECT_TRUE(near_target) << "seed " << seed;
    }
}

// Flips mirror, copies duplicate; both are independent of the original and keep its key.
TEST_F(ImageTest, FlipsAndCopiesAreIndependentAndKeepTheKey) {
    Image* image = canvas(3, 2);
    image->open();
    image->set_pixel(Coord(0, 0), Pixel::white);
    image->set_pixel(Coord(1, 1), Pixel::eyes);
    image->set_pixel(Coord(2, 1), Pixel::transparent);
    image->close();

    Image* mirrored = image->flip(Coord(1, 0));
    EXPECT_EQ(pixels_of(mirrored, Pixel::white), rect(2, 0, 2, 0));
    EXPECT_EQ(pixels_of(mirrored, Pixel::eyes), rect(1, 1, 1, 1));
    Image* upside_down = image->flip(Coord(0, 1));
    EXPECT_EQ(pixels_of(upside_down, Pixel::white), rect(0, 1, 0, 1));
    Image* both = image->flip(Coord(1, 1));
    EXPECT_EQ(pixels_of(both, Pixel::white), rect(2, 1, 2, 1));

    Image* plain = image->flip(Coord(0, 0));
    Image* copied = image->copy();
    for (Image* same : {plain, copied}) {
        EXPECT_EQ(pixels_of(same, Pixel::white), rect(0, 0, 0, 0));
        EXPECT_EQ(same->w(), 3);
        EXPECT_EQ(same->h(), 2);
    }
    copied->swap_colours(Pixel::white, Pixel::cape);
    EXPECT_EQ(pixels_of(image, Pixel::white), rect(0, 0, 0, 0));

    // Drawn onto the screen, the keyed pixel (mirrored to the left) leaves what lies behind.
    EXPECT_TRUE(mirrored->surface->flags & SDL_SRCCOLORKEY);
    Graphics::screen->fill(Pixel::cape);
    mirrored->draw(Coord(10, 10));
    Graphics::screen->open();
    EXPECT_EQ(Graphics::screen->get_pixel(Coord(10, 11)), Pixel::cape);
    EXPECT_EQ(Graphics::screen->get_pixel(Coord(11, 11)), Pixel::eyes);
    Graphics::screen->close();
    for (Image* i : {image, mirrored, upside_down, both, plain, copied}) delete i;
}

TEST_F(ImageTest, ForcedRefreshLeavesTheFrameClockAlone) {
    Graphics::last_update = 1234;
    Graphics::force_refresh();
    EXPECT_EQ(Graphics::last_update, 1234u);
    Graphics::last_update = SDL_GetTicks();
}
