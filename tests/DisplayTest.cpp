#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/Graphics.h"

namespace {

// A keyed display is presented without its pixels of the key colour (black, as the key
// colours do not exist yet when the screen opens), so blank screens would never clear.
TEST(DisplayTest, TheDisplaySurfaceIsNeverKeyed) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    Graphics::start(Coord(800, 600), 40, false);
    EXPECT_FALSE(Graphics::screen_surface->flags & SDL_SRCCOLORKEY);
    Graphics::setScreen(Coord(800, 600), false);
    EXPECT_FALSE(Graphics::screen_surface->flags & SDL_SRCCOLORKEY);
    Graphics::end();
}

TEST(DisplayTest, TheWindowTakesTheLargestHalfStepThatFitsTheDesktop) {
    const Coord screen(800, 600);
    struct Case {
        Coord desktop;
        double largest;
    };
    const Case cases[] = {
        {{640, 480}, 1},     {{800, 600}, 1},   {{1366, 768}, 1},    {{1920, 1080}, 1.5},
        {{1920, 1200}, 1.5}, {{2560, 1440}, 2}, {{2560, 1600}, 2.5}, {{3840, 2160}, 3.5},
    };
    for (const Case& c : cases) {
        const std::vector<double> fits = Graphics::scales_that_fit(c.desktop, screen);
        EXPECT_EQ(fits.front(), 1) << c.desktop.x;
        EXPECT_EQ(fits.back(), c.largest) << c.desktop.x;
        // F10 goes up by halves and from the largest (or a larger one asked for) back to 1.
        EXPECT_EQ(Graphics::next_scale(1, c.desktop, screen), c.largest > 1 ? 1.5 : 1);
        EXPECT_EQ(Graphics::next_scale(c.largest, c.desktop, screen), 1) << c.desktop.x;
        EXPECT_EQ(Graphics::next_scale(c.largest + 1, c.desktop, screen), 1) << c.desktop.x;
    }
}

} // namespace
