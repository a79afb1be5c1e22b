#pragma once
#include <SDL_ttf.h>

#include <string>

#include "core/Image.h"

// Renders lines of text into images with the game's one font.
class TextMaker {
  public:
    static TTF_Font* font;

    // Halts when SDL_ttf or the font cannot be opened.
    static void start();
    static void end();

    // A new image of `text` (UTF-8) in colour (r, g, b); the caller owns it.
    static Image* make_utf8(const char* text, unsigned char r, unsigned char g, unsigned char b);
    // The same for text taken as single-byte Latin-1 characters.
    static Image* make_text(const char* text, unsigned char r, unsigned char g, unsigned char b);
    // Width and height of the image make_utf8 (utf8) or make_text would make of `text`;
    // (0, 0) for an empty text, which shows nothing.
    static Coord size(const std::string& text, bool utf8);

  private:
    static Image* empty_picture();
    static Image* keyed_text(SDL_Surface* rendered);
};
