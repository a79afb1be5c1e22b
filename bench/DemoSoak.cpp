// The demo loop played headless for a long time, as a showcase would play it for days:
// prints the resident memory every 100,000 frames and the frames per second, so that any
// growth shows. The frames are drawn (into the dummy driver's surface) but not paced, on
// a rule clock made of frames, which the demo's waves read as 40 frames a second.
//
// Usage: DemoSoak DATA_FOLDER [FRAMES [--unseen]]
//   FRAMES in all (default 1,000,000); --unseen plays them without drawing.
#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchOutput.h"
#include "HeadlessGame.h"
#include "ProcessStatus.h"
#include "app/Demo.h"
#include "core/Clock.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Graphics.h"

namespace {
const long REPORT_EVERY = 100000;

// Nobody at the keyboard.
class Nobody : public EventSource {
  public:
    bool poll(SDL_Event&) override { return false; }
    bool wait(SDL_Event& event) override {
        event = SDL_Event();
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.keysym.sym = SDLK_TAB;
        return true;
    }
    bool discard() override { return false; }
    const Uint8* keys() override { return nothing.data(); }

  private:
    std::array<Uint8, SDLK_LAST> nothing{};
};
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER [FRAMES [--unseen]]\n", argv[0]);
        return 2;
    }
    const long frames = argc > 2 ? std::atol(argv[2]) : 1000000;
    const bool unseen = argc > 3 && std::strcmp(argv[3], "--unseen") == 0;
    if (chdir(argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    FILE* out = BenchOutput::figures_apart();
    if (!out) return 1;

    Nobody nobody;
    Events::use(&nobody);
    HeadlessGame::start(0);
    Graphics::drawing = !unseen;
    Clock::count_frames();
    std::fprintf(out, "Demo loop, headless%s, %ld frames; resident memory (VmRSS) every %ld\n",
                 unseen ? ", unseen" : "", frames, REPORT_EVERY);
    std::fprintf(out, "%10s %12s %14s\n", "frames", "memory MB", "frames/s");
    std::fprintf(out, "%10d %12.1f %14s\n", 0, ProcessStatus::kilobytes("VmRSS:") / 1024.0, "-");
    std::fflush(out);
    {
        Demo demo;
        auto begin = std::chrono::steady_clock::now();
        const auto start = begin;
        for (long frame = 1; frame <= frames; ++frame) {
            demo.frame();
            Graphics::refresh();
            Clock::advance();
            if (frame % REPORT_EVERY != 0 && frame != frames) continue;
            const auto now = std::chrono::steady_clock::now();
            const double seconds = std::chrono::duration<double>(now - begin).count();
            const long done = frame % REPORT_EVERY ? frame % REPORT_EVERY : REPORT_EVERY;
            std::fprintf(out, "%10ld %12.1f %14.0f\n", frame, ProcessStatus::kilobytes("VmRSS:") / 1024.0,
                         done / seconds);
            std::fflush(out);
            begin = now;
        }
        const double all =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(out, "%ld frames in %.0f s: %.0f frames/s; peak resident memory %.1f MB\n",
                     frames, all, frames / all, ProcessStatus::kilobytes("VmHWM:") / 1024.0);
    }
    Events::use(nullptr);
    HeadlessGame::end();
    std::fclose(out);
    return 0;
}
