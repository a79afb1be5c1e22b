// Times the present of a whole frame (SDL_Flip through sdl12-compat and SDL 2) in a real
// window, at each window scale, two ways side by side in alternating rounds: as the
// libraries present by default (SDL 2's OpenGL renderer, smooth scaling) and as the game
// asks them to (Graphics: SDL 2's software renderer into the window's shared-memory
// image, whole pixels). Presents come 25 ms apart as in play: presented back to back, the
// OpenGL way looks cheaper than it is, its helper threads never going idle. Prints mean,
// 99th percentile and worst milliseconds per present.
//
// Usage: PresentBench [FRAMES [SCALE...]]   (defaults: 200 frames at scales 1, 1.5 and 2)
// It needs a display large enough for the largest window, for example:
//   xvfb-run -a -s "-screen 0 2560x1440x24" build/bench/PresentBench
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/Coord.h"
#include "core/Graphics.h"

namespace {

struct Way {
    const char* name;
    // SDL settings, set before SDL starts; null values are left to Graphics.
    const char* renderer;
    const char* framebuffer_acceleration;
    const char* scale_method;
};

const Way WAYS[] = {
    {"libraries' default (OpenGL renderer, linear)", "opengl", "1", "linear"},
    {"the game's choice (Graphics)", nullptr, nullptr, nullptr},
};
const int WAY_COUNT = sizeof WAYS / sizeof WAYS[0];
const int ROUNDS = 3;
const int WARM_UP = 10;
const double FRAME_PERIOD_MS = 25;

void set_or_clear(const char* name, const char* value) {
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

// The presents of `frames` whole frames, each drawn anew, in milliseconds.
std::vector<double> time_presents(const Way& way, double scale, int frames) {
    set_or_clear("SDL_RENDER_DRIVER", way.renderer);
    set_or_clear("SDL_FRAMEBUFFER_ACCELERATION", way.framebuffer_acceleration);
    set_or_clear("SDL12COMPAT_SCALE_METHOD", way.scale_method);
    Graphics::scale = scale;
    Graphics::start(Coord(800, 600), 40, false);
    SDL_Surface* s = Graphics::screen_surface;
    std::vector<double> times;
    auto last = std::chrono::steady_clock::now();
    for (int i = 0; i < frames + WARM_UP; ++i) {
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, i % 256, 90, 140));
        SDL_Rect box = {static_cast<Sint16>(i * 7 % 700), 250, 100, 100};
        SDL_FillRect(s, &box, SDL_MapRGB(s->format, 250, 250, 40));
        const auto due = last + std::chrono::duration<double, std::milli>(FRAME_PERIOD_MS);
        while (std::chrono::steady_clock::now() < due)
            SDL_Delay(1);
        const auto begin = std::chrono::steady_clock::now();
        last = begin;
        Graphics::force_refresh();
        const auto end = std::chrono::steady_clock::now();
        if (i >= WARM_UP)
            times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
        SDL_PumpEvents();
    }
    Graphics::end();
    return times;
}

struct Figures {
    double mean, p99, worst;
};

Figures figures_of(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    const size_t p99 = std::min(times.size() - 1, times.size() * 99 / 100);
    return {sum / times.size(), times[p99], times.back()};
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::vector<double> scales;
    for (int i = 2; i < argc; ++i)
        scales.push_back(std::atof(argv[i]));
    if (scales.empty()) scales = {1, 1.5, 2};
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "PresentBench needs a display (see the usage at its top)\n");
        return 1;
    }

    std::printf("%d presents of an 800x600 frame per way and round, %d rounds\n", frames, ROUNDS);
    std::printf("%-6s %-46s %8s %8s %8s\n", "scale", "way", "mean", "p99", "worst");
    for (double scale : scales) {
        std::vector<double> times[WAY_COUNT];
        // Alternating rounds, so that a busy moment of the machine falls on both ways.
        for (int round = 0; round < ROUNDS; ++round)
            for (int w = 0; w < WAY_COUNT; ++w) {
                const std::vector<double> t = time_presents(WAYS[w], scale, frames);
                times[w].insert(times[w].end(), t.begin(), t.end());
            }
        Figures f[WAY_COUNT];
        for (int w = 0; w < WAY_COUNT; ++w) {
            f[w] = figures_of(times[w]);
            std::printf("%-6g %-46s %6.2f ms %6.2f ms %6.2f ms\n", scale, WAYS[w].name, f[w].mean,
                        f[w].p99, f[w].worst);
        }
        std::printf("%-6g %-46s %8.2fx %7.2fx %7.2fx\n", scale, "default / choice",
                    f[0].mean / f[1].mean, f[0].p99 / f[1].p99, f[0].worst / f[1].worst);
    }
    return 0;
}
