// Checks the generated sound effects, music tracks and texts of the assembled data folder.
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
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
    const vorbis_info* info = ov_info(&file, -1);
    d.rate = info->rate;
    d.channels = info->channels;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&file, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&file);
            return d;
        }
        if (n == 0) break;
        d.left.insert(d.left.end(), pcm[0], pcm[0] + n);
        d.right.insert(d.right.end(), pcm[d.channels > 1 ? 1 : 0], pcm[d.channels > 1 ? 1 : 0] + n);
    }
    ov_clear(&file);
    d.ok = true;
    return d;
}

float peak(const Decoded& d) {
    float p = 0.0f;
    for (std::size_t i = 0; i < d.left.size(); ++i) p = std::max({p, std::fabs(d.left[i]), std::fabs(d.right[i])});
    return p;
}

float rms(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += s[i] * s[i];
    return to > from ? static_cast<float>(std::sqrt(sum / static_cast<double>(to - from))) : 0.0f;
}

// Mean size of one sample step: what an unremarkable join between two samples looks like.
float mean_step(const std::vector<float>& s) {
    double sum = 0.0;
    for (std::size_t i = 1; i < s.size(); ++i) sum += std::fabs(s[i] - s[i - 1]);
    return static_cast<float>(sum / static_cast<double>(s.size() - 1));
}

// A loop's end runs into its start: the step across the join must look like any other step.
// For a steady texture the level just before must also match the level just after (music may
// rightly change level at the join, where a new phrase begins).
void expect_seamless(const Decoded& d, const std::string& name, bool steady) {
    const std::size_t window = static_cast<std::size_t>(d.rate / 20);
    for (const std::vector<float>* ch : {&d.left, &d.right}) {
        const std::vector<float>& s = *ch;
        ASSERT_GT(s.size(), 2 * window) << name;
        const float join = std::fabs(s.back() - s.front());
        EXPECT_LT(join, 6.0f * mean_step(s) + 0.01f) << name << ": jump across the loop's join";
        if (!steady) continue;
        const float before = rms(s, s.size() - window, s.size());
        const float after = rms(s, 0, window);
        EXPECT_LT(std::fabs(before - after), 0.5f * std::max(before, after) + 0.01f) << name << ": level changes at the join";
    }
}

struct BankEffect {
    const char* name;
    double min_seconds, max_seconds;
};

// Every file of the sound bank with the length range its event needs.
const std::vector<BankEffect> EFFECTS = {
    {"clash1", 0.3, 0.8}, {"clash2", 0.3, 0.8}, {"clash3", 0.3, 0.8},
    {"oof1", 0.2, 0.5}, {"oof2", 0.2, 0.5}, {"oof3", 0.2, 0.5}, {"oof4", 0.2, 0.5},
    {"die1", 0.6, 1.5}, {"die2", 0.6, 1.5}, {"die3", 0.6, 1.5},
    {"jump", 0.2, 0.4}, {"thud", 0.2, 0.5},
    {"swish1", 0.2, 0.4}, {"swish2", 0.2, 0.4}, {"swish3", 0.2, 0.4},
    {"thunder1", 2.0, 5.0}, {"thunder2", 2.0, 5.0}, {"thunder3", 2.0, 5.0},
    {"wind", 5.0, 15.0}, {"rain", 5.0, 15.0},
    {"bolt_hit2", 0.5, 1.0}, {"teleport", 0.5, 1.0}, {"lightning_charge", 1.0, 1.4}, {"lightning_cast", 0.5, 1.0},
    {"wield", 0.3, 0.6}, {"firerain", 1.0, 2.0}, {"bolt_shot", 0.3, 0.6}, {"crush", 0.4, 0.8},
    {"boss_taunt1", 1.0, 3.0}, {"boss_taunt2", 1.0, 3.0}, {"boss_taunt3", 1.0, 3.0},
    {"dismemb1", 0.4, 0.8}, {"dismemb2", 0.4, 0.8}, {"dismemb3", 0.4, 0.8},
    {"bodyburst", 0.5, 1.0}, {"flame", 0.5, 1.5}, {"major_hit", 0.3, 0.8},
    {"child_yell", 0.5, 1.2}, {"woman_yell", 0.5, 1.2},
    {"deathburst", 1.0, 2.0}, {"decap2", 0.4, 0.8}, {"splash", 0.4, 1.0},
};

const char* const TRACKS[] = {"Ironvale", "Track1", "Track2", "Track3", "Track4", "Track5", "Track6"};

bool is_loop(const std::string& name) { return name == "wind" || name == "rain"; }

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

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}
}

