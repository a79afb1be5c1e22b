#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/ReplayFormat.h"

// Writes a recording as the session goes: readings of a kind that repeat the one before
// only add to its count, and a record is written once its run ends.
class ReplayWriter {
  public:
    ReplayWriter() = default;
    ~ReplayWriter();
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;

    // Creates `path` and writes the magic line and the version; false when it cannot.
    bool open(const std::string& path);
    bool is_open() const;
    // One reading of `kind`.
    void add(ReplayFormat::Kind kind, const std::string& value);
    // Writes the runs still open and the end mark, and closes the file; false when the
    // file could not be written whole. Nothing happens once closed.
    bool finish();

  private:
    void write(ReplayFormat::Kind kind, uint64_t count, const std::string& value);

    struct Run {
        std::string value;
        uint64_t count = 0;
    };

    FILE* file = nullptr;
    Run runs[ReplayFormat::KINDS];
};
