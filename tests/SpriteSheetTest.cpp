#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Drawings.h"
#include "core/Events.h"
#include "core/Pixel.h"
#include "core/Utility.h"
#include "sprites/SpriteSheet.h"

using drawings::Rows;

namespace {

// A complete set of small pictures in a fresh folder: fighter n is 2n + 2 pixels wide,
// plain sprite n is n + 1 wide and 2n + 1 high, so each anchor shows its own size.
class SpriteSheetTest : public drawings::FolderTest {
protected:
    void SetUp() override {
        drawings::FolderTest::SetUp();
        for (int n = 0; n < SpriteSheet::AGENT_SPRITES; ++n) {
            Rows pose = drawings::blank(2 * n + 2, 6, Pixel::black);
            if (n == 14) pose[3][1] = Pixel::special;
            drawings::save(pose, "graphics/agents/" + Utility::str(n) + ".png");
        }
        for (int n = 0; n < SpriteSheet::BASE_SPRITES; ++n)
            drawings::save(drawings::blank(n + 1, 2 * n + 1, Pixel::white),
                           "graphics/sprites/" + Utility::str(n) + ".png");
        for (const char* name : {"sprites/sword", "screens/sword", "screens/floor", "screens/title",
                                 "screens/end1", "screens/end2", "screens/end3"})
            drawings::save(drawings::blank(5, 5, Pixel::white),
                           std::string("graphics/") + name + ".png");
    }
    void TearDown() override {
        SpriteSheet::end();
        drawings::FolderTest::TearDown();
    }
};

// Runs the loading with the log on the error stream, where death tests look.
void start_and_report() {
    route_log_to_stderr();
    std::at_quick_exit([] {
        std::fprintf(stderr, "tables: %zu agents, %zu base\n", SpriteSheet::agent.size(),
                     SpriteSheet::base.size());
    });
    SpriteSheet::start();
}

TEST_F(SpriteSheetTest, StartLoadsEveryTableWithItsAnchorsAndEndEmptiesThem) {
    SpriteSheet::start();

    ASSERT_EQ(SpriteSheet::agent.size(), 130u);
    ASSERT_EQ(SpriteSheet::base.size(), 70u);
    for (int n = 0; n < 130; ++n) EXPECT_EQ(SpriteSheet::agent[n]->offset, Coord(n + 1, 6));
    EXPECT_EQ(SpriteSheet::agent[14]->specials.size(), 1u);
    EXPECT_EQ(SpriteSheet::base[12]->offset, Coord(6, 25));  // bottom centre
    EXPECT_EQ(SpriteSheet::base[17]->offset, Coord(9, 0));   // top centre
    EXPECT_EQ(SpriteSheet::base[30]->offset, Coord(15, 30)); // centre

    SpriteSheet::end();
    EXPECT_TRUE(SpriteSheet::agent.empty());
    EXPECT_TRUE(SpriteSheet::base.empty());
    EXPECT_EQ(SpriteSheet::health_sword, nullptr);
    EXPECT_EQ(SpriteSheet::img_end3, nullptr);
    // Started again, even twice, the tables are whole once more; a request to close the
    // window while loading is kept for after it.
    SDL_Event close = {};
    close.type = SDL_QUIT;
    SDL_PushEvent(&close);
    SpriteSheet::start();
    SpriteSheet::start();
    EXPECT_EQ(SpriteSheet::agent.size(), 130u);
    EXPECT_EQ(SpriteSheet::base.size(), 70u);
    EXPECT_TRUE(Events::quitting());
    Events::reset();
}

TEST_F(SpriteSheetTest, AMissingPictureHaltsAfterThePicturesBeforeIt) {
    // Each removal comes earlier in the loading order than the one before.
    const std::pair<const char*, const char*> cases[] = {
        {"graphics/screens/end2", "130 agents, 70 base"},
        {"graphics/sprites/65", "130 agents, 65 base"},
        {"graphics/agents/7", "7 agents, 0 base"}};
    for (const auto& [name, tables] : cases) {
        std::remove((std::string(name) + ".png").c_str());
        EXPECT_EXIT(start_and_report(), testing::ExitedWithCode(1),
                    std::string("Image: Failed to create Image from ") + name +
                        "[.]png\n.*tables: " + tables);
    }
}

} // namespace
