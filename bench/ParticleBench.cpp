// Runs the two particle lists headless at the worst load the game makes: the gore attack's
// 5,000 blood drops and 10 pieces of meat a frame for 10 frames, on top of steady rain and
// snow. Prints the mean and worst frame time of the particle work against the bare cost of
// clearing and presenting an 800x600 frame.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "core/Coord.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Sprite.h"
#include "world/Particle.h"

namespace {

const int WARM_UP_FRAMES = 100;
// A burst of gore every BURST_PERIOD frames, so that one run gives several worst frames
// on a machine whose timings wander.
const int DEFAULT_BURSTS = 3;
const int BURST_PERIOD = 100;
const int GORE_FRAMES = 10;
const int BARE_FRAMES = 200;

double now_ms(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Wall time, and this thread's own processor time, which leaves out the time slices other
// programs on a shared machine take in the middle of a frame.
struct Stopwatch {
    double wall = now_ms(CLOCK_MONOTONIC);
    double cpu = now_ms(CLOCK_THREAD_CPUTIME_ID);
};

struct Stats {
    double total_wall = 0, worst_wall = 0, total_cpu = 0, worst_cpu = 0;
    int worst_wall_frame = 0, worst_cpu_frame = 0, frames = 0;

    void add(const Stopwatch& since, int frame) {
        const double wall = now_ms(CLOCK_MONOTONIC) - since.wall;
        const double cpu = now_ms(CLOCK_THREAD_CPUTIME_ID) - since.cpu;
        ++frames;
        total_wall += wall;
        total_cpu += cpu;
        if (wall > worst_wall) {
            worst_wall = wall;
            worst_wall_frame = frame;
        }
        if (cpu > worst_cpu) {
            worst_cpu = cpu;
            worst_cpu_frame = frame;
        }
    }
    void print(const char* name) const {
        std::printf("%s wall mean %6.3f worst %6.3f ms (frame %3d) | cpu mean %6.3f worst %6.3f "
                    "ms (frame %3d)\n",
                    name, total_wall / frames, worst_wall, worst_wall_frame, total_cpu / frames,
                    worst_cpu, worst_cpu_frame);
    }
};

// A plain picture of one colour, written where the Sprite loader can read it.
Sprite* solid_sprite(const std::string& folder, int number, Coord size, Uint32 colour) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, size.x, size.y, 32, 0x00ff0000,
                                          0x0000ff00, 0x000000ff, 0);
    SDL_FillRect(s, nullptr, colour);
    const std::string path = folder + "/" + Utility::str(number) + ".png";
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    Sprite* sprite = new Sprite(path, size.x / 2, size.y / 2);
    std::remove(path.c_str());
    return sprite;
}

Coord polar(double r, double angle) {
    return Coord(static_cast<int>(r * std::cos(angle) + 0.5),
                 static_cast<int>(r * std::sin(angle) + 0.5));
}

void put_either(Particle* p) {
    if (Random::next() % 2 == 0)
        p->put_foreground();
    else
        p->put_background();
}

// The particle settings of the blood and meat recipes.
void spray(Coord at, int angle, int spread, int low, int high, int count,
           const std::vector<Sprite*>* meat) {
    for (int i = 0; i < count; ++i) {
        const double theta = Utility::randAngle(angle - spread, angle + spread);
        const int r = Random::next() % (3 * (high - low)) - low;
        Particle* p = new Particle(at, polar(r, theta), 1);
        if (meat)
            p->make_sprite((*meat)[Random::next() % 4]);
        else
            p->make_pixel(Pixel::make(105 + Random::next() % 150, 0, 0));
        p->add_terminal_velocity(20);
        put_either(p);
    }
}

Coord near_gore() {
    const Coord centre(400, Level::FLOOR_HEIGHT - 40);
    return centre.vectorOffset(Utility::randAngle(0, 360), Random::next() % 25);
}

void gore(const std::vector<Sprite*>& meat) {
    spray(near_gore(), 270, 70, 4, 15, 10, &meat);
    spray(near_gore(), 270, 70, 4, 20, 5000, nullptr);
}

