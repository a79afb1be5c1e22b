#pragma once
#include <SDL.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Recorded sessions, played back frame for frame. Everything the game reads of the world
// outside its own state and its random numbers passes through here: the keyboard state and the window
// events it takes (gamepads, window focus and close requests among them), the rule clock,
// whether a spoken line or the music still sounds, and how the session began (each
// story's saved progress, a demo asked for). While recording, each reading goes into the
// file; while playing back, each is answered from it and the live input is ignored but for
// a request to close the game. Every few seconds of play a digest of the game's state is
// recorded, and compared when played back: a game that no longer plays a recording the
// same way (its rules or levels have changed) says so at the first difference and stops.
class Replay {
  public:
    // Frames of play between two digests.
    static const long DIGEST_FRAMES = 120;

    // How a session began.
    struct Start {
        bool demo = false;
        // Each story's name and progress.
        std::vector<std::pair<std::string, int>> saves;
    };

    // Records from here into `path`: the random generator as it stands now, then
    // every reading. "" or why it cannot.
    static std::string record(const std::string& path);
    // Plays the recording at `path` from here, from the generator's recorded state; "" or
    // why it cannot be played (not a recording, another version, cut short, damaged).
    static std::string play(const std::string& path);
    // Completes the recording, or ends the playback and tells whether the game played it
    // to its end as recorded (false after a difference, logged when found). True when
    // neither was under way.
    static bool end();

    static bool recording();
    static bool playing();

    // The readings, each given its live value: recorded and returned while recording,
    // answered from the recording while playing back, returned as they are otherwise.
    // The millisecond clock under the rule clock.
    static Uint32 clock(Uint32 live);
    // Whether a spoken line still sounds.
    static bool speech_sounding(bool live);
    // Whether music plays.
    static bool music_playing(bool live);
    // How the session began: recorded, or replaced by the recording's.
    static void start_of_session(Start& start);

    // Counts a frame of play; every DIGEST_FRAMES records or checks `digest()` of the game.
    static void frame_played(uint64_t (*digest)());
    // Frames of play since recording or playback began.
    static long frames();
};
