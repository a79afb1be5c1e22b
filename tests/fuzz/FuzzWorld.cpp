#include "FuzzWorld.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "combat/Agent.h"
#include "combat/AgentInput.h"
#include "combat/Attack.h"
#include "combat/Combos.h"
#include "core/Error.h"
#include "core/EventSource.h"
#include "core/Events.h"
#include "core/Graphics.h"
#include "core/Pixel.h"
#include "core/Sound.h"
#include "core/TextMaker.h"
#include "level/Stringz.h"
#include "sprites/Animation.h"
#include "sprites/SpriteSheet.h"
#include "world/Particle.h"

SDLKey FuzzWorld::answer = SDLK_TAB;
std::string FuzzWorld::folder;
std::string FuzzWorld::data;

namespace {
// Answers every page and speech at once, the same way every run, instead of waiting for a
// player: a wait gets the answer key, and so does every second poll, so that a loop which
// takes events until none is pending still ends.
class Answering : public EventSource {
  public:
    Answering() : keyboard(SDLK_LAST, 0) {}
    bool poll(SDL_Event& event) override {
        pressed = !pressed;
        if (pressed) wait(event);
        return pressed;
    }
    bool wait(SDL_Event& event) override {
        event = {};
        event.type = event.key.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = FuzzWorld::answer;
        return true;
    }
    bool discard() override { return false; }
    const Uint8* keys() override { return keyboard.data(); }

  private:
    bool pressed = false;
    std::vector<Uint8> keyboard;
};

// Corpus folders, files to run and path options made absolute; crash reports go to the
// folder the fuzzer was started in unless told otherwise.
void make_paths_absolute(int* argc, char*** argv) {
    static std::vector<std::string> kept;
    static std::vector<char*> args;
    const std::string here = std::filesystem::current_path().string() + "/";
    bool artifact_prefix = false;
    for (int i = 0; i < *argc; ++i) {
        std::string arg = (*argv)[i];
        const size_t eq = arg.find('=');
        const bool flag = !arg.empty() && arg[0] == '-';
        if (i > 0 && !flag && arg[0] != '/') arg = here + arg;
        for (const char* option : {"-artifact_prefix=", "-exact_artifact_path=", "-dict="}) {
            if (arg.rfind(option, 0) != 0) continue;
            artifact_prefix = artifact_prefix || arg.rfind("-artifact_prefix=", 0) == 0;
            if (eq + 1 < arg.size() && arg[eq + 1] != '/') arg.insert(eq + 1, here);
        }
        kept.push_back(arg);
    }
    if (!artifact_prefix) kept.push_back("-artifact_prefix=" + here);
    for (std::string& arg : kept)
        args.push_back(&arg[0]);
    args.push_back(nullptr);
    *argc = static_cast<int>(kept.size());
    *argv = args.data();
}

void end_game() {
    Animation::end();
    SpriteSheet::end();
    Sound::end();
    Stringz::end();
    TextMaker::end();
    Graphics::end();
}
} // namespace

// The display's wrapper, which SDL keeps for as long as the process lives. Without frame
// pointers in SDL, its stack names only the library (the game's own leaks show in its code).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:SDL_SetVideoMode\nleak:libSDL2-2.0.so\n";
}

void FuzzWorld::start(int* argc, char*** argv) {
    make_paths_absolute(argc, argv);
    if (!getenv("IRONVALE_FUZZ_LOG") && !std::freopen("/dev/null", "w", stdout))
        std::perror("/dev/null");
    Error::halt_hook = [](const std::string& message) { throw Halted{message}; };
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ironvale-fuzz-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) std::abort();
    folder = std::string(name.data()) + "/";
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
}

void FuzzWorld::start_game() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const char* chosen = getenv("IRONVALE_DATA");
    data = std::string(chosen ? chosen : IRONVALE_DATA_DIR) + "/";
    std::filesystem::current_path(data);
    // No frame pacing: a frame takes only the time it needs.
    Graphics::start(Coord(800, 600), 0, false);
    Pixel::start();
    TextMaker::start();
    Stringz::start();
    Sound::start();
    SpriteSheet::start();
    Animation::start();
    AgentInput::start();
    Combos::start();
    Agent::start();
    Particle::start();
    Attack::start();
    static Answering answering;
    Events::use(&answering);
    std::atexit(end_game);
}

bool FuzzWorld::write(const std::string& path, const uint8_t* data, size_t size) {
    std::error_code error;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

bool FuzzWorld::write(const std::string& path, const std::string& text) {
    return write(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