void rain(Sprite* streak) {
    if (Random::next() % 80 == 0) return;
    const int w = Graphics::screen->w();
    Particle* p = new Particle(Coord(Random::next() % (w + 200) - 100, 0),
                               Coord(0, 20 + Random::next() % 40), 0);
    p->make_sprite(streak);
    p->put_foreground();
}

void snow() {
    if (Random::next() % 300 == 0) return;
    const int w = Graphics::screen->w();
    Particle* p = new Particle(Coord(Random::next() % (w + 1000) - 500, 0), Coord(0, 0), 1);
    p->add_terminal_velocity(8 + Random::next() % 3);
    p->add_lifespan(Graphics::screen->h() / 8);
    p->persist();
    p->make_pixel(Pixel::make(255, 255, 255));
    put_either(p);
}

int count(ThingDB& list) {
    int n = 0;
    for (list.reiterate(); list.current(); list.next()) ++n;
    return n;
}

Stats bare_frames(Uint32 sky) {
    Stats stats;
    for (int frame = 0; frame < BARE_FRAMES; ++frame) {
        const Stopwatch start;
        Graphics::screen->fill(sky);
        Graphics::force_refresh();
        stats.add(start, frame);
    }
    return stats;
}

} // namespace

// Optional argument: the number of gore bursts (default 3).
int main(int argc, char** argv) {
    const int bursts = argc > 1 ? std::max(1, std::atoi(argv[1])) : DEFAULT_BURSTS;
    const int measured_frames = bursts * BURST_PERIOD;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Graphics::start(Coord(800, 600), 0, false);
    Pixel::start();
    Particle::start();

    char folder_template[] = "/tmp/ironvale-particles.XXXXXX";
    const char* made = mkdtemp(folder_template);
    if (!made) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = made;
    Sprite* streak = solid_sprite(folder, 37, Coord(2, 16), Pixel::make(170, 180, 200));
    std::vector<Sprite*> meat;
    for (int n = 62; n <= 65; ++n)
        meat.push_back(solid_sprite(folder, n, Coord(4 + n - 62, 5), Pixel::make(120, 10, 10)));

    const Uint32 sky = Pixel::make(127, 127, 127);
    const Stats bare = bare_frames(sky);

    Stats all;
    std::vector<Stats> burst(bursts);
    int peak = 0;
    int peak_frame = 0;
    for (int frame = -WARM_UP_FRAMES; frame < measured_frames; ++frame) {
        Graphics::screen->fill(sky);
        const bool goring = frame >= 0 && frame % BURST_PERIOD < GORE_FRAMES;
        const Stopwatch start;
        rain(streak);
        snow();
        if (goring) gore(meat);
        Particle::background.run();
        Particle::foreground.run();
        Stats* frame_stats[] = {&all, frame >= 0 ? &burst[frame / BURST_PERIOD] : nullptr};
        if (frame >= 0)
            for (Stats* stats : frame_stats) stats->add(start, frame);
        Graphics::force_refresh();
        if (frame < 0) continue;

        const int live = count(Particle::background) + count(Particle::foreground);
        if (live > peak) {
            peak = live;
            peak_frame = frame;
        }
    }
    const int left = count(Particle::background) + count(Particle::foreground);

    std::printf("Particle benchmark, 800x600, %d frames after %d of weather alone\n",
                measured_frames, WARM_UP_FRAMES);
    std::printf("  load: rain and snow every frame; 5000 blood drops + 10 meat a frame for "
                "%d frames at frames 0, %d, ...\n", GORE_FRAMES, BURST_PERIOD);
    bare.print("  bare clear + present, 800x600: ");
    all.print("  particles (create + 2 lists):  ");
    for (int b = 0; b < bursts; ++b) {
        const std::string name = "    burst " + Utility::str(b) + ":                    ";
        burst[b].print(name.c_str());
    }
    std::printf("  live particles: peak %d at frame %d, %d at the end (weather only)\n", peak,
                peak_frame, left);

    Particle::start();
    delete streak;
    for (Sprite* s : meat) delete s;
    Graphics::end();
    rmdir(folder.c_str());
    return 0;
}
