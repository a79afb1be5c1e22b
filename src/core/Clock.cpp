#include "core/Clock.h"

bool Clock::stopped = false;
Uint32 Clock::stopped_at = 0;
Uint32 Clock::left_out = 0;

Uint32 Clock::now() { return stopped ? stopped_at : SDL_GetTicks() - left_out; }

void Clock::hold() {
    if (stopped) return;
    stopped_at = now();
    stopped = true;
}

void Clock::release() {
    if (!stopped) return;
    left_out = SDL_GetTicks() - stopped_at;
    stopped = false;
}
