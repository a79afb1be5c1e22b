#include "core/Clock.h"

bool Clock::stopped = false;
Uint32 Clock::stopped_at = 0;
Uint32 Clock::left_out = 0;
bool Clock::counting = false;
Uint32 Clock::counted = 0;

namespace {
const Uint32 COUNTED_START = 1000;
}

Uint32 Clock::ticks() { return counting ? counted : SDL_GetTicks(); }

Uint32 Clock::now() { return stopped ? stopped_at : ticks() - left_out; }

void Clock::hold() {
    if (stopped) return;
    stopped_at = now();
    stopped = true;
}

void Clock::release() {
    if (!stopped) return;
    left_out = ticks() - stopped_at;
    stopped = false;
}

void Clock::count_frames() {
    counting = true;
    counted = COUNTED_START;
    stopped = false;
    left_out = 0;
}

void Clock::count_real() {
    counting = false;
    stopped = false;
    left_out = 0;
}

void Clock::advance() {
    if (counting) counted += FRAME_MS;
}
