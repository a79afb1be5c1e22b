// Plays the game's busiest situations frame by frame through the real Level::run(), and
// the demo's loop, presenting every frame, and prints for each the mean, 99th percentile and worst frame,
// split into the frame's own work and its present, beside the bare cost of clearing and
// presenting. Then starts the real game several times and times it to the menu, and
// reports the peak resident memory of the started game and of this process after all
// the cases (which holds the largest particle load the game makes).
//
// It runs in whatever window SDL opens: headless with SDL_VIDEODRIVER=dummy, in a real
// window on an X display otherwise (scripts/bench runs both, under Xvfb).
//
// Usage: FrameBench DATA_FOLDER [FRAMES [STARTS [GAME_BINARY]]]
//   FRAMES per case (default 400), STARTS of the game (default 3, 0 for none).
//   FRAMEBENCH_ONLY=text in the environment plays only the cases whose names contain it
//   (for a profiler).
#include <SDL.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "BenchOutput.h"
#include "ProcessStatus.h"
#include "app/Demo.h"
#include "app/Game.h"
#include "combat/Attack.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "level/Level.h"
#include "world/Particle.h"

#ifndef IRONVALE_GAME_BINARY
#define IRONVALE_GAME_BINARY ""
#endif

namespace {

FILE* figures = stdout;

double now_ms(clockid_t clock = CLOCK_MONOTONIC) {
    timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Series {
    std::vector<double> ms;

    double mean() const {
        double sum = 0;
        for (double v : ms) sum += v;
        return ms.empty() ? 0 : sum / ms.size();
    }
    // Nearest rank: the frame that 99 % of frames are no slower than.
    double p99() const {
        if (ms.empty()) return 0;
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const size_t rank = (sorted.size() * 99 + 99) / 100;
        return sorted[std::min(sorted.size(), rank) - 1];
    }
    double worst() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

struct CaseResult {
    std::string name;
    Series work;     // Level::run(): controllers, world, drawing (wall clock)
    Series work_cpu; // the same in this thread's processor time, which other programs
                     // on a shared machine cannot stretch
    Series present;  // Graphics::force_refresh()
    Series frame;    // both
    size_t most_particles = 0;
    // Of every frame's picture: equal in two builds when both played the case alike.
    unsigned long long checksum = 1469598103934665603ULL;
};

void add_picture(unsigned long long& checksum) {
    Image* screen = Graphics::screen;
    screen->open();
    for (int y = 0; y < screen->h(); ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(screen->surface->pixels) + y * screen->surface->pitch);
        for (int x = 0; x < screen->w(); ++x) checksum = (checksum ^ row[x]) * 1099511628211ULL;
    }
    screen->close();
}

size_t count(ThingDB& list) {
    size_t n = 0;
    for (list.reiterate(); list.current(); list.next()) ++n;
    return n;
}

// A situation of play: a level script to start from and what to add on given frames.
struct Case {
    std::string name;
    std::string dir;
    std::string script;
    std::function<void(int frame)> event;
};

class TempFolder {
  public:
    TempFolder() {
        char pattern[] = "/tmp/ironvale-frames.XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made ? std::string(made) + "/" : "";
    }
    ~TempFolder() {
        if (path.empty()) return;
        const std::string command = "rm -rf '" + path + "'";
        if (std::system(command.c_str()) != 0) std::fprintf(figures, "cannot remove %s\n", path.c_str());
    }
    void write(const std::string& file, const std::string& text) const {
        std::ofstream(path + file, std::ios::binary) << text;
    }
    std::string path;
};

const char* const CASTLE_LAYERS =
    "BACKGROUND\ncastle_far.png\n0\n0\n4\n"
    "BACKGROUND\ncastle_mid.png\n0\n0\n2\n"
    "BACKGROUND\ncastle_ground.png\n0\n0\n1\n"
    "BACKGROUND\ncastle_front.png\n0\n0\n1\n";

std::string agent_line(int skin, int hp, int team, int x, bool facing_left, const char* mind) {
    return "AGENT\n" + std::to_string(skin) + "\n" + std::to_string(hp) + "\n" +
           std::to_string(team) + "\n" + std::to_string(x) + "\n" + (facing_left ? "1" : "0") +
           "\n" + mind + "\n";
}

// The player and four friends against five, in a storm; everyone tough enough to last.
std::string storm_and_ten_fighters() {
    const char* minds[] = {"AI_Mk1", "AI_Mk2", "AI_Mk3", "AI_Duelist", "AI_Peasant"};
    std::string s = std::string(CASTLE_LAYERS) + "EFFECT\n3\n";
    s += agent_line(0, 5000, 1, 150, false, "AI_P1") + "HEALTH\n0\n";
    for (int i = 1; i < 5; ++i) s += agent_line(i + 1, 5000, 1, 100 + 60 * i, false, minds[i]);
    for (int i = 0; i < 5; ++i) s += agent_line(i + 7, 5000, 2, 450 + 70 * i, true, minds[i]);
    return s;
}

std::string storm_and_rising_boss() {
    return std::string(CASTLE_LAYERS) + "EFFECT\n3\n" + agent_line(0, 5000, 1, 150, false, "AI_P1") +
           "HEALTH\n0\n" + agent_line(16, 50, 2, 600, true, "AI_Boss2") + "HEALTH\n1\n";
}

const int GORE_FRAME = 100;
const int GORE_BURSTS = 10;

// Ten bursts of gore in one frame along the floor: 5,000 drops each a frame for 10 frames.
void ten_gore_bursts(int frame) {
    if (frame != GORE_FRAME) return;
    for (int i = 0; i < GORE_BURSTS; ++i) new Attack(ATK_GORE, nullptr, Coord(130 + 60 * i, 0));
}

// Times `frames` frames of `run`, each presented, after `before` (untimed) set it up.
CaseResult timed(const std::string& name, int frames, const std::function<void(int)>& before,
                 const std::function<void()>& run) {
    CaseResult r;
    r.name = name;
    for (int f = 0; f < frames; ++f) {
        if (before) before(f);
        const double t0 = now_ms();
        const double c0 = now_ms(CLOCK_THREAD_CPUTIME_ID);
        run();
        const double t1 = now_ms();
        const double c1 = now_ms(CLOCK_THREAD_CPUTIME_ID);
        Graphics::force_refresh();
        const double t2 = now_ms();
        r.work.ms.push_back(t1 - t0);
        r.work_cpu.ms.push_back(c1 - c0);
        r.present.ms.push_back(t2 - t1);
        r.frame.ms.push_back(t2 - t0);
        add_picture(r.checksum);
        if (before) r.most_particles = std::max(r.most_particles, count(Particle::background) +
                                                                       count(Particle::foreground));
    }
    return r;
}

CaseResult bare(int frames) {
    const Uint32 sky = Pixel::make(127, 127, 127);
    return timed("bare clear and present", frames, nullptr, [sky] { Graphics::screen->fill(sky); });
}

CaseResult play(const Case& c, int frames) {
    Level* level = new Level();
    level->runScript(c.dir, c.script);
    const CaseResult r = timed(c.name, frames, c.event, [level] { level->run(); });
    delete level;
    return r;
}

const char* const DEMO = "demo: its levels in turn, computer-driven";

// The attract mode's own loop.
CaseResult play_demo(int frames) {
    Demo demo;
    return timed(DEMO, frames, nullptr, [&demo] { demo.frame(); });
}

void print(const CaseResult& r) {
    std::fprintf(figures, "%-44s %7.3f %7.3f %7.3f | %6.3f %6.3f | %6.3f | %7.3f %7.3f %7.3f\n",
                 r.name.c_str(), r.work.mean(), r.work.p99(), r.work.worst(), r.work_cpu.mean(),
                 r.work_cpu.worst(), r.present.mean(), r.frame.mean(), r.frame.p99(),
                 r.frame.worst());
    if (r.most_particles)
        std::fprintf(figures, "%-44s %zu\n", "  most particles alive at once", r.most_particles);
    if (r.name != "bare clear and present")
        std::fprintf(figures, "%-44s %016llx\n", "  checksum of the pictures", r.checksum);
}

struct Start {
    double to_menu_ms = -1;
    // Processor time of the whole run, start-up and shutdown, user and system.
    double cpu_ms = -1;
    long peak_kb = -1;
};

// Reads the child's log until a line equals `wanted`; false at the end of the log or after
// `timeout_ms` without it.
bool wait_for_line(int fd, const std::string& wanted, int timeout_ms) {
    std::string pending;
    const double deadline = now_ms() + timeout_ms;
    for (;;) {
        const size_t end = pending.find('\n');
        if (end != std::string::npos) {
            if (pending.compare(0, end, wanted) == 0 && end == wanted.size()) return true;
            pending.erase(0, end + 1);
            continue;
        }
        pollfd p = {fd, POLLIN, 0};
        const int left = static_cast<int>(deadline - now_ms());
        if (left <= 0 || poll(&p, 1, left) <= 0) return false;
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) return false;
        pending.append(buffer, static_cast<size_t>(n));
    }
}

// Launches the game in the data folder (the current folder), times it to the end of its
// start-up (the log line that closes "Initialising all subsystems...", after which the
// menu draws), then asks it to close as a session's logout does and takes its peak
// resident memory.
Start start_game(const std::string& binary) {
    Start result;
    int out[2];
    if (pipe(out) != 0) return result;
    const double t0 = now_ms();
    const pid_t pid = fork();
    if (pid < 0) return result;
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    const bool started = wait_for_line(out[0], "\t\tSuccess.", 60000);
    const double to_menu = now_ms() - t0;
    kill(pid, SIGTERM);
    // The game's shutdown log must not fill the pipe and hold it up.
    char sink[4096];
    while (read(out[0], sink, sizeof sink) > 0) {
    }
    close(out[0]);
    int status = 0;
    rusage usage;
    if (wait4(pid, &status, 0, &usage) != pid) return result;
    result.peak_kb = usage.ru_maxrss;
    result.cpu_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                    (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    if (started && WIFEXITED(status) && WEXITSTATUS(status) == 0) result.to_menu_ms = to_menu;
    return result;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER [FRAMES [STARTS [GAME_BINARY]]]\n", argv[0]);
        return 2;
    }
    const int frames = argc > 2 ? std::max(GORE_FRAME + 50, std::atoi(argv[2])) : 400;
    const int starts = argc > 3 ? std::max(0, std::atoi(argv[3])) : 3;
    const std::string game = argc > 4 ? argv[4] : IRONVALE_GAME_BINARY;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (chdir(argv[1]) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    figures = BenchOutput::figures_apart();
    if (!figures) return 1;

    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const bool headless = driver && std::strcmp(driver, "dummy") == 0;
    Game::start(Coord(800, 600), 40, false);
    const long started_kb = ProcessStatus::kilobytes("VmHWM:");

    TempFolder temp;
    temp.write("ten.txt", storm_and_ten_fighters());
    temp.write("boss.txt", storm_and_rising_boss());
    const std::string story = "Stories/The Ironvale Road/";
    const std::vector<Case> cases = {
        {"Village Duel", story + "Village Duel/", "level.txt", nullptr},
        {"Castle Gate", story + "Castle Gate/", "level.txt", nullptr},
        {"storm and ten fighters", temp.path, "ten.txt", nullptr},
        {"storm, ten fighters, ten gore bursts at once", temp.path, "ten.txt", ten_gore_bursts},
        {"storm and the rising headless boss", temp.path, "boss.txt", nullptr},
    };

    std::fprintf(figures, "Frames, 800x600, %s, %d frames a case; milliseconds\n",
                 headless ? "headless (dummy video)" : "real window", frames);
    std::fprintf(figures, "%-44s %-23s | %-13s | %-6s | %s\n", "", "own work mean p99 worst",
                 "cpu mean worst", "present", "whole frame mean p99 worst");
    const char* only = std::getenv("FRAMEBENCH_ONLY");
    if (!only) print(bare(frames));
    for (const Case& c : cases)
        if (!only || c.name.find(only) != std::string::npos) print(play(c, frames));
    if (!only || std::string(DEMO).find(only) != std::string::npos) print(play_demo(frames));
    const long played_kb = ProcessStatus::kilobytes("VmHWM:");
    Game::end();

    std::fprintf(figures, "peak resident memory of this process: %.1f MB started, %.1f MB after "
                 "playing the cases\n", started_kb / 1024.0, played_kb / 1024.0);
    if (starts == 0 || game.empty()) return 0;
    std::vector<double> times;
    std::vector<double> cpu;
    long peak = 0;
    for (int i = 0; i < starts; ++i) {
        const Start s = start_game(game);
        if (s.to_menu_ms < 0) {
            std::fprintf(figures, "the game %s did not start and close cleanly\n", game.c_str());
            return 1;
        }
        times.push_back(s.to_menu_ms);
        cpu.push_back(s.cpu_ms);
        peak = std::max(peak, s.peak_kb);
    }
    std::string list;
    for (double t : times) list += " " + std::to_string(static_cast<int>(t + 0.5));
    std::string cpu_list;
    for (double t : cpu) cpu_list += " " + std::to_string(static_cast<int>(t + 0.5));
    std::fprintf(figures, "start-up of the game to the menu, %d runs:%s ms (processor time of "
                 "each whole run:%s ms)\n", starts, list.c_str(), cpu_list.c_str());
    std::fprintf(figures, "peak resident memory of the started game: %.1f MB\n", peak / 1024.0);
    return 0;
}
