#pragma once
#include <string>
#include <vector>

#include "Coverage.h"
#include "Report.h"
#include "level/LevelScript.h"

class FileIn;

// What the scripts of one level have done so far, as far as reading them tells.
struct LevelFacts {
    // The team of every agent made, by id: AGENT, CHILD and WOMAN each make the next one.
    std::vector<int> teams;
    bool has_player = false;
    bool has_enemy = false;
    bool two_player = false;
    // WIN or DELAY WAVE appear somewhere.
    bool can_win = false;
    // The wave count, and the line that set it.
    int waves = 0;
    std::string waves_path;
    int waves_line = 0;

    void add_agent(int team);
    void set_team(int id, int team);
    // Two players at one keyboard on different sides: only a script can win such a level.
    bool versus() const;
};

// Reads scripts of one level folder as the interpreter reads them, through its command
// table, and reports every line the game would refuse, misread or stop on.
class ScriptChecker {
  public:
    ScriptChecker(Report& report, LevelFacts& facts, Coverage& coverage, std::string dir);

    // Checks dir + file, in the order the game would run it; false when it does not exist.
    bool check(const std::string& file);

    // The one of `names` that `word` was most likely meant to be: the same but for capitals
    // and spaces, or one edit away. Empty when there is none.
    static std::string nearest(const std::string& word, const std::vector<std::string>& names);

    // Sound files are decoded by the game's loader when the mixer could be opened (on any
    // driver); otherwise only their header is read.
    static bool mixer_open;

  private:
    std::string next_line();
    void unknown_command(const std::string& line);
    // False when the end of the file cuts the command off.
    bool command(const LevelScript::Command& command);
    // The number the game reads; reports what it would refuse or misread.
    int number(const LevelScript::Command& command, const LevelScript::Arg& arg,
               const std::string& text, int at);
    void text(const LevelScript::Arg& arg, const std::string& text, int at);
    void page(int at);
    void sound(const std::string& file, int at);
    void picture(const std::string& file, int at);

    void error(int line, const std::string& message);
    void warning(int line, const std::string& message);

    Report& report;
    LevelFacts& facts;
    Coverage& coverage;
    std::string dir;
    std::string path;
    FileIn* in = nullptr;
    int line_number = 0;
};
