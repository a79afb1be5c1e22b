#include "core/TextMaker.h"

#include "core/Error.h"

TTF_Font* TextMaker::font = nullptr;

namespace {
const char* const FONT_FILE = "simfang.ttf";
const int FONT_POINTS = 28;
const char* const EMPTY_PICTURE = "graphics/empty.PNG";

SDL_Color colour_of(unsigned char r, unsigned char g, unsigned char b) {
    SDL_Color colour;
    colour.r = r;
    colour.g = g;
    colour.b = b;
    colour.unused = 0;
    return colour;
}

bool is_empty(const char* text) {
    return text == nullptr || text[0] == '\0';
}
} // namespace

void TextMaker::start() {
    if (TTF_Init() == -1) Error::halt("TextMaker: Failed to initialise SDL_ttf");
    font = TTF_OpenFont(FONT_FILE, FONT_POINTS);
    if (!font) Error::halt("TextMaker: Failed to load font");
}

void TextMaker::end() {
    if (font) TTF_CloseFont(font);
    font = nullptr;
    TTF_Quit();
}

Image* TextMaker::make_utf8(const char* text, unsigned char r, unsigned char g, unsigned char b) {
    if (is_empty(text)) return empty_picture();
    return keyed_text(TTF_RenderUTF8_Solid(font, text, colour_of(r, g, b)));
}

Image* TextMaker::make_text(const char* text, unsigned char r, unsigned char g, unsigned char b) {
    if (is_empty(text)) return empty_picture();
    return keyed_text(TTF_RenderText_Solid(font, text, colour_of(r, g, b)));
}

Coord TextMaker::size(const std::string& text, bool utf8) {
    int w = 0;
    int h = 0;
    if (text.empty()) return Coord(0, 0);
    // The renderers size their picture with these very calls.
    const int failed =
        utf8 ? TTF_SizeUTF8(font, text.c_str(), &w, &h) : TTF_SizeText(font, text.c_str(), &w, &h);
    return failed ? Coord(0, 0) : Coord(w, h);
}

// An empty text cannot be rendered; callers always get something drawable.
Image* TextMaker::empty_picture() {
    return new Image(std::string(EMPTY_PICTURE));
}

Image* TextMaker::keyed_text(SDL_Surface* rendered) {
    // The renderer gives nothing for a text of zero width (e.g. only zero-width characters).
    if (!rendered) return empty_picture();
    // Solid rendering paints the background with palette index 0.
    SDL_SetColorKey(rendered, SDL_SRCCOLORKEY, 0);
    return new Image(rendered, true);
}
