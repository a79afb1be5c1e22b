// The story catalogue with its summaries and save files, each story then playing the level
// its progress names (won at once: no level script) up to the key that leaves it.
//
// An input is split at its zero bytes: the first part is "Stories/index.txt"; then, for
// each name in it in order, one part for the story's "summary.txt" and one for its
// "save.txt". Names that would lead out of the scratch folder get no files of their own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzWorld.h"
#include "core/Random.h"
#include "level/Story.h"

namespace {
// Stories played per input; the catalogue itself may name any number.
const size_t PLAYED = 4;

std::vector<std::string> split(const uint8_t* data, size_t size, char at) {
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i)
        if (static_cast<char>(data[i]) == at)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    return parts;
}

bool inside_scratch(const std::string& name) {
    return !name.empty() && name[0] != '/' && name.find("..") == std::string::npos;
}

void write_catalogue(const std::vector<std::string>& parts) {
    FuzzWorld::write("Stories/index.txt", parts[0]);
    size_t next = 1;
    for (const std::string& line :
         split(reinterpret_cast<const uint8_t*>(parts[0].data()), parts[0].size(), '\n')) {
        std::string name = line;
        if (!name.empty() && name.back() == '\r') name.pop_back();
        for (const char* file : {"/summary.txt", "/save.txt"}) {
            if (next >= parts.size()) return;
            if (inside_scratch(name)) FuzzWorld::write("Stories/" + name + file, parts[next]);
            ++next;
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzWorld::start(argc, argv);
    FuzzWorld::start_game();
    // Leaves a level, and answers the intro page.
    FuzzWorld::answer = SDLK_ESCAPE;
    std::filesystem::current_path(FuzzWorld::folder);
    // Empty texts are drawn with this picture.
    std::filesystem::create_directories("graphics");
    std::filesystem::copy_file(FuzzWorld::data + "graphics/empty.PNG", "graphics/empty.PNG");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::error_code ignored;
    std::filesystem::remove_all("Stories", ignored);
    write_catalogue(split(data, size, '\0'));
    Random::seed(1);
    try {
        Story::start();
        for (size_t i = 0; i < Story::stories.size() && i < PLAYED; ++i) {
            Story* story = Story::stories[i];
            story->finished();
            story->start_level(story->progress);
        }
    } catch (const Halted&) {
    }
    Story::end();
    return 0;
}
