#pragma once
// What every fuzz target needs around the game: documented halts unwind back to the
// target instead of ending the process, pages and speeches are answered at once, the log
// goes nowhere (unless IRONVALE_FUZZ_LOG is set), and a scratch folder for the files an
// input becomes.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Thrown by the halt hook; the game itself never sees it.
struct Halted {
    std::string message;
};

class FuzzWorld {
  public:
    // Log off, halts caught, and a fresh scratch folder (removed at exit). The fuzzer's
    // arguments are given absolute paths first, as the game changes its working folder.
    static void start(int* argc, char*** argv);
    // The pictures, sounds, font and strings of the assembled data folder, with the screen
    // kept without frame pacing; the working folder becomes the data folder. Ended at exit.
    static void start_game();

    // The key that answers every page and, on every second poll, every wait for an event.
    static SDLKey answer;
    // The scratch folder, ending in "/".
    static std::string folder;
    // The data folder (IRONVALE_DATA, or the build's), ending in "/".
    static std::string data;

    // Writes bytes to a file, creating its folders; false when it cannot.
    static bool write(const std::string& path, const uint8_t* data, size_t size);
    static bool write(const std::string& path, const std::string& text);
};
