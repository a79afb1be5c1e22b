#pragma once
// A throw-away data folder for tests: created under the system's temporary folder,
// made the working directory for the test's lifetime (unless asked not to), then removed.
#include <SDL.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class TempDataFolder {
  public:
    explicit TempDataFolder(bool enter = true) : previous(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "ironvale-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        path = mkdtemp(name.data());
        if (enter) std::filesystem::current_path(path);
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

    static std::string read_file(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
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

    // A 16-bit stereo 22 050 Hz WAV of `frames` silent frames (SDL_mixer goes by content).
    static void add_wav(const std::string& name, uint32_t frames) {
        const auto le = [](uint32_t value, int bytes) { // little-endian
            std::string out;
            for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
            return out;
        };
        const uint32_t bytes = frames * 4;
        write_file(name, "RIFF" + le(36 + bytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(2, 2) +
                             le(22050, 4) + le(22050 * 4, 4) + le(4, 2) + le(16, 2) + "data" +
                             le(bytes, 4) + std::string(bytes, '\0'));
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
