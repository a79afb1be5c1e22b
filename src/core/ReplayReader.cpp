#include "core/ReplayReader.h"

#include <fstream>
#include <sstream>

namespace {
std::string quoted(const std::string& path) {
    return "'" + path + "'";
}
} // namespace

std::string ReplayReader::load(const std::string& path) {
    for (std::deque<Run>& kind : runs)
        kind.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return "Replay: Cannot read " + quoted(path);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string bytes = content.str();
    const std::string magic(ReplayFormat::MAGIC, ReplayFormat::MAGIC_BYTES);
    if (bytes.compare(0, magic.size(), magic) != 0) {
        // The first bytes of a recording cut very short are still its own.
        if (bytes.size() < magic.size() && magic.compare(0, bytes.size(), bytes) == 0)
            return "Replay: " + quoted(path) + " is cut short (truncated); it cannot be played";
        return "Replay: " + quoted(path) + " is not a recording of this game";
    }
    size_t at = magic.size();
    uint64_t version = 0;
    if (!ReplayFormat::get_number(bytes, at, version))
        return "Replay: " + quoted(path) + " is cut short (truncated); it cannot be played";
    if (version != static_cast<uint64_t>(ReplayFormat::VERSION))
        return "Replay: " + quoted(path) + " is a recording of version " + std::to_string(version) +
               "; this game plays version " + std::to_string(ReplayFormat::VERSION);
    const std::string why = read_records(bytes, at, path);
    if (!why.empty()) {
        for (std::deque<Run>& kind : runs)
            kind.clear();
    }
    return why;
}

std::string ReplayReader::read_records(const std::string& bytes, size_t at,
                                       const std::string& path) {
    const std::string cut =
        "Replay: " + quoted(path) + " is cut short (truncated); it cannot be played";
    while (at < bytes.size()) {
        const size_t begin = at;
        const unsigned kind = static_cast<unsigned char>(bytes[at++]);
        if (kind == ReplayFormat::END) {
            if (at != bytes.size())
                return "Replay: " + quoted(path) + " is damaged (bytes after its end at byte " +
                       std::to_string(at) + ")";
            return "";
        }
        if (kind >= ReplayFormat::KINDS)
            return "Replay: " + quoted(path) + " is damaged (an unknown record at byte " +
                   std::to_string(begin) + ")";
        Run run;
        if (!ReplayFormat::get_number(bytes, at, run.count) ||
            !ReplayFormat::get_text(bytes, at, run.value))
            return cut;
        if (run.count == 0)
            return "Replay: " + quoted(path) + " is damaged (an empty record at byte " +
                   std::to_string(begin) + ")";
        runs[kind].push_back(run);
    }
    return cut;
}

bool ReplayReader::next(ReplayFormat::Kind kind, std::string& value) {
    std::deque<Run>& queue = runs[kind];
    if (queue.empty()) return false;
    value = queue.front().value;
    if (--queue.front().count == 0) queue.pop_front();
    return true;
}

bool ReplayReader::used_up() const {
    for (const std::deque<Run>& kind : runs)
        if (!kind.empty()) return false;
    return true;
}
