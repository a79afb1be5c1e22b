// The level checker, run as authors run it, on a small story with one mistake at a time.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "TempDataFolder.h"

namespace {
const std::string HERO = "AGENT\n1\n100\n1\n150\n0\nAI_P1\n";
const std::string FOE = "AGENT\n7\n50\n2\n600\n1\nAI_Mk1\n";

// A story that is all in order: one level with a layer, a hero and a foe, a sound, a page of
// text, two civilians and one wave. "Two" is a folder the summary does not name yet.
void write_story() {
    TempDataFolder::add_font();
    std::filesystem::create_directories("graphics/screens");
    std::filesystem::copy_file(std::string(IRONVALE_DATA_DIR) + "/graphics/screens/castle_far.png",
                               "graphics/screens/far.png");
    TempDataFolder::write_file("Stories/index.txt", "Tale");
    TempDataFolder::write_file("Stories/Tale/summary.txt", "One\n");
    TempDataFolder::write_file("Stories/Tale/save.txt", "0");
    TempDataFolder::write_file("Stories/Tale/One/intro.txt", "The vale at dawn.\n\nPress any key");
    TempDataFolder::write_file("Stories/Tale/One/level.txt",
                               "BACKGROUND\nfar.png\n0\n0\n2\n/ the hero\n\n" + HERO + FOE +
                                   "CHILD\n300\n0\n1\nWOMAN\n350\n0\n0\nHEALTH\n3\nPLAY\nhi.wav\n"
                                   "TEXT\nLong ago,\nin the vale\nEND\nWAVES\n1\n");
    TempDataFolder::add_wav("Stories/Tale/One/hi.wav", 100);
    TempDataFolder::write_file("Stories/Tale/One/wave1.txt",
                               "AGENT\n4\n30\n2\n700\n1\nAI_Peasant\n");
    TempDataFolder::write_file("Stories/Tale/Two/intro.txt", "Later.");
}

struct Outcome {
    std::string output;
    int status;
};

Outcome check(const std::string& options) {
    const std::string command = std::string(IRONVALE_CHECKER_BINARY) + " " + options + " . 2>&1";
    Outcome run{"", -1};
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe && fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    if (pipe) run.status = WEXITSTATUS(pclose(pipe));
    return run;
}
} // namespace

