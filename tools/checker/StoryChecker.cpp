#include "StoryChecker.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "core/FileIn.h"
#include "core/TextMaker.h"

namespace {
const char* const INDEX = "Stories/index.txt";

std::string str(long n) {
    return std::to_string(n);
}
std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}
std::string wave_file(long n) {
    return "wave" + str(n) + ".txt";
}

bool exists(const std::string& path, bool folder) {
    std::error_code ignored;
    return folder ? std::filesystem::is_directory(path, ignored)
                  : std::filesystem::is_regular_file(path, ignored);
}

// Every line of a file with its number, as the game's reader gives them.
std::vector<TextFit::Line> lines_of(const std::string& path) {
    std::vector<TextFit::Line> lines;
    FileIn file(path);
    for (int n = 1; file.is_open() && !file.empty(); ++n)
        lines.push_back(TextFit::Line{n, file.getLine()});
    return lines;
}

// A catalogue's names: the game passes over empty lines.
std::vector<TextFit::Line> names_in(const std::string& path) {
    std::vector<TextFit::Line> names = lines_of(path);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const TextFit::Line& l) { return l.text.empty(); }),
                names.end());
    return names;
}

// The numbers N of the files waveN.txt in a level folder.
std::set<long> wave_numbers(const std::string& dir) {
    std::set<long> numbers;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 9 || name.size() > 17 || name.compare(0, 4, "wave") != 0 ||
            name.compare(name.size() - 4, 4, ".txt") != 0)
            continue;
        const std::string digits = name.substr(4, name.size() - 8);
        if (digits[0] == '0' ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(c); }))
            continue;
        numbers.insert(std::stol(digits));
    }
    return numbers;
}
} // namespace

StoryChecker::StoryChecker(Report& report, Coverage& coverage)
    : report(report), coverage(coverage) {}

void StoryChecker::check(const std::vector<std::string>& only) {
    if (!exists(INDEX, false)) {
        report.error(INDEX, 0, "the story catalogue is missing: the game stops with an error");
        return;
    }
    std::set<std::string> unlisted(only.begin(), only.end());
    for (const TextFit::Line& story : names_in(INDEX)) {
        if (!only.empty() && !unlisted.count(story.text)) continue;
        unlisted.erase(story.text);
        check_story(story.text, INDEX, story.number);
    }
    for (const std::string& name : unlisted) {
        if (!exists("Stories/" + name, true)) {
            report.error(INDEX, 0,
                         "no story " + quoted(name) +
                             ": it is neither listed here nor a folder in Stories/");
            continue;
        }
        report.warning(INDEX, 0,
                       "story " + quoted(name) + " is not listed: the game does not offer it");
        check_story(name, INDEX, 0);
    }
}

void StoryChecker::check_story(const std::string& name, const std::string& from, int line) {
    const std::string folder = "Stories/" + name + "/";
    const std::string summary = folder + "summary.txt";
    if (!exists(folder, true)) {
        report.error(from, line,
                     "story folder " + quoted(name) +
                         " does not exist: the game stops with an error");
        return;
    }
    if (!exists(summary, false)) {
        report.error(from, line,
                     "story " + quoted(name) + " has no summary.txt: the game stops with an error");
        return;
    }
    const std::vector<TextFit::Line> levels = names_in(summary);
    if (levels.empty()) report.warning(summary, 0, "names no level: the menu leaves the story out");
    for (const TextFit::Line& level : levels)
        check_level(name, level, summary);
}

void StoryChecker::check_level(const std::string& story, const TextFit::Line& level,
                               const std::string& summary) {
    const std::string dir = "Stories/" + story + "/" + level.text + "/";
    if (!exists(dir, true)) {
        report.error(summary, level.number,
                     "level folder " + quoted(level.text) + " does not exist");
        return;
    }
    if (!exists(dir + "level.txt", false)) {
        report.error(summary, level.number,
                     "level " + quoted(level.text) + " has no level.txt: it would start empty");
        return;
    }
    if (exists(dir + "intro.txt", false)) check_intro(dir + "intro.txt");
    LevelFacts facts;
    ScriptChecker scripts(report, facts, coverage, dir);
    scripts.check("level.txt");
    check_waves(dir, facts, scripts);
    // Lost at any point, so after any wave: every agent of the level may exist.
    scripts.check("lose.txt");
    judge(dir + "level.txt", facts);
}

void StoryChecker::check_intro(const std::string& path) {
    if (TextMaker::font) TextFit::check_page(report, path, lines_of(path), false);
}

void StoryChecker::check_waves(const std::string& dir, LevelFacts& facts, ScriptChecker& scripts) {
    const std::set<long> present = wave_numbers(dir);
    long released = 0;
    while (released < facts.waves) {
        const long next = released + 1;
        if (present.count(next)) {
            scripts.check(wave_file(next));
            released = next;
            continue;
        }
        // Missing waves run as empty scripts: one report for the whole gap.
        const auto after = present.upper_bound(next);
        const long last =
            after != present.end() && *after <= facts.waves ? *after - 1 : facts.waves;
        report.error(facts.waves_path, facts.waves_line,
                     "WAVES " + str(facts.waves) + " promises " + wave_file(next) +
                         (last > next ? " to " + wave_file(last) : "") +
                         ", which the level's folder does not have");
        released = last;
    }
}

void StoryChecker::judge(const std::string& path, const LevelFacts& facts) {
    if (!facts.has_player)
        report.warning(path, 0, "no agent of team 1, the players' side: nobody plays this level");
    if (!facts.has_enemy)
        report.warning(path, 0,
                       "no enemy (an agent of team 2 or above): the level is won as it starts");
    if (facts.versus() && !facts.can_win)
        report.warning(path, 0,
                       "the level can never be won: a two-player match between agents 0 and 1 "
                       "counts as won only through WIN or DELAY WAVE");
}
