#include "SpokenLines.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

#include "Loudness.h"
#include "OggWriter.h"
#include "Speakers.h"
#include "VoiceRecipes.h"

namespace contentgen {
namespace fs = std::filesystem;

namespace {
const std::string EXTENSION = ".ogg";

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> fields_of(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', from)) {
        fields.push_back(trimmed(text.substr(from, bar - from)));
        from = bar + 1;
    }
    fields.push_back(trimmed(text.substr(from)));
    return fields;
}

// A name that stays inside its folder.
bool plain_name(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos;
}

// What is wrong with a line, or "" when nothing is.
std::string fault_of(const SpokenLine& line) {
    if (!plain_name(line.level)) return "the level folder must be a plain folder name";
    if (!plain_name(line.file) || line.file.size() <= EXTENSION.size() ||
        line.file.compare(line.file.size() - EXTENSION.size(), EXTENSION.size(), EXTENSION) != 0)
        return "the file name must be a plain name ending \"" + EXTENSION + "\"";
    if (!Speakers::find(line.speaker))
        return "no speaker \"" + line.speaker + "\" (speakers: " + Speakers::names() + ")";
    if (line.words.empty()) return "no words to speak";
    return "";
}

// The same line always gets the same breath noise and stream serial number.
std::uint64_t hash_of(const std::string& text) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}
}

bool SpokenLines::read(const std::string& path, std::vector<SpokenLine>& lines, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::set<std::pair<std::string, std::string>> seen;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        const std::string line = trimmed(text);
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = fields_of(line);
        std::string fault;
        SpokenLine spoken;
        if (fields.size() != 4) {
            fault = "wants four fields separated by \"|\": level folder | file name | speaker | words";
        } else {
            spoken = {fields[0], fields[1], fields[2], fields[3], number};
            fault = fault_of(spoken);
            if (fault.empty() && !seen.insert({spoken.level, spoken.file}).second)
                fault = spoken.level + "/" + spoken.file + " is listed twice";
        }
        if (!fault.empty()) {
            error = path + ":" + std::to_string(number) + ": " + fault;
            return false;
        }
        lines.push_back(spoken);
    }
    return true;
}

std::vector<std::string> SpokenLines::files(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ignored))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") found.push_back(entry.path().string());
    std::sort(found.begin(), found.end());
    return found;
}

bool SpokenLines::write_all(const std::string& lines_folder, const std::string& data_folder) {
    const auto begin = std::chrono::steady_clock::now();
    int written = 0, stories = 0;
    for (const std::string& path : files(lines_folder)) {
        std::vector<SpokenLine> lines;
        std::string error;
        if (!read(path, lines, error)) {
            std::fprintf(stderr, "contentgen: %s\n", error.c_str());
            return false;
        }
        const std::string story = fs::path(path).stem().string();
        for (const SpokenLine& line : lines) {
            const std::string where = "Stories/" + story + "/" + line.level + "/" + line.file;
            const std::uint64_t hash = hash_of(where);
            Wave wave = VoiceRecipes::line(hash, line.words, *Speakers::find(line.speaker));
            std::error_code made;
            fs::create_directories(fs::path(data_folder) / "Stories" / story / line.level, made);
            Loudness::apply(wave, Loudness::Tier::VOICE);
            const bool ok = wave.frames() > 0 && !made &&
                            OggWriter::write(data_folder + "/" + where, wave, static_cast<int>(hash & 0x7fffffff), 0.4f);
            if (!ok) {
                std::fprintf(stderr, "contentgen: %s:%d: cannot make %s\n", path.c_str(), line.number, where.c_str());
                return false;
            }
            ++written;
        }
        ++stories;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
    std::printf("contentgen: %d spoken lines of %d stories in %.1f s\n", written, stories, took.count());
    return true;
}
}
