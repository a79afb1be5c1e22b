// Plays every level of a data folder's stories headless, many times, on a clock made of
// frames (far faster than real time): once with the players' fighters handed to a strong
// computer controller, once with them standing idle. Prints per level how often the driven
// hero wins and how fast, and how soon an idle hero loses. The level runs as in the game:
// its scripts, waves, wave pauses and lose script, judged as the story judges them; pages
// and speeches are answered at once. Each try starts from its own seed of the C library's
// generator, so a level gives the same figures alone or among others.
//
// Usage: BalanceBench DATA_FOLDER [STORY...] [--tries N] [--controller NAME]
//                     [--minutes M] [--log FILE]
#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "BenchOutput.h"
#include "HeadlessGame.h"
#include "ai/AI.h"
#include "core/Clock.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Random.h"
#include "level/Level.h"
#include "level/Referee.h"
#include "level/Story.h"

namespace {
const char* const USAGE =
    "Usage: BalanceBench DATA_FOLDER [STORY...] [--tries N] [--controller NAME]\n"
    "                    [--minutes M] [--log FILE]\n"
    "  STORY          only these stories of the catalogue (by default every one)\n"
    "  --tries N      tries a level, driven and idle each (default 20)\n"
    "  --controller   the computer controller that drives the players (default AI_Mk3)\n"
    "  --minutes M    a try still undecided after M minutes of play counts as neither won\n"
    "                 nor lost (default 4)\n"
    "  --log FILE     the game's log goes there (by default nowhere)\n";

const char* const IDLE_CONTROLLER = "AI_Dummy";
const double FRAME_SECONDS = Clock::FRAME_MS / 1000.0;

struct Options {
    std::string data;
    std::vector<std::string> stories;
    int tries = 20;
    std::string controller = "AI_Mk3";
    double minutes = 4;
    std::string log = "/dev/null";
};

// The player answers every page and every speech with Tab at once and holds no key.
class AnswerAtOnce : public EventSource {
  public:
    bool poll(SDL_Event& event) override {
        event = {};
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = SDLK_TAB;
        return true;
    }
    bool wait(SDL_Event& event) override { return poll(event); }
    bool discard() override { return false; }
    const Uint8* keys() override { return nothing_held.data(); }

  private:
    std::array<Uint8, SDLK_LAST> nothing_held{};
};

enum class End { WON, LOST, UNDECIDED };

struct Try {
    End end;
    double seconds;
    bool two_players;
};

struct Tally {
    int tries = 0;
    std::vector<double> won;
    std::vector<double> lost;
};

long frames_played = 0;

bool read_options(int argc, char** argv, Options& o) {
    if (argc < 2 || argv[1][0] == '-') return false;
    o.data = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--tries" && has_value)
            o.tries = std::atoi(argv[++i]);
        else if (arg == "--controller" && has_value)
            o.controller = argv[++i];
        else if (arg == "--minutes" && has_value)
            o.minutes = std::atof(argv[++i]);
        else if (arg == "--log" && has_value)
            o.log = argv[++i];
        else if (arg[0] != '-')
            o.stories.push_back(arg);
        else
            return false;
    }
    return o.tries > 0 && o.minutes > 0;
}

// The figures keep standard output; the game's log, which also writes there, goes to `log`.
FILE* split_output(const std::string& log) {
    FILE* figures = BenchOutput::figures_apart(log.c_str());
    if (!figures) {
        std::fprintf(stderr, "BalanceBench: cannot write the log to %s\n", log.c_str());
        std::exit(1);
    }
    return figures;
}

// One try of the level in `dir`, the players driven by `controller`.
Try play(const std::string& dir, const std::string& controller, unsigned seed, int frame_limit) {
    Random::seed(seed);
    Clock::count_frames();
    Level* level = new Level();
    level->runScript(dir, "level.txt");
    Referee referee(level, dir);
    Try result{End::UNDECIDED, frame_limit * FRAME_SECONDS, false};
    for (int frame = 1; frame <= frame_limit; ++frame) {
        // Wave scripts may bring players of their own.
        AI::replace_players(controller);
        level->run();
        const Referee::Verdict verdict = referee.frame();
        Clock::advance();
        ++frames_played;
        const double seconds = frame * FRAME_SECONDS;
        if (verdict == Referee::WON || level->script_won) {
            result.end = End::WON;
            result.seconds = seconds;
            break;
        }
        if (verdict == Referee::LOST) {
            result.end = End::LOST;
            result.seconds = seconds;
            break;
        }
        if (level->quit()) {
            result.end = referee.won() ? End::WON : End::UNDECIDED;
            result.seconds = seconds;
            break;
        }
    }
    result.two_players = level->two_player;
    delete level;
    return result;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string percent(size_t part, int whole) {
    return std::to_string(static_cast<int>(100.0 * part / whole + 0.5)) + " %";
}

std::string seconds(const std::vector<double>& times, bool first) {
    if (times.empty()) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s",
                  first ? *std::min_element(times.begin(), times.end()) : median(times));
    return text;
}

