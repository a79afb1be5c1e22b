#pragma once
#include <string>
#include <vector>

#include "Coverage.h"
#include "Report.h"
#include "ScriptChecker.h"
#include "TextFit.h"

// Walks the story catalogue as the game reads it: Stories/index.txt, each story's
// summary.txt, and in each level folder the intro page, level.txt, the waves in the order
// they come and lose.txt. Paths are relative to the data folder, the working folder.
class StoryChecker {
  public:
    StoryChecker(Report& report, Coverage& coverage);

    // Every story of the catalogue, or only those named in `only`.
    void check(const std::vector<std::string>& only);

  private:
    void check_story(const std::string& name, const std::string& from, int line);
    void check_level(const std::string& story, const TextFit::Line& level,
                     const std::string& summary);
    void check_intro(const std::string& path);
    // Runs the wave scripts the level's wave count promises, in order; a wave may change it.
    void check_waves(const std::string& dir, LevelFacts& facts, ScriptChecker& scripts);
    // What makes the level as a whole almost certainly not what its author meant.
    void judge(const std::string& path, const LevelFacts& facts);

    Report& report;
    Coverage& coverage;
};
