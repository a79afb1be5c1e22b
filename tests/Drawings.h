#pragma once
// Small pictures made by the tests, saved where the game's loaders look for them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDataFolder.h"
#include "core/Coord.h"
#include "core/Graphics.h"
#include "core/Image.h"
#include "core/Pixel.h"

namespace drawings {

// A picture given as rows of pixel values in the display format.
using Rows = std::vector<std::vector<Uint32>>;

inline Rows blank(int w, int h, Uint32 colour) {
    return Rows(static_cast<size_t>(h), std::vector<Uint32>(static_cast<size_t>(w), colour));
}

// Saved as BMP whatever the name says: the picture loader goes by the content.
inline void save(const Rows& rows, const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    const SDL_PixelFormat* f = Graphics::screen_surface->format;
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(rows[0].size());
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, f->Rmask, f->Gmask, f->Bmask, 0);
    ASSERT_NE(s, nullptr);
    for (int y = 0; y < h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) row[x] = rows[y][x];
    }
    ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0) << path;
    SDL_FreeSurface(s);
}

inline Rows read(Image* image) {
    Rows rows = blank(image->w(), image->h(), 0);
    image->open();
    for (int y = 0; y < image->h(); ++y)
        for (int x = 0; x < image->w(); ++x) rows[y][x] = image->get_pixel(Coord(x, y));
    image->close();
    return rows;
}

inline Rows mirrored(const Rows& rows) {
    Rows out = rows;
    for (auto& row : out) std::reverse(row.begin(), row.end());
    return out;
}

// Every test starts the screen headless and the key colours, in a fresh working folder for
// its pictures; SDL is shut down after.
class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        Graphics::start(Coord(800, 600), 40, false);
        Pixel::start();
    }
    void TearDown() override { Graphics::end(); }
    TempDataFolder folder;
};

} // namespace drawings
