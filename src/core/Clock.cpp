#include "core/Clock.h"

Uint32 Clock::now() { return SDL_GetTicks(); }
