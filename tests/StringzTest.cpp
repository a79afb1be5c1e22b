#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FontFixture.h"
#include "level/Stringz.h"

namespace {
using StringzTest = FontFixture;

// The members in the order of the lines of "strings.txt".
std::vector<Image*> members_in_line_order() {
    return {Stringz::levelWon,  Stringz::levelLost,    Stringz::menuMusicOn, Stringz::menuMusicOff,
            Stringz::menuQuit,  Stringz::movieSkip,    Stringz::loading,     Stringz::fullscreen,
            Stringz::windowed,  Stringz::instructions, Stringz::storyselect, Stringz::levelselect,
            Stringz::hotseatwon};
}

// Lines "I", "II", "III", ...: each renders wider than the one before.
std::vector<std::string> widening_lines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(std::string(static_cast<size_t>(i), 'I'));
    return lines;
}

std::string joined(const std::vector<std::string>& lines, bool final_line_feed) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    if (!final_line_feed) text.pop_back();
    return text;
}

int rendered_width(const std::string& text) {
    std::unique_ptr<Image> picture(TextMaker::make_utf8(text.c_str(), 255, 255, 255));
    return picture->w();
}
} // namespace

// The first thirteen lines in order, as UTF-8, the opening logged with its checksum; a
// fourteenth line is never shown, and empty lines (also the thirteenth after twelve lines ended
// by a line feed) give the empty picture.
TEST_F(StringzTest, RendersTheFirstThirteenLinesInOrder) {
    std::vector<std::string> lines = widening_lines(13);
    lines[0] = "Sieg! \xC3\x9C"
               "ber alles"; // Ü in UTF-8
    lines[5] = "";
    lines.push_back("This fourteenth line is never shown anywhere");
    TempDataFolder::write_file("strings.txt", joined(lines, true));

    ::testing::internal::CaptureStdout();
    Stringz::start();
    const std::string log = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Open: strings.txt\nSuccess. Checksum: "), std::string::npos) << log;
    const std::vector<Image*> members = members_in_line_order();
    for (size_t i = 0; i < members.size(); ++i) {
        ASSERT_NE(members[i], nullptr) << "line " << i + 1;
        EXPECT_EQ(members[i]->w(), i == 5 ? 1 : rendered_width(lines[i])) << "line " << i + 1;
    }
    Stringz::end();
    for (Image* member : members_in_line_order())
        EXPECT_EQ(member, nullptr);

    TempDataFolder::write_file("strings.txt", joined(widening_lines(12), true));
    Stringz::start();
    EXPECT_TRUE(Stringz::hotseatwon->w() == 1 && Stringz::hotseatwon->h() == 1);
    Stringz::end();
}

// Too few lines halt with the reader's message, without a screen: the reader stops before
// anything needs one.
TEST(StringzStart, TooFewLinesHaltWithTheReadersMessage) {
    TempDataFolder folder;
    TempDataFolder::add_font();
    TempDataFolder::write_file("strings.txt", joined(widening_lines(12), false));
    EXPECT_EXIT(
        {
            route_log_to_stderr();
            TextMaker::start();
            Stringz::start();
        },
        ::testing::ExitedWithCode(1), "FileIn: Can't read from file - it failed to open");
}
