#include "core/Sound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include <SDL.h>

#include "core/Error.h"
#include "core/Random.h"

Mix_Chunk* Sound::sfx[Sound::SLOTS] = {};
std::vector<Mix_Music*> Sound::mus;
int Sound::looper = -1;
bool Sound::looping = false;
int Sound::playing = 0;
int Sound::volume = Sound::VOLUME_STEPS;
bool Sound::music_on = true;
bool Sound::held = false;
std::vector<double> Sound::channel_gain;

namespace {
const int FREQUENCY = 22050;
const int CHANNELS = 2;
const int CHUNK_SIZE = 4096;
const int MUSIC_VOLUME = 64;
// The music of a paused game plays at this part of its volume.
const int HUSHED = 4;
const int EVERY_CHANNEL = -1;
const int FOREVER = -1;
const int NO_TIME_LIMIT = -1;

struct SampleFile {
    int slot;
    const char* path;
};

// clang-format off
const SampleFile SAMPLES[] = {
    {0, "sfx/clash1.ogg"}, {1, "sfx/clash2.ogg"}, {2, "sfx/clash3.ogg"},
    {3, "sfx/oof1.ogg"}, {4, "sfx/oof2.ogg"}, {5, "sfx/oof3.ogg"},
    {6, "sfx/oof4.ogg"}, {7, "sfx/die1.ogg"}, {8, "sfx/die2.ogg"},
    {9, "sfx/die3.ogg"}, {10, "sfx/jump.ogg"}, {11, "sfx/thud.ogg"},
    {12, "sfx/swish1.ogg"}, {13, "sfx/swish2.ogg"}, {14, "sfx/swish3.ogg"},
    {15, "sfx/thunder1.ogg"}, {16, "sfx/thunder2.ogg"}, {17, "sfx/thunder3.ogg"},
    {18, "sfx/wind.ogg"}, {19, "sfx/rain.ogg"}, {20, "sfx/bolt_hit2.ogg"},
    {21, "sfx/teleport.ogg"}, {22, "sfx/lightning_charge.ogg"}, {23, "sfx/lightning_cast.ogg"},
    {24, "sfx/wield.ogg"}, {25, "sfx/firerain.ogg"}, {26, "sfx/bolt_shot.ogg"},
    {27, "sfx/crush.ogg"}, {28, "sfx/boss_taunt1.ogg"}, {29, "sfx/boss_taunt2.ogg"},
    {30, "sfx/boss_taunt3.ogg"}, {31, "sfx/dismemb1.ogg"}, {32, "sfx/dismemb2.ogg"},
    {33, "sfx/dismemb3.ogg"}, {34, "sfx/bodyburst.ogg"}, {35, "sfx/flame.ogg"},
    {36, "sfx/major_hit.ogg"}, {37, "sfx/child_yell.ogg"}, {38, "sfx/woman_yell.ogg"},
    {40, "sfx/deathburst.ogg"}, {49, "sfx/decap2.ogg"}, {59, "sfx/splash.ogg"},
};
// clang-format on

const char* const TRACKS[] = {
    "music/Ironvale.ogg", "music/Track1.ogg", "music/Track2.ogg", "music/Track3.ogg",
    "music/Track4.ogg",   "music/Track5.ogg", "music/Track6.ogg",
};
static_assert(sizeof TRACKS / sizeof TRACKS[0] == Sound::TRACK_COUNT, "one file per track");

enum Slot {
    CLASH = 0,
    STUN = 3,
    DEATH = 7,
    JUMP = 10,
    THUD = 11,
    SWISH = 12,
    THUNDER = 15,
    WIND = 18,
    RAIN = 19,
    BOLT_HIT = 20,
    TELEPORT = 21,
    LIGHTNING_CHARGE = 22,
    LIGHTNING_STRIKE = 23,
    SWORD_WIELD = 24,
    FIRE = 25,
    BOLT = 26,
    STOMP = 27,
    BOSS_TAUNT_BEFORE_FIRST = 27,
    DISEMBOWEL = 31,
    BODYBURST = 34,
    FLAME = 35,
    HARD_HIT = 36,
    CHILD_YELL = 37,
    WOMAN_YELL = 38,
    DEATHBURST = 40,
    BEHEAD = 49,
    SPLASH = 59,
};

const int BOSS_TAUNTS = 3;

// A file that cannot be loaded does not stop the game, which goes on without it.
void note_silent(const char* path) {
    Error::note(std::string("Sound: Failed to load ") + path + "; it stays silent");
}

// A missing or unreadable file leaves its slot null: it plays nothing.
Mix_Chunk* load_sample(const char* path) {
    Mix_Chunk* sample = Sound::load(path);
    if (!sample) note_silent(path);
    return sample;
}
} // namespace

