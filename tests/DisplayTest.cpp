#include <gtest/gtest.h>

#include <cstdlib>
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

} // namespace
