// The generator is deterministic: running it again gives the data folder's files byte for byte.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "StoryLines.h"
#include "TempDataFolder.h"

namespace fs = std::filesystem;

TEST(ContentGenerator, GeneratingAgainGivesIdenticalFiles) {
    const fs::path out = fs::temp_directory_path() / ("ironvale_again_" + std::to_string(getpid()));
    fs::remove_all(out);
    const std::string stories = std::string(IRONVALE_SOURCE_DIR) + "/data/Stories";
    const std::string generator = std::string("\"") + IRONVALE_CONTENTGEN_BINARY + "\" ";
    ASSERT_EQ(0, std::system((generator + "\"" + out.string() + "\" > /dev/null").c_str()));
    ASSERT_EQ(0, std::system((generator + "--lines \"" + stories + "\" \"" + out.string() +
                              "\" > /dev/null").c_str()));
    size_t spoken = 0;
    for (const auto& story : fs::directory_iterator(stories)) {
        if (!fs::exists(story.path() / contentgen::StoryLines::FILE_NAME)) continue;
        std::vector<std::string> errors;
        spoken += contentgen::StoryLines::read(story.path().string(), errors).size();
        EXPECT_TRUE(errors.empty()) << story.path() << errors.front();
    }
    int pictures = 0, sounds = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), out);
        EXPECT_TRUE(TempDataFolder::read_file(entry.path()) ==
                    TempDataFolder::read_file(fs::path(IRONVALE_DATA_DIR) / relative))
            << relative << " differs";
        const std::string ext = relative.extension().string();
        pictures += ext == ".png" || ext == ".PNG";
        sounds += ext == ".ogg";
    }
    EXPECT_GE(pictures, 130 + 70 + 7 + 1 + 78);
    EXPECT_EQ(sounds, 42 + 7 + static_cast<int>(spoken));
    fs::remove_all(out);
}