Mix_Chunk* Sound::load(const std::string& path) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    // The mixer closes the file.
    return file ? Mix_LoadWAV_RW(file, 1) : nullptr;
}

bool Sound::open_mixer() {
    return Mix_OpenAudio(FREQUENCY, AUDIO_S16LSB, CHANNELS, CHUNK_SIZE) != -1;
}

void Sound::start() {
    if (!open_mixer()) {
        // No sound device (a machine without a sound card, a session without a sound
        // server): the game plays on in silence rather than not at all.
        Error::note(std::string("Sound: No sound device (") + SDL_GetError() + "); playing silent");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0 || !open_mixer())
            Error::halt("Sound: Failed to initialise SDL_mixer");
    }
    load_samples();
    load_tracks();
    music_on = true;
    held = false;
    apply_volume();
}

void Sound::load_samples() {
    for (Mix_Chunk*& slot : sfx)
        slot = nullptr;
    for (const SampleFile& sample : SAMPLES)
        sfx[sample.slot] = load_sample(sample.path);
}

void Sound::load_tracks() {
    // A failed load keeps its place, so track numbers never shift.
    for (const char* path : TRACKS) {
        mus.push_back(Mix_LoadMUS(path));
        if (!mus.back()) note_silent(path);
    }
}

void Sound::end() {
    for (Mix_Music* track : mus)
        if (track) Mix_FreeMusic(track);
    mus.clear();
    for (Mix_Chunk*& slot : sfx) {
        if (slot) Mix_FreeChunk(slot);
        slot = nullptr;
    }
    looping = false;
    playing = 0;
    channel_gain.clear();
    Mix_CloseAudio();
}

void Sound::play(int slot) {
    if (slot < 0 || slot >= SLOTS || !sfx[slot]) return;
    start_on_free_channel(sfx[slot], 0, crowd_gain());
}

int Sound::play_chunk(Mix_Chunk* chunk) {
    return chunk ? start_on_free_channel(chunk, 0, 1) : -1;
}

int Sound::start_on_free_channel(Mix_Chunk* chunk, int loops, double gain) {
    // The mixer adds its channels without a limiter: a channel's volume must be set before
    // its sound starts, so the channel is chosen first, the one the mixer would choose.
    const int channel = Mix_GroupAvailable(EVERY_CHANNEL);
    if (channel < 0) return -1;
    if (channel >= static_cast<int>(channel_gain.size())) channel_gain.resize(channel + 1, 1);
    channel_gain[channel] = gain;
    Mix_Volume(channel, channel_volume(gain));
    return Mix_PlayChannelTimed(channel, chunk, loops, NO_TIME_LIMIT);
}

// One blow often starts several sounds in the same instant (swing, grunt, splash, impact),
// whose attacks then add up at once: each effect that starts while others sound comes in
// softer, so that a busy fight stays below full scale while a lone sound keeps its level.
double Sound::crowd_gain() {
    int sounding = Mix_Playing(-1);
    if (looping && Mix_Playing(looper)) --sounding;
    return 1 / std::sqrt(1.0 + std::max(0, sounding));
}

int Sound::channel_volume(double gain) {
    return static_cast<int>(MIX_MAX_VOLUME * volume / VOLUME_STEPS * gain + 0.5);
}

