#include "ScriptChecker.h"

#include <SDL_image.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>

#include "TextFit.h"
#include "ai/AI.h"
#include "core/FileIn.h"
#include "core/Sound.h"
#include "core/TextMaker.h"

bool ScriptChecker::mixer_open = false;

namespace {
using Arg = LevelScript::Arg;
using Command = LevelScript::Command;

std::string str(int n) {
    return std::to_string(n);
}
std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

// As atoi would read it in full: blanks, a sign, digits, blanks.
bool is_whole_number(const std::string& text) {
    size_t i = 0;
    auto blanks = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
    };
    blanks();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i == digits) return false;
    blanks();
    return i == text.size();
}

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string accepted(const Arg& arg) {
    if (arg.nonzero) return "any number but 0";
    if (arg.hi == INT_MAX) return str(arg.lo) + " or more";
    return str(arg.lo) + " to " + str(arg.hi);
}

// Capitals, with every space taken out.
std::string squeezed(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool one_edit_apart(const std::string& a, const std::string& b) {
    if (a.size() > b.size()) return one_edit_apart(b, a);
    if (b.size() - a.size() > 1) return false;
    size_t i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    // After the first difference the rest must match: a replaced or an inserted character.
    if (a.size() == b.size()) return i < a.size() && a.substr(i + 1) == b.substr(i + 1);
    return a.substr(i) == b.substr(i + 1);
}

std::vector<std::string> keywords() {
    std::vector<std::string> names;
    for (const Command& c : LevelScript::commands())
        names.push_back(c.keyword);
    return names;
}

std::string did_you_mean(const std::string& meant) {
    return meant.empty() ? "" : " (did you mean " + quoted(meant) + "?)";
}

bool is_file(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

// Why the game could not load the sound; empty when it can.
std::string sound_trouble(const std::string& path) {
    if (ScriptChecker::mixer_open) {
        Mix_Chunk* chunk = Sound::load(path);
        if (!chunk) return Mix_GetError();
        Mix_FreeChunk(chunk);
        return "";
    }
    std::ifstream file(path, std::ios::binary);
    char magic[4] = {};
    file.read(magic, sizeof magic);
    const std::string head(magic, sizeof magic);
    return head == "OggS" || head == "RIFF" ? "" : "it is neither Ogg Vorbis nor WAV";
}
} // namespace

void LevelFacts::add_agent(int team) {
    teams.push_back(team);
    has_player = has_player || team == 1;
    has_enemy = has_enemy || team > 1;
}

void LevelFacts::set_team(int id, int team) {
    teams[id] = team;
    has_player = has_player || team == 1;
    has_enemy = has_enemy || team > 1;
}

bool LevelFacts::versus() const {
    return two_player && (teams.size() < 2 || teams[0] != teams[1]);
}

ScriptChecker::ScriptChecker(Report& report, LevelFacts& facts, Coverage& coverage, std::string dir)
    : report(report), facts(facts), coverage(coverage), dir(std::move(dir)) {}

std::string ScriptChecker::nearest(const std::string& word, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (squeezed(word) == squeezed(name)) return name;
    for (const std::string& name : names)
        if (one_edit_apart(word, name)) return name;
    return "";
}

bool ScriptChecker::check(const std::string& file) {
    path = dir + file;
    FileIn script(path);
    if (!script.is_open()) return false;
    in = &script;
    line_number = 0;
    while (!in->empty()) {
        const std::string line = next_line();
        if (LevelScript::is_comment(line)) continue;
        const Command* c = LevelScript::find(line);
        if (!c)
            unknown_command(line);
        else if (!command(*c))
            break;
    }
    in = nullptr;
    return true;
}

std::string ScriptChecker::next_line() {
    ++line_number;
    return in->getLine();
}

void ScriptChecker::unknown_command(const std::string& line) {
    static const std::vector<std::string> names = keywords();
    const std::string meant = nearest(line, names);
    if (meant.empty()) {
        error(line_number, "unknown command " + quoted(line));
        return;
    }
    error(line_number, "unknown command " + quoted(line) + did_you_mean(meant) +
                           ": a command is the whole line, capitals and spaces included");
    // The game would take its arguments for commands too; they are passed over here, as
    // the author meant them, rather than reported one by one.
    for (const Arg& arg : LevelScript::find(meant)->args) {
        while (arg.kind == LevelScript::PAGE && !in->empty())
            if (LevelScript::is_page_end(next_line())) break;
        if (arg.kind != LevelScript::PAGE && !in->empty()) next_line();
    }
}

bool ScriptChecker::command(const Command& c) {
    const int at = line_number;
    coverage.command(c.keyword);
    std::vector<int> numbers;
    int id = -1;
    int team = 0;
    for (const Arg& arg : c.args) {
        if (arg.kind == LevelScript::PAGE) {
            page(at);
            continue;
        }
        if (in->empty()) {
            error(at, std::string(c.keyword) + " is cut off by the end of the file before its " +
                          arg.name + ": the game stops with an error here");
            return false;
        }
        const std::string line = next_line();
        if (!arg.is_number()) {
            text(arg, line, line_number);
            continue;
        }
        const int n = number(c, arg, line, line_number);
        numbers.push_back(n);
        if (arg.kind == LevelScript::AGENT_ID) id = n;
        if (arg.kind == LevelScript::TEAM) team = n;
    }
    switch (c.role) {
    case LevelScript::MAKES_AGENT:
        facts.add_agent(team);
        break;
    case LevelScript::SETS_TEAM:
        if (id >= 0 && id < static_cast<int>(facts.teams.size())) facts.set_team(id, team);
        break;
    case LevelScript::SETS_WAVES:
        facts.waves = std::max(0, numbers[0]);
        facts.waves_path = path;
        facts.waves_line = at;
        break;
    case LevelScript::CAN_WIN:
        facts.can_win = true;
        break;
    case LevelScript::TWO_PLAYERS:
        facts.two_player = true;
        break;
    case LevelScript::PLAIN:
        break;
    }
    return true;
}

int ScriptChecker::number(const Command& c, const Arg& arg, const std::string& text, int at) {
    const int n = FileIn::to_int(text);
    const std::string what = std::string(c.keyword) + " " + arg.name;
    if (!is_whole_number(text)) {
        error(at, what + ": " + quoted(text) + " is not a number (the game reads " + str(n) + ")");
        return n;
    }
    const int agents = static_cast<int>(facts.teams.size());
    if (!arg.accepts(n)) {
        error(at,
              what + " " + trimmed(text) + " is out of range: the game accepts " + accepted(arg));
    } else if (arg.kind == LevelScript::AGENT_ID && (n < 0 || n >= agents)) {
        error(at, what + " " + str(n) + " does not exist at this point: " +
                      (agents == 0 ? "no agent has been made yet"
                                   : "the agents made so far are 0 to " + str(agents - 1)));
    } else if (arg.kind == LevelScript::SKIN && n == 0) {
        warning(at, "skin 0 is the raw drawing, with the head and the sword in their marker "
                    "colours: choose a skin from 1 to " +
                        str(LevelScript::SKIN_COUNT - 1));
    }
    return n;
}

void ScriptChecker::text(const Arg& arg, const std::string& text, int at) {
    switch (arg.kind) {
    case LevelScript::CONTROLLER: {
        static const std::vector<std::string> names = AI::controller_names();
        if (std::find(names.begin(), names.end(), text) == names.end())
            error(at, "unknown controller " + quoted(text) + did_you_mean(nearest(text, names)) +
                          ": the agent gets AI_Dummy, which does nothing");
        else
            coverage.controller(text);
        break;
    }
    case LevelScript::SOUND:
        sound(text, at);
        break;
    case LevelScript::PICTURE:
        picture(text, at);
        break;
    case LevelScript::CAPTION:
        if (TextMaker::font) TextFit::check_subtitle(report, path, TextFit::Line{at, text});
        break;
    default:
        break;
    }
}

void ScriptChecker::page(int at) {
    std::vector<TextFit::Line> lines;
    bool ended = false;
    while (!in->empty()) {
        const std::string line = next_line();
        ended = LevelScript::is_page_end(line);
        if (ended) break;
        lines.push_back(TextFit::Line{line_number, line});
    }
    if (!ended)
        warning(at, "TEXT has no END: every line to the end of the file is shown on its page");
    if (TextMaker::font) TextFit::check_page(report, path, lines, true);
}

void ScriptChecker::sound(const std::string& file, int at) {
    const std::string where = dir + file;
    if (!is_file(where)) {
        error(at, "sound file " + quoted(file) + " is not in the level's folder");
        return;
    }
    const std::string trouble = sound_trouble(where);
    if (!trouble.empty()) error(at, "sound file " + quoted(file) + " cannot be loaded: " + trouble);
}

void ScriptChecker::picture(const std::string& file, int at) {
    const std::string where = "graphics/screens/" + file;
    if (!is_file(where)) {
        error(at, "picture " + quoted(file) +
                      " is not in graphics/screens/: the game stops with an error here");
        return;
    }
    SDL_Surface* loaded = IMG_Load(where.c_str());
    if (!loaded) {
        error(at, "picture " + quoted(file) + " cannot be loaded (" + IMG_GetError() +
                      "): the game stops with an error here");
        return;
    }
    SDL_FreeSurface(loaded);
}

void ScriptChecker::error(int line, const std::string& message) {
    report.error(path, line, message);
}

void ScriptChecker::warning(int line, const std::string& message) {
    report.warning(path, line, message);
}
