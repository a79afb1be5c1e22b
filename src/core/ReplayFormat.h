#pragma once
#include <SDL.h>

#include <cstdint>
#include <string>

// The layout of a recorded session (docs/replay-format.md): the magic line, the version,
// then records. A record is a kind, a count and a value: `count` readings of that kind in
// a row gave this value. The values are made and read here, byte for byte.
class ReplayFormat {
  public:
    static const char MAGIC[];
    static const int MAGIC_BYTES = 16;
    static const int VERSION = 1;

    enum Kind : unsigned char {
        END = 0, // the file is complete; nothing may follow
        RANDOM,  // the state of the game's random generator at the start
        START,   // how the session began: the --demo choice and every story's progress
        KEYS,    // the keyboard state of a frame of play
        POLL,    // what a look for a window event took, or none
        WAIT,    // the event a wait for one took
        DISCARD, // whether dropped events held a request to close the game
        CLOCK,   // a reading of the rule clock, as the difference from the one before
        SPEECH,  // whether a spoken line still sounds
        MUSIC,   // whether music plays
        DIGEST,  // the frame of play and a digest of the game's state at it
        KINDS
    };

    // Whole numbers, seven bits a byte, lowest first; a set eighth bit means more follow.
    static void put_number(std::string& out, uint64_t n);
    // False when the bytes from `at` end before the number does.
    static bool get_number(const std::string& in, size_t& at, uint64_t& n);
    // Signed numbers folded onto whole ones: 0, -1, 1, -2, 2 ... become 0, 1, 2, 3, 4 ...
    static void put_signed(std::string& out, int64_t n);
    static bool get_signed(const std::string& in, size_t& at, int64_t& n);
    // A count of bytes, then the bytes.
    static void put_text(std::string& out, const std::string& text);
    static bool get_text(const std::string& in, size_t& at, std::string& text);

    // The keys held (non-zero) in a keyboard state of SDLK_LAST entries.
    static std::string keys(const Uint8* state);
    // Fills a keyboard state of SDLK_LAST entries; false for a malformed value.
    static bool keys(const std::string& value, Uint8* state);
    // An event, or none (null): its type and the fields the game reads.
    static std::string event(const SDL_Event* event);
    // False for none or a malformed value.
    static bool event(const std::string& value, SDL_Event& event);
    static std::string flag(bool on);
    static bool flag(const std::string& value);
};
