#pragma once
#include "core/Image.h"

// The interface texts of "strings.txt", each rendered once in white.
class Stringz {
  public:
    static Image* levelWon;
    static Image* levelLost;
    static Image* menuMusicOn;
    static Image* menuMusicOff;
    static Image* menuQuit;
    static Image* movieSkip;
    static Image* loading;
    static Image* fullscreen;
    static Image* windowed;
    static Image* instructions;
    static Image* storyselect;
    static Image* levelselect;
    static Image* hotseatwon;

    // Needs the font; halts through the line reader when the file has too few lines.
    static void start();
    static void end();
};
