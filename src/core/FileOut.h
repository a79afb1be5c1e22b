#pragma once
#include <string>

// Writer for the one file the game writes (a story's saved progress). The new content
// replaces the old whole or not at all: a kill, a crash or a power cut at any moment
// leaves either the old file or the new one, never an empty or partial one.
class FileOut {
  public:
    // Writes `content` to a temporary file beside `path`, flushes it to the disk and
    // renames it over `path`. On failure (read-only folder, full disk, a folder in the way)
    // logs why, leaves `path` as it was and returns false.
    static bool replace(const std::string& path, const std::string& content);
};
