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
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || final_line_feed) text += "\n";
    }
    return text;
}

int rendered_width(const std::string& text) {
    std::unique_ptr<Image> picture(TextMaker::make_utf8(text.c_str(), 255, 255, 255));
    return picture->w();
}
} // namespace

TEST_F(StringzTest, RendersTheFirstThirteenLinesInOrder) {
    std::vector<std::string> lines = widening_lines(13);
    lines.push_back("This fourteenth line is never shown anywhere");
    TempDataFolder::write_file("strings.txt", joined(lines, true));

    Stringz::start();
    const std::vector<Image*> members = members_in_line_order();
    for (size_t i = 0; i < members.size(); ++i) {
        ASSERT_NE(members[i], nullptr) << "line " << i + 1;
        EXPECT_EQ(members[i]->w(), rendered_width(lines[i])) << "line " << i + 1;
    }
    Stringz::end();
    for (Image* member : members_in_line_order())
        EXPECT_EQ(member, nullptr);
}

TEST_F(StringzTest, RendersNonAsciiAndEmptyLines) {
    std::vector<std::string> lines = widening_lines(13);
    lines[0] = "Sieg! \xC3\x9C"
               "ber alles"; // Ü in UTF-8
    lines[5] = "";
    TempDataFolder::write_file("strings.txt", joined(lines, false));

    Stringz::start();
    std::unique_ptr<Image> latin1(TextMaker::make_text(lines[0].c_str(), 255, 255, 255));
    EXPECT_EQ(Stringz::levelWon->w(), rendered_width(lines[0]));
    EXPECT_LT(Stringz::levelWon->w(), latin1->w());
    EXPECT_EQ(Stringz::movieSkip->w(), 1);
    EXPECT_EQ(Stringz::movieSkip->h(), 1);
    Stringz::end();
}

TEST_F(StringzTest, TwelveLinesWithAFinalLineFeedEndInAnEmptyThirteenth) {
    TempDataFolder::write_file("strings.txt", joined(widening_lines(12), true));
    Stringz::start();
    EXPECT_EQ(Stringz::levelselect->w(), rendered_width(std::string(12, 'I')));
    EXPECT_EQ(Stringz::hotseatwon->w(), 1);
    Stringz::end();
}

TEST_F(StringzTest, LogsTheOpeningWithItsChecksum) {
    TempDataFolder::write_file("strings.txt", joined(widening_lines(13), false));
    ::testing::internal::CaptureStdout();
    Stringz::start();
    const std::string log = ::testing::internal::GetCapturedStdout();
    Stringz::end();
    EXPECT_NE(log.find("Open: strings.txt\n"), std::string::npos);
    EXPECT_NE(log.find("Success. Checksum: "), std::string::npos);
}

// Halts run without a screen: the reader stops before anything needs one.
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

TEST(StringzStart, MissingFileHaltsWithTheReadersMessage) {
    TempDataFolder folder;
    TempDataFolder::add_font();
    EXPECT_EXIT(
        {
            route_log_to_stderr();
            TextMaker::start();
            Stringz::start();
        },
        ::testing::ExitedWithCode(1), "Open: strings.txt\n.*Failure!\n.*FileIn: Can't read");
}
