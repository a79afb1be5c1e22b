// Checks the generated sounds and texts of the assembled data folder against what the game's
// mixer and pages rely on.
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {
const std::string DATA = IRONVALE_DATA_DIR;

struct Decoded {
    bool ok = false;
    long rate = 0;
    int channels = 0;
    float peak = 0.0f;
};

Decoded decode(const std::string& path) {
    Decoded d;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return d;
    d.rate = ov_info(&file, -1)->rate;
    d.channels = ov_info(&file, -1)->channels;
    float** pcm = nullptr;
    int section = 0;
    long n = 0;
    while ((n = ov_read_float(&file, &pcm, 4096, &section)) > 0)
        for (int c = 0; c < d.channels; ++c)
            for (long i = 0; i < n; ++i) d.peak = std::max(d.peak, std::fabs(pcm[c][i]));
    ov_clear(&file);
    d.ok = n == 0;
    return d;
}

std::vector<std::string> lines_of(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
} // namespace

// Every sound of the data folder (effects, music, spoken lines) decodes at the format the mixer
// opens the device with, and is not silent.
TEST(Sounds, EveryFileDecodesAtTheMixerFormat) {
    int effects = 0, tracks = 0, lines = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DATA)) {
        if (entry.path().extension() != ".ogg") continue;
        const std::string folder = entry.path().parent_path().filename().string();
        SCOPED_TRACE(entry.path().string());
        const Decoded d = decode(entry.path().string());
        ASSERT_TRUE(d.ok);
        EXPECT_TRUE(d.rate == 22050 && d.channels == 2);
        EXPECT_GT(d.peak, 0.05f);
        (folder == "music" ? tracks : folder == "sfx" ? effects : lines)++;
    }
    EXPECT_EQ(effects, 42);
    EXPECT_EQ(tracks, 7);
    EXPECT_GT(lines, 0);
}

// The interface has thirteen texts, and the instructions page (drawn without UTF-8 decoding,
// from y = 40, 40 pixels a line, from x = 50) fits the 800 x 600 screen.
TEST(Texts, EveryLineFitsItsPlaceOnTheScreen) {
    const std::vector<std::string> strings = lines_of(DATA + "/strings.txt");
    EXPECT_EQ(strings.size(), 13u);
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFont((DATA + "/simfang.ttf").c_str(), 28);
    ASSERT_NE(font, nullptr) << "simfang.ttf";
    const std::vector<std::string> page = lines_of(DATA + "/instructions.txt");
    EXPECT_LE(40 + 40 * static_cast<int>(page.size()), 600);
    for (const std::string& line : page) {
        int w = 0, h = 0;
        ASSERT_EQ(TTF_SizeText(font, line.c_str(), &w, &h), 0);
        EXPECT_TRUE(w <= 750 && h <= 40) << line;
        const auto ascii = [](unsigned char c) { return c < 128; };
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), ascii)) << line;
    }
    for (const std::string& line : strings) {
        int w = 0, h = 0;
        ASSERT_EQ(TTF_SizeUTF8(font, line.c_str(), &w, &h), 0);
        EXPECT_TRUE(w <= 750 && !line.empty()) << line;
    }
    TTF_CloseFont(font);
    TTF_Quit();
}