// Each mistake gives one line, which starts with its place and says what is wrong; the
// last line counts them, and only errors (or, with --werror, warnings) fail the check.
TEST(Checker, ReportsEachMistakeOnceAtItsLine) {
    const std::string wide(60, 'W');
    const struct {
        const char* file; // in Stories/Tale/
        std::string content;
        std::string report; // how its line starts, the path taken from Stories/Tale/
    } cases[] = {
        {"One/lose.txt", "WIN\nagent\n0\n10\n2\n5\n0\nAI_Dummy\n",
         "One/lose.txt:2: error: unknown command \"agent\" (did you mean \"AGENT\"?)"},
        {"One/lose.txt", "WAVE\n2\n",
         "One/lose.txt:1: error: unknown command \"WAVE\" (did you mean \"WAVES\"?)"},
        {"One/lose.txt", "Jump\n", "One/lose.txt:1: error: unknown command \"Jump\"\n"},
        {"One/lose.txt", "SETSTATE\n0", "One/lose.txt:1: error: SETSTATE is cut off"},
        {"One/lose.txt", "HEALTH\nfirst\n",
         "One/lose.txt:2: error: HEALTH agent: \"first\" is not a number (the game reads 0)"},
        {"One/lose.txt", "FREEZE\n1\n1x\n",
         "One/lose.txt:3: error: FREEZE flag: \"1x\" is not a number (the game reads 1)"},
        {"One/lose.txt", "MUSIC\n7\n", "One/lose.txt:2: error: MUSIC track 7 is out of range"},
        {"One/lose.txt", "SETSTATE\n0\n10\n",
         "One/lose.txt:3: error: SETSTATE state 10 is out of range"},
        {"One/lose.txt", "BACKGROUND\nfar.png\n0\n0\n0\n",
         "One/lose.txt:5: error: BACKGROUND distance 0 is out of range"},
        {"One/lose.txt", "WAVES\n-2\n", "One/lose.txt:2: error: WAVES count -2 is out of range"},
        {"One/lose.txt", "TELEPORT\n0\n2000000\n",
         "One/lose.txt:3: error: TELEPORT x 2000000 is out of range"},
        {"One/wave1.txt", "AGENT\n4\n30\n2\n700\n1\nAI_Peasant\nHEALTH\n4\nHEALTH\n5\n",
         "One/wave1.txt:11: error: HEALTH agent 5 does not exist at this point"},
        {"One/lose.txt", "TEAM AI\n2\nAI_mk1\n",
         "One/lose.txt:3: error: unknown controller \"AI_mk1\" (did you mean \"AI_Mk1\"?)"},
        {"One/lose.txt", "BACKGROUND\nnear.png\n0\n0\n1\n",
         "One/lose.txt:2: error: picture \"near.png\" is not in graphics/screens/"},
        {"One/lose.txt", "SPEECH\n0\nhi.ogg\n",
         "One/lose.txt:3: error: sound file \"hi.ogg\" is not in the level's folder"},
        {"One/lose.txt", "PLAY_BG\nlose.txt\n",
         "One/lose.txt:2: error: sound file \"lose.txt\" cannot be loaded"},
        {"One/wave1.txt", "WAVES\n3\n", "One/wave1.txt:1: error: WAVES 3 promises wave2.txt"},
        {"summary.txt", "One\nThree",
         "summary.txt:2: error: level folder \"Three\" does not exist"},
        {"summary.txt", "One\nTwo", "summary.txt:2: error: level \"Two\" has no level.txt"},
        {"One/lose.txt", "SUBTITLE\n" + wide,
         "One/lose.txt:2: error: subtitle too wide for the screen: it ends at x 1912, past 750"},
        {"One/intro.txt", "Fine\n" + wide,
         "One/intro.txt:2: error: line too wide for the screen: it ends at x 1912, past 750"},
        {"One/lose.txt", "TEXT\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\nEND\n",
         "One/lose.txt:15: error: page too long for the screen: this line ends at y 594"},
        {"One/lose.txt", "TEXT\nThe end\n", "One/lose.txt:1: warning: TEXT has no END"},
        {"One/wave1.txt", "AGENT\n0\n30\n2\n700\n1\nAI_Peasant\n",
         "One/wave1.txt:2: warning: skin 0 is the raw drawing"},
        {"One/level.txt", FOE, "One/level.txt: warning: no agent of team 1"},
        {"One/level.txt", HERO, "One/level.txt: warning: no enemy"},
        {"One/level.txt", "TWOPLAYER\n" + HERO + "AGENT\n2\n100\n2\n600\n1\nAI_P2\n",
         "One/level.txt: warning: the level can never be won"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        TempDataFolder folder;
        write_story();
        TempDataFolder::write_file(std::string("Stories/Tale/") + c.file, c.content);
        const bool warning = c.report.find(": warning: ") != std::string::npos;
        const Outcome run = check("");
        const size_t end = run.output.find('\n') + 1;
        EXPECT_EQ(run.output.substr(0, c.report.size() + 13), "Stories/Tale/" + c.report);
        EXPECT_EQ(run.output.substr(end), warning ? "ironvale_check: 0 errors, 1 warning\n"
                                                  : "ironvale_check: 1 error, 0 warnings\n");
        EXPECT_EQ(run.status, warning ? 0 : 1);
        if (warning) {
            EXPECT_EQ(check("--werror").status, 1);
        }
    }
}

TEST(Checker, PassesAStoryInOrder) {
    TempDataFolder folder;
    write_story();
    const Outcome run = check("--werror");
    EXPECT_EQ(run.output, "ironvale_check: 0 errors, 0 warnings\n");
    EXPECT_EQ(run.status, 0);
    // The small story leaves most of the language unused, and --coverage names only that.
    const std::string covered = check("--coverage").output;
    EXPECT_NE(covered.find("index.txt: warning: no story uses the command SATAN\n"),
              std::string::npos);
    EXPECT_NE(covered.find("no story uses the controller AI_Boss2\n"), std::string::npos);
    EXPECT_EQ(covered.find("the command AGENT\n"), std::string::npos);
    EXPECT_EQ(covered.find("the controller AI_Mk1\n"), std::string::npos);
}
