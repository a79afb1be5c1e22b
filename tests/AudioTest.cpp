// Checks the generated sound effects, music tracks and texts of the assembled data folder.
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cctype>
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
    std::vector<float> left, right;

    double seconds() const { return rate > 0 ? static_cast<double>(left.size()) / rate : 0.0; }
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
    while ((n = ov_read_float(&file, &pcm, 4096, &section)) > 0) {
        d.left.insert(d.left.end(), pcm[0], pcm[0] + n);
        d.right.insert(d.right.end(), pcm[d.channels - 1], pcm[d.channels - 1] + n);
    }
    ov_clear(&file);
    d.ok = n == 0;
    return d;
}

float peak(const Decoded& d) {
    float p = 0.0f;
    for (std::size_t i = 0; i < d.left.size(); ++i)
        p = std::max({p, std::fabs(d.left[i]), std::fabs(d.right[i])});
    return p;
}

float rms(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += s[i] * s[i];
    return to > from ? static_cast<float>(std::sqrt(sum / static_cast<double>(to - from))) : 0.0f;
}

// A loop's end runs into its start: the step across the join must look like the mean step.
// For a steady texture the level just before must also match the level just after (music may
// rightly change level at the join, where a new phrase begins).
void expect_seamless(const Decoded& d, bool steady) {
    const std::size_t window = static_cast<std::size_t>(d.rate / 20);
    for (const std::vector<float>* ch : {&d.left, &d.right}) {
        const std::vector<float>& s = *ch;
        ASSERT_GT(s.size(), 2 * window);
        double steps = 0.0;
        for (std::size_t i = 1; i < s.size(); ++i)
            steps += std::fabs(s[i] - s[i - 1]);
        const double mean_step = steps / static_cast<double>(s.size() - 1);
        EXPECT_LT(std::fabs(s.back() - s.front()), 6.0 * mean_step + 0.01) << "jump at the join";
        const float before = rms(s, s.size() - window, s.size()), after = rms(s, 0, window);
        EXPECT_TRUE(!steady || std::fabs(before - after) < 0.5f * std::max(before, after) + 0.01f)
            << "level changes at the join";
    }
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

// Every sound of the data folder (effects, music, spoken lines) decodes at the mixer's format,
// is audible and never reaches full scale; what loops runs into its start without a jump, and
// an effect neither clicks on starting nor is cut off.
TEST(Sounds, EveryFileDecodesAtTheMixerFormatAudibleAndUnclipped) {
    int effects = 0, tracks = 0, lines = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DATA)) {
        if (entry.path().extension() != ".ogg") continue;
        const std::string folder = entry.path().parent_path().filename().string();
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(entry.path().string());
        const Decoded d = decode(entry.path().string());
        ASSERT_TRUE(d.ok);
        EXPECT_TRUE(d.rate == 22050 && d.channels == 2);
        EXPECT_GE(d.seconds(), 0.2);
        EXPECT_GT(rms(d.left, 0, d.left.size()) + rms(d.right, 0, d.right.size()), 0.03f);
        EXPECT_LT(peak(d), 0.97f) << "reaches full scale";
        if (folder == "music") {
            ++tracks;
            // The title theme plays once over the menu, so it must last.
            EXPECT_GE(d.seconds(), name == "Ironvale" ? 120.0 : 60.0);
            expect_seamless(d, false);
        } else if (folder != "sfx") {
            ++lines;
        } else if (++effects; name == "wind" || name == "rain") {
            expect_seamless(d, true);
        } else {
            for (const std::vector<float>* ch : {&d.left, &d.right}) {
                EXPECT_LT(std::fabs(ch->front()), 0.05f) << "clicks on starting";
                EXPECT_LT(rms(*ch, ch->size() - 64, ch->size()), 0.02f) << "is cut off at the end";
            }
        }
    }
    EXPECT_EQ(effects, 42);
    EXPECT_EQ(tracks, 7);
    EXPECT_GT(lines, 0);
}

TEST(Texts, StringsHaveTheThirteenInterfaceLines) {
    const std::vector<std::string> lines = lines_of(DATA + "/strings.txt");
    ASSERT_EQ(lines.size(), 13u);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_FALSE(lines[i].empty()) << "line " << i + 1;
    EXPECT_NE(lines[5].find("Tab"), std::string::npos) << "the speech prompt names its key";
}

TEST(Texts, InstructionsNameEverySpecialMoveAndBothPlayersKeys) {
    std::string page;
    for (const std::string& line : lines_of(DATA + "/instructions.txt"))
        for (unsigned char c : line + " ")
            page += static_cast<char>(std::tolower(c));
    for (const char* move :
         {"fire bolt", "fire shield", "lightning", "teleport", "stomp", "summon"})
        EXPECT_NE(page.find(move), std::string::npos) << move;
    for (const char* key : {"space", "arrow", "w a s d", "f"})
        EXPECT_NE(page.find(key), std::string::npos) << key;
    // The page is drawn without UTF-8 decoding.
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 128; };
    EXPECT_TRUE(std::all_of(page.begin(), page.end(), ascii)) << "non-ASCII byte";
}

TEST(Texts, EveryLineFitsItsPlaceOnTheScreen) {
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFont((DATA + "/simfang.ttf").c_str(), 28);
    ASSERT_NE(font, nullptr) << "simfang.ttf";
    const std::vector<std::string> page = lines_of(DATA + "/instructions.txt");
    // Lines are drawn from y = 40, 40 pixels apart, from x = 50.
    EXPECT_LE(40 + 40 * static_cast<int>(page.size()), 600);
    for (const std::string& line : page) {
        int w = 0, h = 0;
        ASSERT_EQ(TTF_SizeText(font, line.c_str(), &w, &h), 0);
        EXPECT_TRUE(w <= 750 && h <= 40) << line;
    }
    for (const std::string& line : lines_of(DATA + "/strings.txt")) {
        int w = 0, h = 0;
        ASSERT_EQ(TTF_SizeUTF8(font, line.c_str(), &w, &h), 0);
        EXPECT_LE(w, 750) << line;
    }
    TTF_CloseFont(font);
    TTF_Quit();
}
