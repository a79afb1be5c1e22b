#pragma once
#include <fstream>
#include <string>

// Writer for the one file the game writes (a story's saved progress).
class FileOut : public std::ofstream {
public:
    // Empties the file first when `overwrite`, else appends to it.
    FileOut(const std::string& path, bool overwrite);
    // Writes exactly the characters of `text`, no terminator.
    void putLine(const std::string& text);
};
