#pragma once
#include <fstream>
#include <string>

// Line reader for every text file the game reads; logs each open with a checksum.
class FileIn : public std::ifstream {
public:
    explicit FileIn(const std::string& path);

    // The next line without its terminator (a CR before the LF is dropped too).
    // Halts when the file failed to open or has already been read to its end.
    std::string getLine();
    // The next line converted as atoi does: leading number or 0; beyond the range of int,
    // the nearest int.
    int getInt();
    // A line converted the way getInt converts it.
    static int to_int(const std::string& line);
    // True once the end of the file has been reached (or the stream broke).
    bool empty() const;

    int checksum;

private:
    // False when the file cannot be read through.
    static bool compute_checksum(const std::string& path, int& checksum);
    void skip_byte_order_mark(const std::string& path);
};
