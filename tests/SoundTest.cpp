#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "OggWriter.h"
#include "TempDataFolder.h"
#include "Wave.h"
#include "core/Error.h"
#include "core/Random.h"
#include "core/Sound.h"

namespace {
// The names of the files in one folder of the assembled data, sorted: what the game must load.
std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code missing; // then no names, and the tests say what is not loaded
    for (const auto& entry :
         std::filesystem::directory_iterator(IRONVALE_DATA_DIR + ("/" + folder), missing))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}
const std::vector<std::string> SAMPLE_FILES = names_in("sfx");
const std::vector<std::string> TRACK_FILES = names_in("music");

// Each sample file gets its own length, so a playing chunk tells which file it came from.
Uint32 bytes_of_sample(const std::string& name) {
    for (size_t i = 0; i < SAMPLE_FILES.size(); ++i)
        if (SAMPLE_FILES[i] == name) return static_cast<Uint32>(4 * (22050 + 441 * i));
    return 0;
}

void write_samples() {
    for (const std::string& name : SAMPLE_FILES)
        TempDataFolder::add_wav("sfx/" + name + ".ogg", bytes_of_sample(name) / 4);
}

// The music loader goes by the ".ogg" name, so test tracks are real Ogg files: a second of tone.
void write_tracks(const std::string& except = "") {
    std::filesystem::create_directories("music");
    contentgen::Wave tone = contentgen::Wave::of_seconds(1.0);
    for (std::size_t i = 0; i < tone.frames(); ++i)
        tone.left[i] = tone.right[i] = 0.3f * std::sin(0.0627f * static_cast<float>(i)); // 220 Hz
    for (const std::string& name : TRACK_FILES) {
        if (name == except) continue;
        ASSERT_TRUE(contentgen::OggWriter::write("music/" + name + ".ogg", tone, 1, 0.1f));
    }
}

// The file name of the sample playing on `channel`, or "" when none.
std::string sample_on(int channel) {
    if (!Mix_Playing(channel)) return "";
    const Mix_Chunk* chunk = Mix_GetChunk(channel);
    for (const std::string& name : SAMPLE_FILES)
        if (chunk && chunk->alen == bytes_of_sample(name)) return name;
    return "?";
}

// The sample an event starts: it goes to the first free channel, channel 0 when all are quiet.
std::string sample_played_by(void (*event)()) {
    Mix_HaltChannel(-1);
    event();
    const std::string name = sample_on(0);
    Mix_HaltChannel(-1);
    return name;
}

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
    }
    void TearDown() override {
        Sound::end();
        SDL_Quit();
    }

    TempDataFolder folder;
};
} // namespace

