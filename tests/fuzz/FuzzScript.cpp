// The level script interpreter over any script, followed by a second and a half of play
// (past the lightning's longest charge), with the level's judgement asked every frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzWorld.h"
#include "core/Random.h"
#include "level/Level.h"
#include "world/Particle.h"

namespace {
const int FRAMES = 60;
// Scripts slow the world in proportion to what they make: thousands of gore bursts (5000
// drops a frame each) take minutes of frames. Play stops beyond this many particles, so
// that only work no script can bound counts as a hang.
const int CROWD = 100000;

int particles() {
    int n = 0;
    for (ThingDB* list : {&Particle::background, &Particle::foreground})
        for (list->reiterate(); list->current(); list->next())
            ++n;
    return n;
}

// A quarter of a second of silence for the scripts' sounds (a.wav): 22 050 Hz, 16-bit mono.
std::string short_sound() {
    const uint32_t bytes = 22050 / 4 * 2;
    std::string w;
    auto put = [&w](uint32_t v, int size) {
        for (int i = 0; i < size; ++i)
            w += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    w += "RIFF";
    put(36 + bytes, 4);
    w += "WAVEfmt ";
    for (const uint32_t field :
         {16, 0x10001, 22050, 22050 * 2, 0x100002}) // sizes, mono PCM, 16-bit
        put(field, 4);
    w += "data";
    put(bytes, 4);
    return w + std::string(bytes, '\0');
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzWorld::start(argc, argv);
    FuzzWorld::start_game();
    FuzzWorld::answer = SDLK_TAB;
    FuzzWorld::write(FuzzWorld::folder + "a.wav", short_sound());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!FuzzWorld::write(FuzzWorld::folder + "level.txt", data, size)) return 0;
    // Every input starts from the generator's first number, as the game does.
    Random::seed(1);
    Level* level = new Level();
    try {
        level->runScript(FuzzWorld::folder, "level.txt");
        for (int frame = 0; frame < FRAMES && !level->quit() && particles() < CROWD; ++frame) {
            level->run();
            if (!level->won() && !level->stagnant()) level->lost();
        }
    } catch (const Halted&) {
    }
    delete level;
    return 0;
}
