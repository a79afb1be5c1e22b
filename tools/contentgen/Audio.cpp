#include "Audio.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Compositions.h"
#include "OggWriter.h"
#include "Sequencer.h"
#include "SoundEffects.h"
#include "Voice.h"

namespace contentgen {
namespace {
bool make_folder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return !error;
}

bool write_music(const std::string& folder) {
    int serial = 5000;
    for (const Composition& piece : Compositions::all()) {
        const Wave wave = Sequencer::render(piece);
        if (!OggWriter::write(folder + "/music/" + piece.file + ".ogg", wave, serial++, 0.3f)) return false;
    }
    return true;
}
}

bool generate_audio(const std::string& data_folder) {
    if (!make_folder(data_folder + "/sfx") || !make_folder(data_folder + "/music")) {
        std::fprintf(stderr, "contentgen: cannot create the sound folders in %s\n", data_folder.c_str());
        return false;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point begin = Clock::now();
    const bool effects = SoundEffects::write_all(data_folder) && !Voice::failed();
    const Clock::time_point effects_done = Clock::now();
    if (!effects || !write_music(data_folder)) return false;
    const std::chrono::duration<double> effects_time = effects_done - begin, music_time = Clock::now() - effects_done;
    std::printf("contentgen: %zu sound effects in %.1f s, %zu music tracks in %.1f s\n", SoundEffects::table().size(),
                effects_time.count(), Compositions::all().size(), music_time.count());
    return true;
}
}