// Every file there is loaded; a missing one (a folder in the place of a file cannot be loaded
// either) is logged and leaves a silent slot, loop or track. End releases everything, even
// while playing; starting again works as after a launch.
TEST_F(SoundTest, LoadsEveryFileLogsTheMissingOnesAndEndReleasesThem) {
    write_samples();
    write_tracks("Track1");
    std::filesystem::create_directories("music/Track1.ogg");
    for (const char* missing : {"sfx/wind.ogg", "sfx/splash.ogg"}) std::filesystem::remove(missing);
    testing::internal::CaptureStdout();
    Sound::start();
    const std::string log = testing::internal::GetCapturedStdout();
    ASSERT_NE(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    for (const std::string& name : SAMPLE_FILES) {
        const std::string line = "Sound: Failed to load sfx/" + name + ".ogg; it stays silent\n";
        EXPECT_EQ(log.find(line) != std::string::npos, name == "wind" || name == "splash") << line;
    }
    EXPECT_NE(log.find("Sound: Failed to load music/Track1.ogg; it stays silent\n"),
              std::string::npos);
    EXPECT_EQ(std::count(Sound::sfx, Sound::sfx + Sound::SLOTS, nullptr), Sound::SLOTS - 40);
    EXPECT_EQ(Sound::sfx[39], nullptr);
    ASSERT_EQ(Sound::mus.size(), 7u);
    EXPECT_EQ(std::count(Sound::mus.begin(), Sound::mus.end(), nullptr), 1);

    EXPECT_EQ(sample_played_by(&Sound::play_splash), "");
    Sound::loop_wind();
    EXPECT_FALSE(Sound::looping);

    Sound::play_music(0, true);
    Sound::loop_rain();
    Sound::end();
    for (Mix_Chunk* slot : Sound::sfx)
        EXPECT_EQ(slot, nullptr);
    EXPECT_TRUE(Sound::mus.empty());
    EXPECT_FALSE(Sound::looping);
    Sound::start();
    EXPECT_EQ(Sound::mus.size(), 7u);
}

// Each event plays a file of its own; a variant event picks one of its files with a single
// random number, so that the game's sequence of draws does not depend on the sounds.
TEST_F(SoundTest, EachEventPlaysItsOwnFile) {
    write_samples();
    Sound::start();
    std::set<std::string> played;
    for (void (*event)() :
         {&Sound::play_jump, &Sound::play_thud, &Sound::play_bolthit, &Sound::play_teleport,
          &Sound::play_lightning_charge, &Sound::play_lightning_strike, &Sound::play_sword_wield,
          &Sound::play_fire, &Sound::play_bolt, &Sound::play_stomp, &Sound::play_bodyburst,
          &Sound::play_flame, &Sound::play_hard_hit, &Sound::play_child_yell,
          &Sound::play_woman_yell, &Sound::play_deathburst, &Sound::play_behead,
          &Sound::play_splash}) {
        const std::string file = sample_played_by(event);
        EXPECT_TRUE(!file.empty() && played.insert(file).second) << file << " twice";
    }
    EXPECT_EQ(sample_played_by([] { Sound::play_boss_taunt(3); }), "boss_taunt3");
    // Outside 1 to 3 a taunt would pick an unrelated sample: it stays silent instead.
    EXPECT_TRUE(sample_played_by([] { Sound::play_boss_taunt(0); }).empty() &&
                sample_played_by([] { Sound::play_boss_taunt(4); }).empty());

    for (void (*event)() : {&Sound::play_swish, &Sound::play_stun, &Sound::play_death,
                            &Sound::play_clash, &Sound::play_thunder, &Sound::play_disembowel}) {
        Random::seed(11);
        std::set<std::string> variants;
        for (int i = 0; i < 12; ++i)
            variants.insert(sample_played_by(event));
        const int following = Random::next();
        Random::seed(11);
        for (int i = 0; i < 12; ++i)
            Random::next();
        EXPECT_EQ(following, Random::next()) << *variants.begin();
        EXPECT_GE(variants.size(), 3u) << *variants.begin();
        for (const std::string& v : variants)
            EXPECT_FALSE(played.count(v)) << v;
    }
}

TEST_F(SoundTest, PlayMusicKeepsTheTrackPlayingIgnoresMissingOnesAndTogglesTheVolume) {
    write_tracks("Track5");
    Sound::start();
    Sound::play_music(3, true);
    ASSERT_NE(Mix_PlayingMusic(), 0);
    EXPECT_EQ(Sound::playing, 3);

    // A restart would clear the pause.
    Mix_PauseMusic();
    Sound::play_music(3, true);
    EXPECT_NE(Mix_PausedMusic(), 0);
    for (int track : {5, 7, -1, 1000}) {
        Sound::play_music(track, true);
        EXPECT_TRUE(Sound::playing == 3 && Mix_PlayingMusic() && Mix_PausedMusic()) << track;
    }

    Sound::play_music(2, true);
    EXPECT_EQ(Sound::playing, 2);
    Mix_PauseMusic();
    Sound::play_music(3, true);
    EXPECT_TRUE(Sound::playing == 3 && !Mix_PausedMusic());
    Mix_HaltMusic();
    Sound::play_music(3, false);
    EXPECT_TRUE(Sound::playing == 3 && Mix_PlayingMusic());

    // Toggling turns the volume off and back to where it was (half, unless the player's
    // volume keys moved it).
    const int volume = Mix_VolumeMusic(-1);
    EXPECT_GT(volume, 0);
    EXPECT_TRUE(!Sound::toggle_music() && Mix_VolumeMusic(-1) == 0);
    EXPECT_TRUE(Sound::toggle_music() && Mix_VolumeMusic(-1) == volume);
}

// Only the last ambient loop is remembered and stopped; stopping with none started leaves
// other sounds alone.
TEST_F(SoundTest, OnlyTheLastAmbientLoopIsRememberedAndStopped) {
    write_samples();
    Sound::start();
    Mix_PlayChannelTimed(-1, Sound::sfx[11], -1, -1);
    Sound::stop_loops();
    Sound::loop_wind();
    Sound::loop_rain();
    EXPECT_TRUE(Sound::looping && Sound::looper == 2);
    Sound::stop_loops();
    EXPECT_FALSE(Sound::looping);
    EXPECT_TRUE(sample_on(0) == "thud" && sample_on(1) == "wind" && sample_on(2) == "");
}

TEST_F(SoundTest, EffectsInACrowdComeInSofterWhileLoopsAndLinesKeepTheirLevel) {
    write_samples();
    Sound::start();
    Sound::loop_rain();
    // Each later effect starts among more sounding ones; the loop does not count.
    for (int i = 0; i < 4; ++i)
        Sound::play_thud();
    const int expected[] = {128, 128, 91, 74, 64};
    for (int channel = 0; channel < 5; ++channel)
        EXPECT_EQ(Mix_Volume(channel, -1), expected[channel]) << "channel " << channel;

    // A spoken line on a channel an effect left soft is heard at the volume's level.
    Mix_HaltChannel(3);
    EXPECT_EQ(Sound::play_chunk(Sound::sfx[11]), 3);
    EXPECT_EQ(Mix_Volume(3, -1), 128);
    Sound::volume_down();
    EXPECT_EQ(Mix_Volume(3, -1), 112) << "a volume step sets every channel";
    EXPECT_EQ(Mix_Volume(2, -1), 79) << "and keeps the crowded ones softer";
}

// A machine without a sound device still plays, in silence. The child starts afresh: forked
// from a process whose earlier tests left threads behind, it could crash.
TEST(SoundStart, WithoutASoundDeviceTheGamePlaysSilent) {
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            route_log_to_stderr();
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            Sound::start();
            int rate = 0;
            Uint16 format = 0;
            int channels = 0;
            const bool opened = Mix_QuerySpec(&rate, &format, &channels) == 1 && rate == 22050;
            // Closed before exit: the mixer's thread must not outlive the libraries' teardown.
            Sound::end();
            std::exit(opened ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "Sound: No sound device .*; playing silent");
    GTEST_FLAG_SET(death_test_style, style);
}

// A halt while music, a loop and effects play ends with its message and status 1 every time:
// exit's clean-up, run under the mixer's thread, crashed now and then.
TEST_F(SoundTest, HaltWhileSoundsPlayAlwaysExitsWithOne) {
    write_samples();
    write_tracks();
    for (int attempt = 0; attempt < 60; ++attempt)
        EXPECT_EXIT(
            {
                route_log_to_stderr();
                Sound::start();
                Sound::play_music(0, true);
                Sound::loop_rain();
                Sound::play_clash();
                Sound::play_child_yell();
                SDL_Delay(static_cast<Uint32>(attempt % 9)); // at different points of a mix period
                Error::halt("Story: halted while playing");
            },
            ::testing::ExitedWithCode(1), "Story: halted while playing")
            << "attempt " << attempt;
}
