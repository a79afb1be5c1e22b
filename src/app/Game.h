#pragma once
#include "core/Coord.h"

// Every subsystem of the game, brought up and down in the one order they need: the game
// itself, the benchmarks and the tools that play levels all start here.
class Game {
  public:
    // `framerate` 0 leaves the frames unpaced.
    static void start(Coord resolution, int framerate, bool fullscreen);
    static void end();
};
