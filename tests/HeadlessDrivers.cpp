// Every test runs headless unless the caller chose drivers: SDL reads these when it starts.
#include <cstdlib>

namespace {
const bool headless = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
} // namespace
