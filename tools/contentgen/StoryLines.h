#pragma once
#include <string>
#include <vector>

namespace contentgen {
// The stories' spoken lines. A story folder of the committed data may hold a file
// "lines.txt", one spoken line a line:
//
//     Village Duel/taunt.ogg | sellsword | Your harvest or your head, farmer.
//
// the sound file (its level folder and name), the character who speaks (SpeakerVoices) and
// the words. Empty lines and lines starting with "/" are comments, as in level scripts.
// The generator speaks every line into that file of the story in the data folder, where the
// level scripts play it (SPEECH, TEAMSPEAK, PLAY, PLAY_BG).
class StoryLines {
public:
    static constexpr const char* FILE_NAME = "lines.txt";

    struct Line {
        std::string file;     // "Level folder/name.ogg", relative to the story folder
        std::string speaker;
        std::string words;
        int at;               // line number in the lines file
    };

    // The lines of a lines file's text; what is wrong goes to `errors` as "LINE: message".
    static std::vector<Line> parse(const std::string& text, std::vector<std::string>& errors);
    // The lines of the lines file in `story_folder`, its faults in `errors` as for parse.
    static std::vector<Line> read(const std::string& story_folder, std::vector<std::string>& errors);
    // Speaks the lines of every story under `stories_source` into
    // `data_folder`/Stories/<story>/. False, with the reasons printed, on any mistake.
    static bool write_all(const std::string& stories_source, const std::string& data_folder);
};
}
