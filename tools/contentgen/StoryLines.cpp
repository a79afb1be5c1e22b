#include "StoryLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

#include "OggWriter.h"
#include "SpeakerVoices.h"

namespace contentgen {
namespace fs = std::filesystem;

namespace {
std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const std::size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t bar; (bar = line.find(separator, from)) != std::string::npos; from = bar + 1)
        fields.push_back(trimmed(line.substr(from, bar - from)));
    fields.push_back(trimmed(line.substr(from)));
    return fields;
}

bool ends_with(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// A level folder and a file name in it, nothing that climbs out of the story's folder.
std::string file_problem(const std::string& file) {
    const std::size_t slash = file.find('/');
    if (slash == std::string::npos || slash == 0 || file.find('/', slash + 1) != std::string::npos)
        return "the sound file must be written as \"Level folder/name.ogg\"";
    const std::string name = file.substr(slash + 1);
    if (file.find('\\') != std::string::npos || file.substr(0, slash) == ".." || name == ".." ||
        file.substr(0, slash) == ".")
        return "the sound file must lie in a level folder of the story";
    if (!ends_with(name, ".ogg") || name.size() == 4) return "the sound file's name must end in .ogg";
    return "";
}

// FNV-1a: the same path gives the same noise and the same stream serial on every build.
std::uint64_t hash(const std::string& s) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}

bool read_text(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool speak_story(const fs::path& story, const fs::path& out) {
    const fs::path lines_file = story / StoryLines::FILE_NAME;
    std::vector<std::string> errors;
    const std::vector<StoryLines::Line> lines = StoryLines::read(story.string(), errors);
    for (const std::string& e : errors) std::fprintf(stderr, "%s:%s\n", lines_file.c_str(), e.c_str());
    if (!errors.empty()) return false;
    bool ok = true;
    for (const StoryLines::Line& line : lines) {
        const std::string where = lines_file.string() + ":" + std::to_string(line.at);
        const std::string key = story.filename().string() + "/" + line.file;
        const Wave wave = SpeakerVoices::say(*SpeakerVoices::find(line.speaker), line.words, hash(key));
        if (wave.frames() == 0) {
            std::fprintf(stderr, "%s: the line could not be spoken\n", where.c_str());
            ok = false;
            continue;
        }
        if (wave.seconds() > SpeakerVoices::MAX_SECONDS) {
            std::fprintf(stderr, "%s: the line lasts %.1f s, longer than %.0f s: shorten it\n", where.c_str(),
                         wave.seconds(), SpeakerVoices::MAX_SECONDS);
            ok = false;
            continue;
        }
        const fs::path target = out / line.file;
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        const int serial = static_cast<int>(hash(key) & 0x3fffffff);
        if (error || !OggWriter::write(target.string(), wave, serial, 0.4f)) {
            std::fprintf(stderr, "%s: cannot write %s\n", where.c_str(), target.c_str());
            ok = false;
        }
    }
    return ok;
}
}

std::vector<StoryLines::Line> StoryLines::parse(const std::string& text, std::vector<std::string>& errors) {
    std::vector<Line> lines;
    std::set<std::string> files;
    std::istringstream in(text);
    std::string raw;
    for (int at = 1; std::getline(in, raw); ++at) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (raw.empty() || raw[0] == '/') continue;
        const auto complain = [&](const std::string& message) {
            errors.push_back(std::to_string(at) + ": " + message);
        };
        const std::vector<std::string> fields = split(raw, '|');
        if (fields.size() != 3) {
            complain("expected \"Level folder/name.ogg | speaker | words\"");
            continue;
        }
        const Line line{fields[0], fields[1], fields[2], at};
        const std::string problem = file_problem(line.file);
        if (!problem.empty()) {
            complain(problem);
        } else if (!SpeakerVoices::find(line.speaker)) {
            std::string known;
            for (const SpeakerVoices::Speaker& s : SpeakerVoices::all())
                known += (known.empty() ? "" : ", ") + std::string(s.name);
            complain("no speaker is called \"" + line.speaker + "\" (there are " + known + ")");
        } else if (line.words.empty()) {
            complain("the line has no words");
        } else if (!files.insert(line.file).second) {
            complain(line.file + " is spoken twice");
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<StoryLines::Line> StoryLines::read(const std::string& story_folder, std::vector<std::string>& errors) {
    std::string text;
    if (!read_text(fs::path(story_folder) / FILE_NAME, text)) {
        errors.push_back(" cannot be read");
        return {};
    }
    return parse(text, errors);
}

bool StoryLines::write_all(const std::string& stories_source, const std::string& data_folder) {
    std::error_code error;
    std::vector<fs::path> stories;
    for (const fs::directory_entry& entry : fs::directory_iterator(stories_source, error))
        if (entry.is_directory() && fs::exists(entry.path() / FILE_NAME)) stories.push_back(entry.path());
    if (error) {
        std::fprintf(stderr, "contentgen: cannot read the stories in %s\n", stories_source.c_str());
        return false;
    }
    std::sort(stories.begin(), stories.end());
    bool ok = true;
    for (const fs::path& story : stories)
        ok = speak_story(story, fs::path(data_folder) / "Stories" / story.filename()) && ok;
    return ok;
}
}
