// Text files: checksums, byte-order marks, line ends, numbers, safe saving, and reading too far.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <fstream>
#include <vector>

#include "TempDataFolder.h"
#include "core/FileIn.h"
#include "core/FileOut.h"

namespace {
class FileTest : public testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Every line a reader yields, read as the game reads: until empty(); and the checksum.
    static std::vector<std::string> lines_of(const std::string& path, int* checksum = nullptr) {
        testing::internal::CaptureStdout();
        FileIn in(path);
        testing::internal::GetCapturedStdout();
        if (checksum) *checksum = in.checksum;
        std::vector<std::string> lines;
        while (!in.empty()) lines.push_back(in.getLine());
        return lines;
    }

    // Every entry under `folder`, sorted, with the content of each file.
    static std::string listing(const std::string& folder) {
        std::set<std::string> entries;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
            entries.insert(
                e.path().string().substr(folder.size() + 1) +
                (e.is_regular_file() ? ": " + TempDataFolder::read_file(e.path()) : "/"));
        std::string all;
        for (const std::string& e : entries) all += e + "\n";
        return all;
    }

    static int checksum_of(const std::string& path) {
        int checksum = 0;
        lines_of(path, &checksum);
        return checksum;
    }

    TempDataFolder scratch{false};
    std::string dir = scratch.path;
};

using Lines = std::vector<std::string>;
} // namespace

// Sums of (previous + 666) * byte with an end-of-file term of -1, wrapping like 32-bit ints,
// logged on opening; a CR before an LF is skipped, a byte-order mark is counted.
TEST_F(FileTest, Checksums) {
    const std::string path = write("a.txt", "A");
    testing::internal::CaptureStdout();
    { FileIn in(path); }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Open: " + path + "\nSuccess. Checksum: 42624\n");
    EXPECT_EQ(checksum_of(write("empty.txt", "")), -667);
    EXPECT_EQ(checksum_of(write("crlf.txt", "x\r\ny\r\n")), checksum_of(write("lf.txt", "x\ny\n")));
    EXPECT_NE(checksum_of(write("cr.txt", "x\ry")), checksum_of(write("xy.txt", "xy")));
    EXPECT_NE(checksum_of(write("bom.txt", "\xEF\xBB\xBFhi")), checksum_of(write("hi.txt", "hi")));
    // A sum far beyond an int wraps.
    EXPECT_EQ(checksum_of(write("big.txt", std::string(200000, '\xff'))), -273705947);
}

// A byte-order mark is skipped, Windows line ends read alike, a trailing line feed yields one
// more empty line, and files too short for a mark are read from their start.
TEST_F(FileTest, LinesAsTheGameReadsThem) {
    const std::pair<std::string, Lines> cases[] = {
        {"\xEF\xBB\xBFhello\nworld", {"hello", "world"}},
        {"one\ntwo\n", {"one", "two", ""}},
        {"one\r\ntwo\r\n", {"one", "two", ""}},
        {"one\ntwo", {"one", "two"}},
        {"", {""}},
        {"\n\n", {"", "", ""}},
        {"A", {"A"}},
        {"AB", {"AB"}},
        {"ABC", {"ABC"}},
        {"7\n", {"7", ""}},
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(lines_of(write("t.txt", bytes)), lines) << bytes;
}

TEST_F(FileTest, NumbersAreReadAsAtoiReadsThem) {
    const std::string path = write("n.txt", "42\n  -7\n3 apples\nx\n+5");
    testing::internal::CaptureStdout();
    FileIn in(path);
    testing::internal::GetCapturedStdout();
    for (int expected : {42, -7, 3, 0, 5}) EXPECT_EQ(in.getInt(), expected);
    EXPECT_TRUE(in.empty());
}

TEST_F(FileTest, ReplacingLeavesTheNewContentAndNothingElse) {
    const std::string path = dir + "/save.txt";
    testing::internal::CaptureStdout();
    EXPECT_TRUE(FileOut::replace(path, "12"));
    EXPECT_EQ(listing(dir), "save.txt: 12\n") << "a missing file is created";
    EXPECT_TRUE(FileOut::replace(path, "3"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(listing(dir), "save.txt: 3\n") << "no temporary file is left beside it";
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

// Each way a save can fail, in a child process. A full disk is the temporary file beside
// the save leading to /dev/full; root writes into read-only folders, so the child gives up
// root for that case.
TEST_F(FileDeathTest, AFailedReplaceIsLoggedAndKeepsTheOldSave) {
    struct Case {
        const char* name;
        const char* file; // in the case's folder, which holds a save.txt of "2"
        void (*prepare)(const std::string& folder);
        const char* step; // as the log names it
        const char* after;
        bool read_only;
    };
    const Case cases[] = {
        {"read-only folder", "save.txt",
         [](const std::string& folder) { chmod(folder.c_str(), 0555); },
         "creating .*: Permission denied", "save.txt: 2\n", true},
        {"full disk", "save.txt",
         [](const std::string& folder) {
             std::filesystem::create_symlink("/dev/full", folder + "/save.txt.tmp");
         },
         "writing: No space left on device", "save.txt: 2\n", false},
        {"folder in the way", "save.txt",
         [](const std::string& folder) {
             std::filesystem::remove(folder + "/save.txt");
             std::filesystem::create_directory(folder + "/save.txt");
         },
         "replacing: Is a directory", "save.txt/\n", false},
        {"missing folder", "gone/save.txt", [](const std::string&) {},
         "creating .*: No such file or directory", "save.txt: 2\n", false},
    };
    // Open to everyone but where a case says otherwise.
    chmod(dir.c_str(), 0755);
    for (const Case& c : cases) {
        const std::string folder = dir + "/" + c.name;
        std::filesystem::create_directory(folder);
        chmod(folder.c_str(), 0777);
        write(std::string(c.name) + "/save.txt", "2");
        c.prepare(folder);
        const std::string path = folder + "/" + c.file;
        EXPECT_EXIT(
            {
                dup2(2, 1);
                if (c.read_only && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                    std::exit(3);
                std::exit(FileOut::replace(path, "3") ? 1 : 0);
            },
            testing::ExitedWithCode(0),
            std::string("FileOut: Could not save .*") + c.file + " \\(" + c.step +
                "\\); the previous content is kept")
            << c.name;
        chmod(folder.c_str(), 0755);
        EXPECT_EQ(listing(folder), c.after) << c.name;
    }
}

// Reading a file that did not open, or past the end of one, halts.
TEST_F(FileDeathTest, ReadingAMissingFileOrPastTheEndHalts) {
    for (const std::string& path : {dir + "/nothing.txt", write("short.txt", "only\n")})
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
