#pragma once
#include <vector>

// The whole state of the C library's generator behind rand(), to look at and to put back:
// a replay starts from the generator as the recording did, and a digest of the game's
// state includes where the generator stands. With glibc, rand() draws from the state that
// initstate() and setstate() manage; the unseeded generator keeps STATE_BYTES of it.
class RandomState {
  public:
    static const int STATE_BYTES = 128;

    // The generator as it stands; drawing nothing.
    static std::vector<unsigned char> save();
    // Puts back a state that save() gave; false (and nothing changes) for any other size.
    static bool restore(const std::vector<unsigned char>& state);

  private:
    // Makes a spare state current and returns the one that was, which then holds its
    // position too.
    static char* switch_away();
};
