// Writes every generated picture, sound and music track into the data folder given; with
// --lines, the spoken lines of the stories in STORIES (the committed Stories folder) into the
// data folder's stories; with --icons, the game's icon at the usual sizes into an icon theme
// folder, named NAME.
#include <cstdio>
#include <cstring>
#include <string>

#include "Audio.h"
#include "Icon.h"
#include "Pictures.h"
#include "StoryLines.h"

namespace {
int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s DATA_FOLDER\n       %s --lines STORIES DATA_FOLDER\n"
                 "       %s --icons ICON_FOLDER NAME\n",
                 program, program, program);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--icons") == 0)
        return contentgen::write_icons(argv[2], argv[3]) ? 0 : 1;
    if (argc == 4 && std::strcmp(argv[1], "--lines") == 0)
        return contentgen::StoryLines::write_all(argv[2], argv[3]) ? 0 : 1;
    if (argc != 2) return usage(argv[0]);
    const std::string out = argv[1];
    if (!contentgen::generate_pictures(out)) return 1;
    if (!contentgen::generate_audio(out)) return 1;
    return 0;
}