// One random draw per call picks the variant.
void Sound::play_one_of(int first, int variants) {
    play(first + Random::next() % variants);
}

void Sound::play_swish() {
    play_one_of(SWISH, 3);
}
void Sound::play_jump() {
    play(JUMP);
}
void Sound::play_thud() {
    play(THUD);
}
void Sound::play_stun() {
    play_one_of(STUN, 4);
}
void Sound::play_death() {
    play_one_of(DEATH, 3);
}
void Sound::play_clash() {
    play_one_of(CLASH, 3);
}
void Sound::play_thunder() {
    play_one_of(THUNDER, 3);
}
void Sound::play_disembowel() {
    play_one_of(DISEMBOWEL, 3);
}
void Sound::play_bolthit() {
    play(BOLT_HIT);
}
void Sound::play_teleport() {
    play(TELEPORT);
}
void Sound::play_lightning_charge() {
    play(LIGHTNING_CHARGE);
}
void Sound::play_lightning_strike() {
    play(LIGHTNING_STRIKE);
}
void Sound::play_sword_wield() {
    play(SWORD_WIELD);
}
void Sound::play_fire() {
    play(FIRE);
}
void Sound::play_bolt() {
    play(BOLT);
}
void Sound::play_stomp() {
    play(STOMP);
}
void Sound::play_bodyburst() {
    play(BODYBURST);
}
void Sound::play_flame() {
    play(FLAME);
}
void Sound::play_hard_hit() {
    play(HARD_HIT);
}
void Sound::play_child_yell() {
    play(CHILD_YELL);
}
void Sound::play_woman_yell() {
    play(WOMAN_YELL);
}
void Sound::play_deathburst() {
    play(DEATHBURST);
}
void Sound::play_behead() {
    play(BEHEAD);
}
void Sound::play_splash() {
    play(SPLASH);
}

void Sound::play_boss_taunt(int n) {
    // Other numbers would land on unrelated samples.
    if (n < 1 || n > BOSS_TAUNTS) return;
    play(BOSS_TAUNT_BEFORE_FIRST + n);
}

void Sound::loop_wind() {
    loop(WIND);
}
void Sound::loop_rain() {
    loop(RAIN);
}

void Sound::loop(int slot) {
    looper = sfx[slot] ? start_on_free_channel(sfx[slot], FOREVER, 1) : -1;
    // A loop that did not start must not be remembered: channel -1 would make
    // stop_loops halt every channel.
    looping = looper >= 0;
}

void Sound::stop_loops() {
    if (looping && looper >= 0 && Mix_Playing(looper)) Mix_HaltChannel(looper);
    looping = false;
}

void Sound::play_music(int track, bool loop) {
    if (Mix_PlayingMusic() && playing == track) return;
    if (track < 0 || track >= static_cast<int>(mus.size()) || !mus[track]) return;
    // Only a track that really started counts as playing.
    if (Mix_PlayMusic(mus[track], loop ? FOREVER : 1) == 0) playing = track;
}

bool Sound::toggle_music() {
    music_on = !music_on;
    apply_volume();
    return music_on;
}

void Sound::volume_up() {
    if (volume < VOLUME_STEPS) ++volume;
    apply_volume();
}

void Sound::volume_down() {
    if (volume > 0) --volume;
    apply_volume();
}

void Sound::hold(bool hold) {
    if (hold == held) return;
    held = hold;
    if (held)
        Mix_Pause(-1);
    else
        Mix_Resume(-1);
    apply_volume();
}

void Sound::apply_volume() {
    // Sounds that started softer in a crowd stay softer by as much.
    const int channels = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < channels; ++channel)
        Mix_Volume(channel, channel_volume(channel < static_cast<int>(channel_gain.size())
                                               ? channel_gain[channel]
                                               : 1));
    const int music = music_on ? MUSIC_VOLUME * volume / VOLUME_STEPS : 0;
    Mix_VolumeMusic(held ? music / HUSHED : music);
}
