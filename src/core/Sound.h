#pragma once
#include <SDL_mixer.h>

#include <string>
#include <vector>

// The sound bank: every effect and music track, one call per game event.
class Sound {
  public:
    static const int SLOTS = 100;
    // Music tracks, numbered from 0 (the title music) in the order they load.
    static const int TRACK_COUNT = 7;

    static Mix_Chunk* sfx[SLOTS];
    static std::vector<Mix_Music*> mus;
    // Channel of the ambient loop started last, and whether it is still meant to run.
    static int looper;
    static bool looping;
    // The track last started through play_music (level scripts and bosses compare with it).
    static int playing;

    // Halts when the mixer cannot open; a file that cannot be loaded is logged and leaves
    // its slot silent.
    static void start();
    static void end();

    // A sound file as the mixer holds it (Ogg Vorbis, WAV, ...), or null when it cannot be
    // read or decoded; the caller frees it. Needs the mixer open.
    static Mix_Chunk* load(const std::string& path);

    static void play_swish();
    static void play_jump();
    static void play_thud();
    static void play_stun();
    static void play_death();
    static void play_clash();
    static void play_thunder();
    static void play_disembowel();
    static void play_bolthit();
    static void play_teleport();
    static void play_lightning_charge();
    static void play_lightning_strike();
    static void play_sword_wield();
    static void play_fire();
    static void play_bolt();
    static void play_stomp();
    // n = 1, 2 or 3.
    static void play_boss_taunt(int n);
    static void play_bodyburst();
    static void play_flame();
    static void play_hard_hit();
    static void play_child_yell();
    static void play_woman_yell();
    static void play_deathburst();
    static void play_behead();
    static void play_splash();

    static void loop_wind();
    static void loop_rain();
    static void stop_loops();

    // A level's own sound (a spoken line, a script's PLAY or PLAY_BG), once, at the full
    // level on the first free channel; the channel, or -1 when none is free.
    static int play_chunk(Mix_Chunk* chunk);

    // Leaves the track running when it is already the one playing.
    static void play_music(int track, bool loop);
    // Music off (returns false) or back on at the volume's level (returns true).
    static bool toggle_music();

    // The volume of the effects and the music together, in steps from 0 (silent) to
    // VOLUME_STEPS (as loud as they were made).
    static const int VOLUME_STEPS = 8;
    static int volume;
    static void volume_up();
    static void volume_down();
    // A paused game: every effect holds where it is and the music plays softly; false
    // lets them go on.
    static void hold(bool held);

  private:
    static bool open_mixer();
    static void load_samples();
    static void load_tracks();
    static void play(int slot);
    static void play_one_of(int first, int variants);
    static void loop(int slot);
    // Plays `chunk` on the first free channel, as Mix_PlayChannelTimed(-1, ...) would, at
    // `gain` of the volume's level; the channel, or -1.
    static int start_on_free_channel(Mix_Chunk* chunk, int loops, double gain);
    // How loud an effect starts among those already sounding.
    static double crowd_gain();
    static int channel_volume(double gain);
    static void apply_volume();

    static bool music_on;
    static bool held;
    // The gain each channel's current sound started at (1 where none has).
    static std::vector<double> channel_gain;
};
