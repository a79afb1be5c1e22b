// Runs attacks headless with the game's own pictures: the gore attack (5,000 blood drops
// and 10 pieces of meat a frame for 10 frames) with the particle lists it fills, and a
// melee of 20 fighters whose every swing tests one pixel per enemy per frame.
// Usage: AttackBench DATA_FOLDER [BURSTS]. Prints mean and worst frame times.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <time.h>
#include <unistd.h>

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Random.h"
#include "level/Level.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

namespace {

const int BURST_PERIOD = 100;
const int FIGHTERS = 20;
const int SWINGS_PER_FRAME = 10;
const int MELEE_FRAMES = 400;

double now_ms() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Stats {
    double total = 0, worst = 0;
    int frames = 0;
    void add(double ms) {
        total += ms;
        worst = ms > worst ? ms : worst;
        ++frames;
    }
    void print(const char* what) const {
        std::printf("%-44s mean %7.3f ms  worst %7.3f ms  (%d frames)\n", what, total / frames,
                    worst, frames);
    }
};

size_t count(ThingDB& list) {
    size_t n = 0;
    for (list.reiterate(); list.current(); list.next())
        ++n;
    return n;
}

void world_frame() {
    Graphics::screen->fill(Pixel::black);
    Particle::background.run();
    Attack::DB.run();
    Particle::foreground.run();
}

void gore(int bursts) {
    Stats stats;
    size_t most = 0;
    for (int frame = 0; frame < bursts * BURST_PERIOD; ++frame) {
        if (frame % BURST_PERIOD == 0) new Attack(ATK_GORE, nullptr, Coord(400, 0));
        const double start = now_ms();
        world_frame();
        stats.add(now_ms() - start);
        const size_t live = count(Particle::foreground) + count(Particle::background);
        most = live > most ? live : most;
    }
    stats.print("gore bursts, attacks and particles");
    std::printf("%-44s %zu\n", "most particles alive at once", most);
}

void melee() {
    for (int i = 0; i < FIGHTERS; ++i)
        new Agent(VARIANT_WHITE_CAPE, 1000000, Coord(100 + 30 * i, Level::FLOOR_HEIGHT), 1 + i % 2,
                  i % 2 == 1);
    Stats stats;
    for (int frame = 0; frame < MELEE_FRAMES; ++frame) {
        for (int s = 0; s < SWINGS_PER_FRAME; ++s) {
            Agent* owner = Agent::agents[Random::next() % FIGHTERS];
            new Attack(ATK_SLASH, owner, Coord(owner->pos.x + 30, owner->pos.y - 40));
        }
        const double start = now_ms();
        Attack::DB.run();
        stats.add(now_ms() - start);
    }
    stats.print("melee: 50 live swings against 20 fighters");
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER [BURSTS]\n", argv[0]);
        return 2;
    }
    const int bursts = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    Graphics::start(Coord(800, 600), 0, false);
    Pixel::start();
    SpriteSheet::start();
    Animation::start();
    AgentInput::start();
    Combos::start();
    Agent::start();
    Particle::start();
    Attack::start();
    gore(bursts);
    Attack::start();
    Particle::start();
    melee();
    Attack::start();
    Agent::delete_all();
    Animation::end();
    SpriteSheet::end();
    Graphics::end();
    return 0;
}
