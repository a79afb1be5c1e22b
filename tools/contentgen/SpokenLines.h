#pragma once
#include <string>
#include <vector>

namespace contentgen {
// One line a character speaks in a story.
struct SpokenLine {
    std::string level;    // the level's folder
    std::string file;     // the sound file its script names, ending ".ogg"
    std::string speaker;  // a name of Speakers
    std::string words;
    int number;           // its line in the lines file
};

// The stories' spoken lines, as their writers list them: one file a story, named after the
// story's folder, "<story>.txt", in the lines folder (tools/contentgen/lines). Each spoken line
// is one line of the file with four fields separated by "|", spaces around them ignored:
//
//     level folder | file name | speaker | words
//     Village Duel | sellsword.ogg | villain | Your harvest is mine, farmer.
//
// Empty lines and lines beginning with "#" are comments. Each line becomes
// Stories/<story>/<level folder>/<file name> in the data folder, spoken by the speaker.
class SpokenLines {
public:
    // False, with "path:line: reason" in `error`, at the first line that is not a good one.
    static bool read(const std::string& path, std::vector<SpokenLine>& lines, std::string& error);
    // The lines files of `folder`, by name.
    static std::vector<std::string> files(const std::string& folder);
    // Synthesises every line of every lines file of `lines_folder` into `data_folder`.
    static bool write_all(const std::string& lines_folder, const std::string& data_folder);
};
}
