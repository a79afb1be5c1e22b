#pragma once
#include <cstdint>
#include <deque>
#include <string>

#include "core/ReplayFormat.h"

// A whole recording, read and checked before it plays: the readings of each kind in the
// order they were made.
class ReplayReader {
  public:
    // Reads `path`; "" when it can be played, otherwise why not, in a sentence: not a
    // recording, a recording of another version, cut short, damaged.
    std::string load(const std::string& path);
    // The next reading of `kind`; false when the recording holds no more.
    bool next(ReplayFormat::Kind kind, std::string& value);
    // Whether every reading has been taken.
    bool used_up() const;

  private:
    // Reads the records after the header; "" or why they cannot be played.
    std::string read_records(const std::string& bytes, size_t at, const std::string& path);

    struct Run {
        std::string value;
        uint64_t count;
    };

    std::deque<Run> runs[ReplayFormat::KINDS];
};
