// Times the start-up of the screen, fonts, strings, sound bank and sprite sheets headless
// over several runs and compares the sprite loading with the bare cost of decoding the same
// pictures and converting them to the display format, which no loader can beat. Reports the
// peak resident memory of the started program and how the pictures split it, and what one
// hit-test pixel read costs on a fighter picture.
//
// Usage: SpriteBench [DATA_FOLDER [RUNS]]   (the folder defaults to the current one)
#include <SDL.h>
#include <SDL_image.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <string>
#include <vector>

#include "BenchOutput.h"
#include "ProcessStatus.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "core/Utility.h"
#include "level/Stringz.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"

namespace {

using Clock = std::chrono::steady_clock;

FILE* figures = stdout;

double ms_since(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// Processor time of this thread, kernel time included (page faults are kernel time): on a
// machine shared with other work it varies far less than the wall clock.
double cpu_ms() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::vector<std::string> picture_files() {
    std::vector<std::string> files = {"graphics/screens/sword.png"};
    for (int n = 0; n < SpriteSheet::AGENT_SPRITES; ++n)
        files.push_back("graphics/agents/" + Utility::str(n) + ".png");
    for (int n = 0; n < SpriteSheet::BASE_SPRITES; ++n)
        files.push_back("graphics/sprites/" + Utility::str(n) + ".png");
    for (const char* name : {"graphics/sprites/sword.png", "graphics/screens/floor.png",
                             "graphics/screens/title.png", "graphics/screens/end1.png",
                             "graphics/screens/end2.png", "graphics/screens/end3.png"})
        files.push_back(name);
    return files;
}

struct Timing {
    double wall = 0;
    double cpu = 0;
};

// Decoding and converting every picture, and nothing else.
Timing floor_ms(const std::vector<std::string>& files) {
    const Clock::time_point t = Clock::now();
    const double c = cpu_ms();
    for (const std::string& path : files) {
        SDL_Surface* loaded = IMG_Load(path.c_str());
        SDL_Surface* converted = loaded ? SDL_DisplayFormat(loaded) : nullptr;
        if (!converted) {
            std::fprintf(figures, "cannot load %s\n", path.c_str());
            std::exit(1);
        }
        SDL_FreeSurface(loaded);
        SDL_FreeSurface(converted);
    }
    return {ms_since(t), cpu_ms() - c};
}

// The fighter sheets alone, without the loading screen between them, in fresh memory.
double fighters_only_cpu_ms() {
    std::vector<AgentSprite*> sprites;
    PixelArena* arena = new PixelArena(size_t(1) << 30);
    const double c = cpu_ms();
    for (int n = 0; n < SpriteSheet::AGENT_SPRITES; ++n)
        sprites.push_back(new AgentSprite("graphics/agents/" + Utility::str(n) + ".png", arena));
    const double ms = cpu_ms() - c;
    for (AgentSprite* s : sprites) delete s;
    delete arena;
    return ms;
}

// The 130 loading screens alone, as the loading draws them.
double loading_screens_cpu_ms() {
    const double c = cpu_ms();
    for (int n = 0; n < SpriteSheet::AGENT_SPRITES; ++n) {
        Graphics::screen->fill(Pixel::black);
        if (Stringz::loading) Stringz::loading->draw(Coord(400 - Stringz::loading->w() / 2, 200));
        SpriteSheet::health_sword->draw(SpriteSheet::loading_marker_position(n, 800), true);
        Graphics::force_refresh();
    }
    return cpu_ms() - c;
}

// Pictures that share their pixels (fighter skins that come out alike) count once.
std::set<const void*> counted;

double bytes_of(const Image* image) {
    if (!image || !counted.insert(image->surface->pixels).second) return 0;
    return static_cast<double>(image->surface->h) * image->surface->pitch;
}

struct Split {
    double variants = 0;  // fighter variants 1 to 26
    double mirrors = 0;   // every mirror image
    double rest = 0;      // drawings as loaded: fighters' variant 0, plain sprites, screens
};

void add_sprite(Split& split, const Sprite* s, bool fighter) {
    for (size_t v = 0; v < s->images.size(); ++v) {
        if (fighter && v > 0)
            split.variants += bytes_of(s->images[v].get());
        else
            split.rest += bytes_of(s->images[v].get());
        split.mirrors += bytes_of(s->mirrored[v].get());
    }
}

Split picture_memory() {
    Split split;
    counted.clear();
    for (const AgentSprite* s : SpriteSheet::agent) add_sprite(split, s, true);
    for (const Sprite* s : SpriteSheet::base) add_sprite(split, s, false);
    for (const Sprite* s : {SpriteSheet::health_sword, SpriteSheet::blood_sword, SpriteSheet::img_title,
                            SpriteSheet::img_floor, SpriteSheet::img_end1, SpriteSheet::img_end2,
                            SpriteSheet::img_end3})
        add_sprite(split, s, false);
    return split;
}

// One hit test as the fighters make it: open, read one pixel, close, on a picture that
// has been drawn (the first blit is where a run-length encoding would be made).
void pixel_read_cost() {
    std::vector<Image*> pictures;
    int must_lock = 0;
    for (AgentSprite* s : SpriteSheet::agent)
        for (int v = 0; v < VARIANT_COUNT; ++v)
            for (bool flipped : {false, true}) {
                Image* image = s->image(static_cast<SpriteVariant>(v), flipped);
                image->draw(Coord(100, 100));
                if (SDL_MUSTLOCK(image->surface)) ++must_lock;
                pictures.push_back(image);
            }
    const int reads = 2000000;
    Uint32 sum = 0;
    const Clock::time_point t = Clock::now();
    for (int i = 0; i < reads; ++i) {
        Image* image = pictures[(i * 7919u) % pictures.size()];
        image->open();
        sum += image->get_pixel(Coord(i % image->w(), (i / 3) % image->h()));
        image->close();
    }
    const double ns = ms_since(t) * 1e6 / reads;
    std::fprintf(figures, "hit-test read (open, get_pixel, close) on drawn fighter pictures: %.1f ns "
                "(%d of %zu pictures need locking; checksum %u)\n",
                ns, must_lock, pictures.size(), sum & 0xff);
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (argc > 1 && chdir(argv[1]) != 0) {
        std::fprintf(figures, "cannot enter %s\n", argv[1]);
        return 1;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    figures = BenchOutput::figures_apart();
    if (!figures) return 1;
    // A folder with only the pictures and the font still times the loading.
    const bool with_strings = access("strings.txt", R_OK) == 0;
    const bool with_sound = access("sfx", R_OK) == 0;
    for (const std::string& path : picture_files())
        if (access(path.c_str(), R_OK) != 0) {
            std::fprintf(figures, "missing %s\n", path.c_str());
            return 1;
        }
    std::vector<double> screens, screen_ms, text_ms, sprite_ms, floor, fighters, sprite_cpu, floor_cpu;
    long rss_before_sprites = 0;
    long peak_started = 0;
    long huge_kb = 0;
    Split split;
    for (int run = 0; run < runs; ++run) {
        Clock::time_point t = Clock::now();
        Graphics::start(Coord(800, 600), 40, false);
        Pixel::start();
        screen_ms.push_back(ms_since(t));
        t = Clock::now();
        TextMaker::start();
        if (with_strings) Stringz::start();
        text_ms.push_back(ms_since(t));
        if (with_sound) Sound::start();
        if (run == 0) rss_before_sprites = ProcessStatus::kilobytes("VmRSS:");
        t = Clock::now();
        const double c = cpu_ms();
        SpriteSheet::start();
        sprite_ms.push_back(ms_since(t));
        sprite_cpu.push_back(cpu_ms() - c);
        Animation::start();
        if (run == 0) {
            peak_started = ProcessStatus::kilobytes("VmHWM:");
            huge_kb = ProcessStatus::kilobytes("AnonHugePages:", "/proc/self/smaps_rollup");
            split = picture_memory();
        }
        const Timing bare = floor_ms(picture_files());
        floor.push_back(bare.wall);
        floor_cpu.push_back(bare.cpu);
        fighters.push_back(fighters_only_cpu_ms());
        screens.push_back(loading_screens_cpu_ms());
        if (run == runs - 1) pixel_read_cost();
        Animation::end();
        SpriteSheet::end();
        if (with_sound) Sound::end();
        TextMaker::end();
        Graphics::end();
        Stringz::end();
    }
    const double mb = 1024.0 * 1024.0;
    std::fprintf(figures, "runs: %d (medians)%s%s\n", runs,
                 with_strings ? "" : "; no strings.txt: loading screen without its text",
                 with_sound ? "" : "; no sfx folder: sound bank not started");
    std::fprintf(figures, "screen start: %.1f ms, fonts and strings: %.1f ms\n", median(screen_ms),
                median(text_ms));
    // The first run is the one a player waits for: every page of picture memory is new to
    // the process then; later runs reuse the pages the previous one freed.
    std::fprintf(figures, "sprite sheets (SpriteSheet::start): first run %.1f ms, later runs "
                 "median %.1f ms\n", sprite_ms[0], median(std::vector<double>(sprite_ms.begin() + (runs > 1), sprite_ms.end())));
    std::fprintf(figures, "  processor time of its parts: fighter sheets alone (fresh memory) "
                 "%.1f ms, the 130 loading screens alone %.1f ms\n",
                 median(fighters), median(screens));
    std::fprintf(figures, "decode-and-convert floor, same %zu files: %.1f ms\n", picture_files().size(),
                median(floor));
    std::fprintf(figures, "loading / floor: first run %.2f, later runs %.2f (target <= 3, and "
                 "loading < 1000 ms)\n", sprite_ms[0] / median(floor),
                 median(std::vector<double>(sprite_ms.begin() + (runs > 1), sprite_ms.end())) / median(floor));
    std::fprintf(figures, "processor time: loading first run %.1f ms, later runs %.1f ms; floor "
                 "%.1f ms; ratio first run %.2f, later runs %.2f\n",
                 sprite_cpu[0], median(std::vector<double>(sprite_cpu.begin() + (runs > 1), sprite_cpu.end())),
                 median(floor_cpu), sprite_cpu[0] / median(floor_cpu),
                 median(std::vector<double>(sprite_cpu.begin() + (runs > 1), sprite_cpu.end())) / median(floor_cpu));
    // The design redraws and presents the loading screen before every fighter sheet; those
    // 130 presents are part of the loading but not of any decoding floor.
    const double later_cpu =
        median(std::vector<double>(sprite_cpu.begin() + (runs > 1), sprite_cpu.end()));
    std::fprintf(figures, "processor time without the loading screens: later runs %.1f ms, "
                 "ratio %.2f\n", later_cpu - median(screens),
                 (later_cpu - median(screens)) / median(floor_cpu));
    std::fprintf(figures, "peak resident memory of the started program: %.1f MB (target < 400 MB); "
                "%.1f MB before the sprite sheets\n",
                peak_started / 1024.0, rss_before_sprites / 1024.0);
    std::fprintf(figures, "huge pages in use after loading: %.1f MB\n", huge_kb / 1024.0);
    std::fprintf(figures, "picture pixels: fighter variants 1-26 %.1f MB, mirror images %.1f MB, "
                "drawings as loaded %.1f MB, total %.1f MB\n",
                split.variants / mb, split.mirrors / mb, split.rest / mb,
                (split.variants + split.mirrors + split.rest) / mb);
    return 0;
}
