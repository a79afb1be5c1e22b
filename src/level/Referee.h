#pragma once
#include <SDL.h>

#include <string>

class Level;

// The judgement of a level in play, one step a frame after Level::run(): when the level is
// won or has nothing left to fight, the next wave comes after the wave pause; with every
// wave out, a won level shows the won message; a lost one shows the lost message and runs
// "lose.txt" once. The story's frame loop and the tools that play levels share it.
class Referee {
  public:
    enum Verdict { PLAYING, WON, LOST };

    // `level` (not owned) has run its "level.txt"; `dir` is its folder, ending in "/".
    Referee(Level* level, const std::string& dir);

    // Judges the frame just played; may run a wave script or the lose script.
    Verdict frame();
    // Play starts over in `fresh`, which has run its "level.txt": the waves and the lose
    // script come again; a wave pause under way keeps its start.
    void restart(Level* fresh);
    // Won with every wave out, or declared won by a script.
    bool won() const;

  private:
    void release_wave();

    Level* level;
    std::string dir;
    // Waves released so far.
    int wave;
    // Clock time the wave pause began; 0 while none is under way.
    Uint32 pause_start;
    bool lose_done;
};