// What the level's figures miss of the aims for a one-player level.
std::string misses(const Tally& driven, const Tally& idle) {
    std::string notes;
    const double won = 100.0 * driven.won.size() / driven.tries;
    if (won < 30) notes += "hard ";
    if (won > 95) notes += "easy ";
    if (static_cast<int>(idle.lost.size()) < idle.tries) notes += "idle-survives ";
    if (!idle.lost.empty() && *std::min_element(idle.lost.begin(), idle.lost.end()) < 10)
        notes += "idle-lost<10s ";
    return notes;
}

void add(Tally& tally, const Try& t) {
    ++tally.tries;
    if (t.end == End::WON) tally.won.push_back(t.seconds);
    if (t.end == End::LOST) tally.lost.push_back(t.seconds);
}

const char* const ROW = "%3s %-26.26s %2s  %5s %5s %9s   %5s %9s %9s  %s\n";

void print_header(FILE* out, const Options& o) {
    std::fprintf(out,
                 "%d tries a level, the players driven by %s and idle (%s); a try still "
                 "undecided after %g min counts as neither won nor lost\n\n",
                 o.tries, o.controller.c_str(), IDLE_CONTROLLER, o.minutes);
    std::fprintf(out, ROW, "", "", "", "", "driven", "", "", "idle", "", "");
    std::fprintf(out, ROW, "", "level", "", "won", "lost", "median", "lost", "median", "first",
                 "misses");
}

void print_row(FILE* out, int number, const std::string& level, bool two_players,
               const Tally& driven, const Tally& idle) {
    std::fprintf(out, ROW, std::to_string(number).c_str(), level.c_str(), two_players ? "2P" : "",
                 percent(driven.won.size(), driven.tries).c_str(),
                 percent(driven.lost.size(), driven.tries).c_str(),
                 seconds(driven.won, false).c_str(), percent(idle.lost.size(), idle.tries).c_str(),
                 seconds(idle.lost, false).c_str(), seconds(idle.lost, true).c_str(),
                 two_players ? "" : misses(driven, idle).c_str());
    std::fflush(out);
}

// A story named on the command line that the catalogue does not list, or "".
std::string unknown_story(const Options& o) {
    for (const std::string& name : o.stories) {
        bool listed = false;
        for (const Story* story : Story::stories)
            listed = listed || story->name == name;
        if (!listed) return name;
    }
    return "";
}

bool chosen(const Options& o, const std::string& story) {
    return o.stories.empty() ||
           std::find(o.stories.begin(), o.stories.end(), story) != o.stories.end();
}
} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!read_options(argc, argv, o)) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    if (chdir(o.data.c_str()) != 0) {
        std::perror(o.data.c_str());
        return 1;
    }
    FILE* out = split_output(o.log);
    AnswerAtOnce player;
    Events::use(&player);
    HeadlessGame::start(0);
    // Frames are neither drawn nor presented.
    Graphics::drawing = false;
    const std::string unknown = unknown_story(o);
    if (!unknown.empty()) {
        std::fprintf(stderr, "BalanceBench: the catalogue lists no story '%s'\n", unknown.c_str());
        HeadlessGame::end();
        return 1;
    }
    const int frame_limit = static_cast<int>(o.minutes * 60 / FRAME_SECONDS);
    print_header(out, o);
    const auto begin = std::chrono::steady_clock::now();
    int levels = 0;
    for (const Story* story : Story::stories) {
        if (!chosen(o, story->name)) continue;
        std::fprintf(out, "%s\n", story->name.c_str());
        for (size_t i = 0; i < story->levels.size(); ++i) {
            const std::string dir = "Stories/" + story->name + "/" + story->levels[i] + "/";
            Tally driven, idle;
            bool two_players = false;
            for (int k = 0; k < o.tries; ++k) {
                const Try d = play(dir, o.controller, 1 + k, frame_limit);
                two_players = d.two_players;
                add(driven, d);
                add(idle, play(dir, IDLE_CONTROLLER, 1 + k, frame_limit));
            }
            print_row(out, static_cast<int>(i + 1), story->levels[i], two_players, driven, idle);
            ++levels;
        }
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::fprintf(out, "%d levels, %ld frames (%.0f min of play) in %.1f s: %.0f frames/s\n",
                 levels, frames_played, frames_played * FRAME_SECONDS / 60, wall,
                 frames_played / std::max(wall, 1e-9));
    Events::use(nullptr);
    HeadlessGame::end();
    std::fclose(out);
    return 0;
}
