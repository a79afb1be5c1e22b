#pragma once
#include <string>
#include <vector>

class Image;
class Level;
class Referee;

// The attract mode: levels of the shipped stories played by the computer alone, every
// fighter, the hero's side included, driven by a computer controller, with the level's
// music, while a line says that a key returns to the menu. The levels take turns: each
// plays to its end (or for a few minutes), shows its result a moment and gives way to the
// next. Nothing of it touches the saved progress.
class Demo {
  public:
    // Frames of the menu without a key before the demo starts: 30 seconds.
    static const int IDLE_FRAMES = 1200;
    // The computer controller that takes the players' fighters.
    static const char* const CONTROLLER;

    // The level folders ("Stories/<story>/<level>/") the demo plays in turn: the levels
    // of its table that the catalogue lists, wherever they are, or else the first levels
    // of the first story.
    static std::vector<std::string> levels();
    // Plays until a key or a pad button is pressed (true) or the game is closing (false).
    static bool run();

    Demo();
    ~Demo();
    Demo(const Demo&) = delete;
    Demo& operator=(const Demo&) = delete;

    // One frame: the level in play, or its successor when its time is up. Draws but does
    // not present the frame.
    void frame();

  private:
    void begin_level();
    void end_level();
    // The demo's line, and how the level ended once it has.
    void draw_band();

    // The turn of the next level, kept from one demo to the next.
    static size_t turn;

    std::vector<std::string> folders;
    Level* level = nullptr;
    Referee* referee = nullptr;
    // Frames this level may still play, then show its end.
    int playing = 0;
    int ending = 0;
    Image* notice = nullptr;
    Image* won = nullptr;
    Image* lost = nullptr;
    // won or lost once the level has ended; not owned.
    Image* result = nullptr;
};
