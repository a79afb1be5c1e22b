#pragma once
// A throw-away data folder for tests: created under the system's temporary folder,
// made the working directory for the test's lifetime, then removed again.
#include <SDL.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class TempDataFolder {
  public:
    TempDataFolder() : previous(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "ironvale-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        path = mkdtemp(name.data());
        std::filesystem::current_path(path);
    }
    ~TempDataFolder() {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    // Writes `content` byte for byte, creating folders on the way.
    static void write_file(const std::string& name, const std::string& content) {
        make_parent(name);
        std::ofstream out(name, std::ios::binary);
        out << content;
    }

    // The game's font, as the build assembled it.
    static void add_font() {
        std::filesystem::copy_file(std::string(IRONVALE_DATA_DIR) + "/simfang.ttf", "simfang.ttf");
    }

    // The 1 x 1 picture shown for empty texts (IMG_Load recognises BMP by content).
    static void add_empty_picture() {
        make_parent("graphics/empty.PNG");
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 255));
        SDL_SaveBMP(s, "graphics/empty.PNG");
        SDL_FreeSurface(s);
    }

    // A 16-bit stereo 22 050 Hz WAV of a sine tone (SDL_mixer recognises WAV by content).
    static void add_wav(const std::string& name, uint32_t frames, double frequency = 440.0) {
        const uint32_t rate = 22050;
        const uint16_t channels = 2;
        const uint16_t bits = 16;
        const double TWO_PI = 6.283185307179586;
        const uint32_t data_bytes = frames * channels * bits / 8;
        std::string wav;
        auto put32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                wav.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        };
        auto put16 = [&](uint16_t v) {
            wav.push_back(static_cast<char>(v & 0xFF));
            wav.push_back(static_cast<char>(v >> 8));
        };
        wav += "RIFF";
        put32(36 + data_bytes);
        wav += "WAVEfmt ";
        put32(16);
        put16(1);
        put16(channels);
        put32(rate);
        put32(rate * channels * bits / 8);
        put16(channels * bits / 8);
        put16(bits);
        wav += "data";
        put32(data_bytes);
        for (uint32_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / rate;
            const auto sample = static_cast<int16_t>(8000 * std::sin(TWO_PI * frequency * t));
            for (uint16_t c = 0; c < channels; ++c)
                put16(static_cast<uint16_t>(sample));
        }
        write_file(name, wav);
    }

    std::string path;

  private:
    static void make_parent(const std::string& name) {
        const std::filesystem::path parent = std::filesystem::path(name).parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent);
    }

    std::filesystem::path previous;
};

// Death tests match their pattern against standard error; the log writes to standard output.
inline void route_log_to_stderr() {
    dup2(STDERR_FILENO, STDOUT_FILENO);
}
