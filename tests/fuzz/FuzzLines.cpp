// The line reader over any bytes: lines and numbers as the game reads them, until the end
// and one read past it (a documented halt).
#include <cstddef>
#include <cstdint>

#include "FuzzWorld.h"
#include "core/FileIn.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzWorld::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = FuzzWorld::folder + "lines.txt";
    if (!FuzzWorld::write(path, data, size)) return 0;
    try {
        FileIn in(path);
        for (int i = 0; !in.empty(); ++i)
            if (i % 2)
                in.getInt();
            else
                in.getLine();
        in.getLine();
    } catch (const Halted&) {
    }
    return 0;
}
