// Writes every generated picture, sound and music track into the data folder given, or, with
// --lines, the stories' spoken lines listed in the lines folder given.
#include <cstdio>
#include <string>

#include "Audio.h"
#include "Pictures.h"
#include "SpokenLines.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--lines")
        return contentgen::SpokenLines::write_all(argv[2], argv[3]) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER\n       %s --lines LINES_FOLDER DATA_FOLDER\n", argv[0], argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    if (!contentgen::generate_pictures(out)) return 1;
    if (!contentgen::generate_audio(out)) return 1;
    return 0;
}
