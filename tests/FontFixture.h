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

  public:
    // `picture` drawn over a backdrop of `behind`, in the screen's 32-bit format.
    static Image* drawn_over(Image* picture, Uint32 behind) {
        const SDL_PixelFormat* f = Graphics::screen_surface->format;
        Image* backdrop = new Image(SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w(), picture->h(),
                                                         32, f->Rmask, f->Gmask, f->Bmask, 0),
                                    true);
        backdrop->fill(behind);
        backdrop->draw_image(Coord(0, 0), picture);
        return backdrop;
    }

    // Every pixel of a 32-bit image, row by row.
    static std::vector<Uint32> pixels_of(Image* image) {
        std::vector<Uint32> out;
        image->open();
        for (int y = 0; y < image->h(); ++y)
            for (int x = 0; x < image->w(); ++x)
                out.push_back(image->get_pixel(Coord(x, y)));
        image->close();
        return out;
    }

  protected:
    TempDataFolder folder;
};
