// ironvale_check: reads the story catalogue and every level script of a data folder the way
// the game reads them, without playing, and reports every mistake like a compiler.
// Usage: ironvale_check [--werror] [--coverage] DATA_FOLDER [STORY ...]
#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Report.h"
#include "ScriptChecker.h"
#include "StoryChecker.h"
#include "core/Error.h"
#include "core/TextMaker.h"

namespace {
const char* const USAGE =
    "usage: ironvale_check [--werror] [--coverage] DATA_FOLDER [STORY ...]\n"
    "Checks the stories of a data folder (all, or those named) without playing them.\n"
    "With --coverage, also warns about every script command and every controller that\n"
    "none of the checked stories uses.\n"
    "Exits with 1 when it finds an error (with --werror, also a warning), else 0.\n";

std::string plural(int n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}
} // namespace

int main(int argc, char** argv) {
    bool werror = false;
    bool coverage_wanted = false;
    std::string data;
    std::vector<std::string> stories;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--werror") {
            werror = true;
        } else if (arg == "--coverage") {
            coverage_wanted = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(USAGE, stdout);
            return 0;
        } else if (arg.compare(0, 2, "--") == 0) {
            std::fputs(USAGE, stderr);
            return 2;
        } else if (data.empty()) {
            data = arg;
        } else {
            stories.push_back(arg);
        }
    }
    if (data.empty()) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    // The game reads everything relative to its data folder.
    if (chdir(data.c_str()) != 0) {
        std::fprintf(stderr, "ironvale_check: cannot enter %s: %s\n", data.c_str(),
                     std::strerror(errno));
        return 2;
    }
    // The game's reader and loaders log as they go; the report says it all.
    Error::quiet = true;
    // Sounds are decoded as the game decodes them, on a mixer that needs no sound card (in
    // short chunks: its thread sleeps one chunk before it lets the mixer close).
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ScriptChecker::mixer_open =
        SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 256) == 0;

    Report report(data);
    const bool font = std::filesystem::exists("simfang.ttf");
    if (font)
        TextMaker::start();
    else
        report.error("simfang.ttf", 0, "the game's font is missing: no text is measured");
    Coverage coverage;
    StoryChecker(report, coverage).check(stories);
    if (coverage_wanted) coverage.report_unused(report);
    std::printf("ironvale_check: %s, %s\n", plural(report.errors(), "error").c_str(),
                plural(report.warnings(), "warning").c_str());

    if (font) TextMaker::end();
    if (ScriptChecker::mixer_open) Mix_CloseAudio();
    SDL_Quit();
    const bool failed = report.errors() > 0 || (werror && report.warnings() > 0);
    return failed ? 1 : 0;
}
