#include "core/FileIn.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/Error.h"
#include "core/Utility.h"

FileIn::FileIn(const std::string& path) : std::ifstream(path), checksum(0) {
    Error::note("Open: " + path);
    if (!good()) {
        Error::note("Failure!");
    } else if (!compute_checksum(path, checksum)) {
        // A folder, say: it opens but cannot be read. Left as a file that failed to open.
        Error::note("Failure! It cannot be read");
        std::ifstream::close();
        setstate(std::ios::failbit);
        return;
    } else {
        Error::note("Success. Checksum: " + Utility::str(checksum));
    }
    skip_byte_order_mark(path);
}

bool FileIn::compute_checksum(const std::string& path, int& checksum) {
    std::ifstream in(path, std::ios::binary);
    // Stream reads turn a read error into the bad state; they never throw.
    std::vector<char> bytes;
    char block[4096];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.insert(bytes.end(), block, block + in.gcount());
    if (in.bad()) return false;
    // Sums over the characters a text-mode read delivers, so a CR before an LF does
    // not count; the end-of-file value -1 is the last term. Wraps like 32-bit ints.
    uint32_t sum = 0;
    int prev = 1;
    auto add = [&](int c) {
        sum += static_cast<uint32_t>(prev + 666) * static_cast<uint32_t>(c);
        prev = c;
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        add(static_cast<unsigned char>(bytes[i]));
    }
    add(-1);
    checksum = static_cast<int32_t>(sum);
    return true;
}

void FileIn::skip_byte_order_mark(const std::string& path) {
    char mark[3];
    if (read(mark, 3)) {
        const bool is_mark = static_cast<unsigned char>(mark[0]) == 0xEF &&
                             static_cast<unsigned char>(mark[1]) == 0xBB &&
                             static_cast<unsigned char>(mark[2]) == 0xBF;
        if (!is_mark) seekg(0);
        return;
    }
    // Too short to hold a mark (or not open): start again with a clear state.
    std::ifstream::close();
    clear();
    std::ifstream::open(path);
}

std::string FileIn::getLine() {
    if (!is_open() || rdstate() != std::ios::goodbit)
        Error::halt("FileIn: Can't read from file - it failed to open");
    std::string line;
    std::getline(*this, line);
    const bool ended_by_line_feed = !eof();
    if (ended_by_line_feed && !line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

int FileIn::getInt() { return to_int(getLine()); }

int FileIn::to_int(const std::string& line) {
    // As atoi, but a number beyond the range of int gives the nearest int (atoi's result
    // would be undefined).
    const long n = std::strtol(line.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(n, INT_MIN, INT_MAX));
}

bool FileIn::empty() const { return eof() || bad(); }
