// Records the game's sound mix of a busy fight in the rain with music: five fighters with
// computer controllers, started again a little after each side wins, for the seconds asked,
// at the game's real frame rate, through SDL's disk audio driver into a raw file (signed
// 16-bit little-endian stereo at 22 050 Hz). With --only it keeps one part of the mix (the
// music, the ambient loops or the one-shot effects) and silences the rest; the fight itself
// is the same. bench/mix.sh records every part and measures them with sox.
//
// Usage: MixBench DATA_FOLDER OUTPUT.raw [--seconds N] [--track T] [--only PART]
#include <SDL_mixer.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "HeadlessGame.h"
#include "core/Clock.h"
#include "core/Graphics.h"
#include "core/Sound.h"
#include "level/Level.h"
#include "level/Referee.h"

namespace {
const char* const USAGE =
    "Usage: MixBench DATA_FOLDER OUTPUT.raw [--seconds N] [--track T] [--only PART]\n"
    "  --seconds N  length of the recording (default 150)\n"
    "  --track T    the music track under the fight (default 2)\n"
    "  --only PART  music, loops or effects: that part alone\n";

const int FRAMES_PER_SECOND = 1000 / Clock::FRAME_MS;
// After a side wins, the last cries ring out before the fight starts again.
const int FRAMES_BETWEEN_FIGHTS = 80;
const int AMBIENT_LOOPS[] = {18, 19};

// Rain, music, two fighters against three, all strong and long-lived.
std::string fight(int track) {
    std::string script = "EFFECT\n1\nMUSIC\n" + std::to_string(track) + "\n";
    struct Fighter {
        int skin, team, x;
        const char* controller;
    };
    const Fighter fighters[] = {
        {1, 1, 250, "AI_Mk3"}, {2, 1, 150, "AI_Vader"},       {5, 2, 550, "AI_Mk3"},
        {6, 2, 650, "AI_Mk2"}, {7, 2, 750, "AI_MeleeBolter"},
    };
    for (const Fighter& f : fighters)
        script += "AGENT\n" + std::to_string(f.skin) + "\n150\n" + std::to_string(f.team) + "\n" +
                  std::to_string(f.x) + "\n" + (f.team == 1 ? "0" : "1") + "\n" + f.controller +
                  "\n";
    return script;
}

bool is_loop(int slot) {
    for (int loop : AMBIENT_LOOPS)
        if (slot == loop) return true;
    return false;
}

// Silences what is not `part` by unloading it from the sound bank's view (the bank plays
// nothing from an empty slot, but still draws its random numbers): the fight stays the same.
void keep_only(const std::string& part, Mix_Chunk* (&kept)[Sound::SLOTS]) {
    for (int slot = 0; slot < Sound::SLOTS; ++slot) {
        kept[slot] = Sound::sfx[slot];
        const bool wanted = (part == "loops" && is_loop(slot)) ||
                            (part == "effects" && !is_loop(slot));
        if (!wanted) Sound::sfx[slot] = nullptr;
    }
    if (part != "music") Mix_VolumeMusic(0);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const std::string data = argv[1];
    const std::string output = std::filesystem::absolute(argv[2]).string();
    int seconds = 150, track = 2;
    std::string only;
    for (int i = 3; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--track") == 0)
            track = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--only") == 0)
            only = argv[i + 1];
        else {
            std::fputs(USAGE, stderr);
            return 2;
        }
    }
    if ((argc - 3) % 2 != 0 || seconds <= 0 ||
        !(only.empty() || only == "music" || only == "loops" || only == "effects")) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    if (chdir(data.c_str()) != 0) {
        std::perror(data.c_str());
        return 1;
    }
    char folder_name[] = "/tmp/ironvale-mix-XXXXXX";
    if (!mkdtemp(folder_name)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = std::string(folder_name) + "/";
    std::ofstream(dir + "level.txt") << fight(track);
    if (!std::freopen("/dev/null", "w", stdout)) return 1;

    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    // The driver's own pause between two writes lets it write twice as fast as the sound
    // plays; one chunk of the mixer (4096 frames at 22 050 Hz) keeps it to real time.
    setenv("SDL_DISKAUDIODELAY", "186", 0);
    HeadlessGame::start(0, "disk");
    // Nothing to see; the frames keep to the clock of the start, so that a late one does
    // not put the fight behind the sound.
    Graphics::drawing = false;
    Mix_Chunk* kept[Sound::SLOTS];
    if (!only.empty()) keep_only(only, kept);

    Level* level = nullptr;
    Referee* referee = nullptr;
    int since_end = FRAMES_BETWEEN_FIGHTS;
    const Uint32 begin = SDL_GetTicks();
    for (int frame = 0; frame < seconds * FRAMES_PER_SECOND; ++frame) {
        const Sint32 early = static_cast<Sint32>(begin + frame * Clock::FRAME_MS - SDL_GetTicks());
        if (early > 0) SDL_Delay(static_cast<Uint32>(early));
        if (since_end >= FRAMES_BETWEEN_FIGHTS) {
            delete referee;
            delete level;
            level = new Level();
            level->runScript(dir, "level.txt");
            referee = new Referee(level, dir);
            since_end = 0;
        }
        level->run();
        if (referee->frame() != Referee::PLAYING || since_end > 0) ++since_end;
    }
    delete referee;
    delete level;
    if (!only.empty())
        for (int slot = 0; slot < Sound::SLOTS; ++slot)
            Sound::sfx[slot] = kept[slot];
    HeadlessGame::end();
    std::filesystem::remove_all(dir);
    return 0;
}
