// Runs the two particle lists headless at the worst load the game makes: the gore attack's
// 5,000 blood drops and 10 pieces of meat a frame for 10 frames, on top of steady rain and
// snow. Prints the mean and worst frame time of the particle work against the bare cost of
// clearing and presenting an 800x600 frame.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/Coord.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Utility.h"
#include "level/Level.h"
#include "sprites/Sprite.h"
#include "world/Particle.h"

namespace {

using Clock = std::chrono::steady_clock;

const int WARM_UP_FRAMES = 100;
const int GORE_FRAMES = 10;
const int MEASURED_FRAMES = 300;
const int BARE_FRAMES = 200;

struct Stats {
    double total_ms = 0;
    double worst_ms = 0;
    int worst_frame = 0;
    int frames = 0;

    void add(double ms, int frame) {
        total_ms += ms;
        ++frames;
        if (ms > worst_ms) {
            worst_ms = ms;
            worst_frame = frame;
        }
    }
    double mean_ms() const { return frames ? total_ms / frames : 0; }
};

double ms_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

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
    if (std::rand() % 2 == 0)
        p->put_foreground();
    else
        p->put_background();
}

// The particle settings of the blood and meat recipes.
void spray(Coord at, int angle, int spread, int low, int high, int count,
           const std::vector<Sprite*>* meat) {
    for (int i = 0; i < count; ++i) {
        const double theta = Utility::randAngle(angle - spread, angle + spread);
        const int r = std::rand() % (3 * (high - low)) - low;
        Particle* p = new Particle(at, polar(r, theta), 1);
        if (meat)
            p->make_sprite((*meat)[std::rand() % 4]);
        else
            p->make_pixel(Pixel::make(105 + std::rand() % 150, 0, 0));
        p->add_terminal_velocity(20);
        put_either(p);
    }
}

Coord near_gore() {
    const Coord centre(400, Level::FLOOR_HEIGHT - 40);
    return centre.vectorOffset(Utility::randAngle(0, 360), std::rand() % 25);
}

void gore(const std::vector<Sprite*>& meat) {
    spray(near_gore(), 270, 70, 4, 15, 10, &meat);
    spray(near_gore(), 270, 70, 4, 20, 5000, nullptr);
}

void rain(Sprite* streak) {
    if (std::rand() % 80 == 0) return;
    const int w = Graphics::screen->w();
    Particle* p = new Particle(Coord(std::rand() % (w + 200) - 100, 0),
                               Coord(0, 20 + std::rand() % 40), 0);
    p->make_sprite(streak);
    p->put_foreground();
}

void snow() {
    if (std::rand() % 300 == 0) return;
    const int w = Graphics::screen->w();
    Particle* p = new Particle(Coord(std::rand() % (w + 1000) - 500, 0), Coord(0, 0), 1);
    p->add_terminal_velocity(8 + std::rand() % 3);
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
        const Clock::time_point start = Clock::now();
        Graphics::screen->fill(sky);
        Graphics::force_refresh();
        stats.add(ms_since(start), frame);
    }
    return stats;
}

} // namespace

int main() {
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
    Stats gore_window;
    int peak = 0;
    int peak_frame = 0;
    for (int frame = 0; frame < WARM_UP_FRAMES + MEASURED_FRAMES; ++frame) {
        Graphics::screen->fill(sky);
        const Clock::time_point start = Clock::now();
        rain(streak);
        snow();
        const bool goring = frame >= WARM_UP_FRAMES && frame < WARM_UP_FRAMES + GORE_FRAMES;
        if (goring) gore(meat);
        Particle::background.run();
        Particle::foreground.run();
        const double ms = ms_since(start);
        Graphics::force_refresh();

        const int live = count(Particle::background) + count(Particle::foreground);
        if (live > peak) {
            peak = live;
            peak_frame = frame - WARM_UP_FRAMES;
        }
        if (frame < WARM_UP_FRAMES) continue;
        all.add(ms, frame - WARM_UP_FRAMES);
        if (frame < WARM_UP_FRAMES + 60) gore_window.add(ms, frame - WARM_UP_FRAMES);
    }
    const int left = count(Particle::background) + count(Particle::foreground);

    std::printf("Particle benchmark, 800x600, %d frames after %d of weather alone\n",
                MEASURED_FRAMES, WARM_UP_FRAMES);
    std::printf("  load: rain and snow every frame; 5000 blood drops + 10 meat a frame "
                "for %d frames from frame 0\n", GORE_FRAMES);
    std::printf("  bare clear + present:        mean %.3f ms, worst %.3f ms\n",
                bare.mean_ms(), bare.worst_ms);
    std::printf("  particles (create + 2 lists): mean %.3f ms, worst %.3f ms at frame %d\n",
                all.mean_ms(), all.worst_ms, all.worst_frame);
    std::printf("  first 60 frames (gore):       mean %.3f ms\n", gore_window.mean_ms());
    std::printf("  live particles: peak %d at frame %d, %d at the end (weather only)\n", peak,
                peak_frame, left);

    Particle::start();
    delete streak;
    for (Sprite* s : meat) delete s;
    Graphics::end();
    rmdir(folder.c_str());
    return 0;
}
