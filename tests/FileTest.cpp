// Text files: checksums, byte-order marks, line ends, numbers, writing, and reading too far.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/FileIn.h"
#include "core/FileOut.h"

namespace {
class FileTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/ironvale-files-XXXXXX";
        dir = mkdtemp(pattern);
    }
    void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Every line a reader yields, read as the game reads: until empty().
    static std::vector<std::string> lines_of(const std::string& path) {
        testing::internal::CaptureStdout();
        FileIn in(path);
        testing::internal::GetCapturedStdout();
        std::vector<std::string> lines;
        while (!in.empty()) lines.push_back(in.getLine());
        return lines;
    }

    static int checksum_of(const std::string& path) {
        testing::internal::CaptureStdout();
        FileIn in(path);
        testing::internal::GetCapturedStdout();
        return in.checksum;
    }

    std::string dir;
};

using Lines = std::vector<std::string>;
} // namespace

TEST_F(FileTest, OpeningIsLoggedWithTheChecksum) {
    const std::string path = write("a.txt", "A");
    testing::internal::CaptureStdout();
    { FileIn in(path); }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Open: " + path + "\nSuccess. Checksum: 42624\n");
}

TEST_F(FileTest, ChecksumsIncludeTheEndOfFileTerm) {
    EXPECT_EQ(checksum_of(write("empty.txt", "")), -667);
    EXPECT_EQ(checksum_of(write("a.txt", "A")), 42624);
    // (1+666)*65 + (65+666)*66 + (66+666)*-1
    EXPECT_EQ(checksum_of(write("ab.txt", "AB")), 667 * 65 + 731 * 66 - 732);
}

TEST_F(FileTest, ChecksumsSkipTheCarriageReturnOfALineEnd) {
    EXPECT_EQ(checksum_of(write("crlf.txt", "x\r\ny\r\n")), checksum_of(write("lf.txt", "x\ny\n")));
    EXPECT_NE(checksum_of(write("cr.txt", "x\ry")), checksum_of(write("xy.txt", "xy")));
}

TEST_F(FileTest, ChecksumsWrapLikeThirtyTwoBitIntegers) {
    const std::string big(200000, '\xff');
    long long sum = 0, prev = 1;
    for (unsigned char c : big) {
        sum += (prev + 666) * c;
        prev = c;
    }
    sum += (prev + 666) * -1;
    EXPECT_EQ(checksum_of(write("big.txt", big)), static_cast<int>(static_cast<uint32_t>(sum)));
}

TEST_F(FileTest, ByteOrderMarkIsSkippedButCounted) {
    const std::string path = write("bom.txt", "\xEF\xBB\xBFhello\nworld");
    EXPECT_EQ(lines_of(path), (Lines{"hello", "world"}));
    EXPECT_NE(checksum_of(path), checksum_of(write("plain.txt", "hello\nworld")));
}

TEST_F(FileTest, TrailingLineFeedYieldsOneMoreEmptyLine) {
    EXPECT_EQ(lines_of(write("t.txt", "one\ntwo\n")), (Lines{"one", "two", ""}));
    EXPECT_EQ(lines_of(write("u.txt", "one\ntwo")), (Lines{"one", "two"}));
    EXPECT_EQ(lines_of(write("e.txt", "")), (Lines{""}));
    EXPECT_EQ(lines_of(write("blank.txt", "\n\n")), (Lines{"", "", ""}));
}

TEST_F(FileTest, WindowsLineEndsReadAlike) {
    EXPECT_EQ(lines_of(write("w.txt", "one\r\ntwo\r\n")), (Lines{"one", "two", ""}));
}

TEST_F(FileTest, ShortFilesAreReadFromTheirStart) {
    EXPECT_EQ(lines_of(write("1.txt", "A")), (Lines{"A"}));
    EXPECT_EQ(lines_of(write("2.txt", "AB")), (Lines{"AB"}));
    EXPECT_EQ(lines_of(write("3.txt", "ABC")), (Lines{"ABC"}));
    EXPECT_EQ(lines_of(write("n.txt", "7\n")), (Lines{"7", ""}));
}

TEST_F(FileTest, NumbersAreReadAsAtoiReadsThem) {
    const std::string path = write("n.txt", "42\n  -7\n3 apples\nx\n+5");
    testing::internal::CaptureStdout();
    FileIn in(path);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(in.getInt(), 42);
    EXPECT_EQ(in.getInt(), -7);
    EXPECT_EQ(in.getInt(), 3);
    EXPECT_EQ(in.getInt(), 0);
    EXPECT_EQ(in.getInt(), 5);
    EXPECT_TRUE(in.empty());
}

TEST_F(FileTest, WritingEitherReplacesOrAppends) {
    const std::string path = dir + "/save.txt";
    write("save.txt", "old content");
    { FileOut(path, true).putLine("3"); }
    EXPECT_EQ(contents(path), "3");
    { FileOut(path, false).putLine("4\n"); }
    EXPECT_EQ(contents(path), "34\n");
}

TEST_F(FileTest, WritingWhereNoFileCanBeOpenedDoesNothing) {
    FileOut out(dir + "/missing/folder/save.txt", true);
    out.putLine("3");
    EXPECT_FALSE(out.is_open());
}

// A folder opens but cannot be read: it counts as missing, and no exception escapes.
TEST_F(FileTest, AMissingOrUnreadableFileIsLoggedAndNeverEmpty) {
    const std::string folder = dir + "/save.txt";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    const struct {
        std::string path;
        std::string failure;
    } cases[] = {{dir + "/nothing.txt", "Failure!"}, {folder, "Failure! It cannot be read"}};
    for (const auto& c : cases) {
        testing::internal::CaptureStdout();
        FileIn in(c.path);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Open: " + c.path + "\n" + c.failure + "\n");
        EXPECT_FALSE(in.is_open()) << c.path;
        EXPECT_FALSE(in.empty()) << c.path;
    }
}

using FileDeathTest = FileTest;

TEST_F(FileDeathTest, ReadingAMissingFileHalts) {
    const std::string path = dir + "/nothing.txt";
    EXPECT_EXIT(
        {
            dup2(2, 1);
            FileIn in(path);
            in.getLine();
        },
        testing::ExitedWithCode(1), "FileIn: Can't read from file - it failed to open");
}

TEST_F(FileDeathTest, ReadingPastTheEndHalts) {
    const std::string path = write("short.txt", "only\n");
    EXPECT_EXIT(
        {
            dup2(2, 1);
            FileIn in(path);
            in.getLine();
            in.getLine();
            in.getInt();
        },
        testing::ExitedWithCode(1), "FileIn: Can't read from file - it failed to open");
}
