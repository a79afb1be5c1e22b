// Writes every generated picture, sound and music track into the data folder given.
#include <cstdio>
#include <string>

#include "Audio.h"
#include "Pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    if (!contentgen::generate_pictures(out)) return 1;
    if (!contentgen::generate_audio(out)) return 1;
    return 0;
}
