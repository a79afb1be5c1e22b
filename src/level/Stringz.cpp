#include "level/Stringz.h"

#include <string>

#include "core/FileIn.h"
#include "core/TextMaker.h"

Image* Stringz::levelWon = nullptr;
Image* Stringz::levelLost = nullptr;
Image* Stringz::menuMusicOn = nullptr;
Image* Stringz::menuMusicOff = nullptr;
Image* Stringz::menuQuit = nullptr;
Image* Stringz::movieSkip = nullptr;
Image* Stringz::loading = nullptr;
Image* Stringz::fullscreen = nullptr;
Image* Stringz::windowed = nullptr;
Image* Stringz::instructions = nullptr;
Image* Stringz::storyselect = nullptr;
Image* Stringz::levelselect = nullptr;
Image* Stringz::hotseatwon = nullptr;

namespace {
// The members in the order of the lines of "strings.txt".
Image** const LINES[] = {
    &Stringz::levelWon,   &Stringz::levelLost,    &Stringz::menuMusicOn, &Stringz::menuMusicOff,
    &Stringz::menuQuit,   &Stringz::movieSkip,    &Stringz::loading,     &Stringz::fullscreen,
    &Stringz::windowed,   &Stringz::instructions, &Stringz::storyselect, &Stringz::levelselect,
    &Stringz::hotseatwon,
};

// The order in which they are released.
Image** const RELEASE_ORDER[] = {
    &Stringz::levelWon,   &Stringz::levelLost,    &Stringz::menuMusicOn, &Stringz::menuMusicOff,
    &Stringz::menuQuit,   &Stringz::movieSkip,    &Stringz::loading,     &Stringz::fullscreen,
    &Stringz::windowed,   &Stringz::instructions, &Stringz::levelselect, &Stringz::storyselect,
    &Stringz::hotseatwon,
};

const unsigned char WHITE = 255;
} // namespace

void Stringz::start() {
    FileIn file("strings.txt");
    for (Image** member : LINES) {
        const std::string text = file.getLine();
        *member = TextMaker::make_utf8(text.c_str(), WHITE, WHITE, WHITE);
    }
}

void Stringz::end() {
    for (Image** member : RELEASE_ORDER) {
        delete *member;
        // Nulled so that nothing can draw, or free, a released image by mistake.
        *member = nullptr;
    }
}
