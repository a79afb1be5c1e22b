// The generator is deterministic: running it again gives the data folder's files byte for byte.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {
std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST(ContentGenerator, GeneratingAgainGivesIdenticalFiles) {
    const fs::path out = fs::temp_directory_path() / ("ironvale_again_" + std::to_string(getpid()));
    fs::remove_all(out);
    const std::string command = std::string("\"") + IRONVALE_CONTENTGEN_BINARY + "\" \"" +
                                out.string() + "\" > /dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    int pictures = 0, sounds = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), out);
        EXPECT_TRUE(read_file(entry.path()) == read_file(fs::path(IRONVALE_DATA_DIR) / relative))
            << relative << " differs";
        const std::string ext = relative.extension().string();
        pictures += ext == ".png" || ext == ".PNG";
        sounds += ext == ".ogg";
    }
    EXPECT_GE(pictures, 130 + 70 + 7 + 1 + 78);
    EXPECT_EQ(sounds, 42 + 7);
    fs::remove_all(out);
}
