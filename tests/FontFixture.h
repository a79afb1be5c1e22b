#pragma once
// A headless screen and the game's font in a temporary data folder, for text tests.
#include <gtest/gtest.h>

#include "TempDataFolder.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"
#include "core/TextMaker.h"

class FontFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        TempDataFolder::add_font();
        TempDataFolder::add_empty_picture();
        Graphics::start(Coord(800, 600), 40, false);
        Pixel::start();
        TextMaker::start();
    }
    void TearDown() override {
        TextMaker::end();
        Graphics::end();
    }

    TempDataFolder folder;
};