TEST(SoundEffects, EveryEffectDecodesAtTheMixerFormatWithItsLength) {
    for (const BankEffect& e : EFFECTS) {
        const Decoded d = decode(DATA + "/sfx/" + e.name + ".ogg");
        ASSERT_TRUE(d.ok) << e.name;
        EXPECT_EQ(d.rate, 22050) << e.name;
        EXPECT_EQ(d.channels, 2) << e.name;
        EXPECT_GE(d.seconds(), e.min_seconds) << e.name;
        EXPECT_LE(d.seconds(), e.max_seconds) << e.name;
    }
}

TEST(SoundEffects, EveryEffectIsAudibleAndUnclipped) {
    for (const BankEffect& e : EFFECTS) {
        const Decoded d = decode(DATA + "/sfx/" + e.name + ".ogg");
        ASSERT_TRUE(d.ok) << e.name;
        EXPECT_GT(rms(d.left, 0, d.left.size()) + rms(d.right, 0, d.right.size()), 0.03f) << e.name << " is nearly silent";
        EXPECT_LT(peak(d), 0.97f) << e.name << " reaches full scale";
    }
}

TEST(SoundEffects, OneShotsStartAndEndInSilence) {
    for (const BankEffect& e : EFFECTS) {
        if (is_loop(e.name)) continue;
        const Decoded d = decode(DATA + "/sfx/" + e.name + ".ogg");
        ASSERT_TRUE(d.ok) << e.name;
        for (const std::vector<float>* ch : {&d.left, &d.right}) {
            EXPECT_LT(std::fabs(ch->front()), 0.05f) << e.name << " clicks on starting";
            EXPECT_LT(rms(*ch, ch->size() - 64, ch->size()), 0.02f) << e.name << " is cut off at the end";
        }
    }
}

TEST(SoundEffects, AmbientLoopsJoinWithoutASeam) {
    for (const char* name : {"wind", "rain"}) {
        const Decoded d = decode(DATA + "/sfx/" + name + ".ogg");
        ASSERT_TRUE(d.ok) << name;
        expect_seamless(d, name, true);
    }
}

TEST(Music, EveryTrackDecodesLongEnoughAndLoops) {
    for (const char* name : TRACKS) {
        const Decoded d = decode(DATA + "/music/" + name + ".ogg");
        ASSERT_TRUE(d.ok) << name;
        EXPECT_EQ(d.rate, 22050) << name;
        EXPECT_EQ(d.channels, 2) << name;
        // The title theme plays once over the menu, so it must last.
        EXPECT_GE(d.seconds(), std::string(name) == "Ironvale" ? 120.0 : 60.0) << name;
        EXPECT_LE(d.seconds(), 300.0) << name;
        EXPECT_GT(rms(d.left, 0, d.left.size()), 0.03f) << name << " is nearly silent";
        EXPECT_LT(peak(d), 0.97f) << name << " reaches full scale";
        expect_seamless(d, name, false);
    }
}

TEST(Music, NoTrackFallsSilentBeforeItsClose) {
    for (const char* name : TRACKS) {
        const Decoded d = decode(DATA + "/music/" + name + ".ogg");
        ASSERT_TRUE(d.ok) << name;
        const std::size_t second = static_cast<std::size_t>(d.rate);
        // A piece may close with a bar's rest in which its hall rings out.
        const std::size_t close = 3 * second;
        for (std::size_t at = 0; at + second + close <= d.left.size(); at += second)
            ASSERT_GT(rms(d.left, at, at + second), 0.003f) << name << " is silent in second " << at / second;
    }
}

TEST(Texts, StringsHaveTheThirteenInterfaceLines) {
    const std::vector<std::string> lines = lines_of(DATA + "/strings.txt");
    ASSERT_EQ(lines.size(), 13u);
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_FALSE(lines[i].empty()) << "line " << i + 1;
    EXPECT_NE(lines[5].find("Tab"), std::string::npos) << "the speech prompt names its key";
}

TEST(Texts, InstructionsNameEverySpecialMoveAndBothPlayersKeys) {
    const std::string page = lower(read_file(DATA + "/instructions.txt"));
    for (const char* move : {"fire bolt", "fire shield", "lightning", "teleport", "stomp", "summon"})
        EXPECT_NE(page.find(move), std::string::npos) << move;
    for (const char* key : {"space", "arrow", "w a s d", "f"}) EXPECT_NE(page.find(key), std::string::npos) << key;
    // The page is drawn without UTF-8 decoding.
    for (unsigned char c : page) EXPECT_LT(c, 128) << "non-ASCII byte in instructions.txt";
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
        EXPECT_LE(w, 750) << line;
        EXPECT_LE(h, 40) << line;
    }
    for (const std::string& line : lines_of(DATA + "/strings.txt")) {
        int w = 0, h = 0;
        ASSERT_EQ(TTF_SizeUTF8(font, line.c_str(), &w, &h), 0);
        EXPECT_LE(w, 750) << line;
    }
    TTF_CloseFont(font);
    TTF_Quit();
}

