#pragma once
#include <string>
#include <vector>

// One campaign: an ordered list of level folders with the player's saved progress.
class Story {
public:
    // Every story of "Stories/index.txt", in menu order; owned.
    static std::vector<Story*> stories;

    // Reads the catalogue; halts through the line reader when a catalogue file is missing.
    static void start();
    static void end();

    explicit Story(std::string name);

    // Replaces "save.txt" with the single line n, atomically; a failure is logged and
    // play goes on.
    void save_progress(int n);
    // True once the last level has been unlocked.
    bool finished() const;
    // A progress brought into the story's levels: 0 .. last level (0 for a story without).
    int within_levels(int saved) const;
    // Plays level `index` from its intro page to Escape, a script's EXIT or a request to
    // close the game; true when won.
    bool start_level(int index);

    // Index of the highest level unlocked, 0-based.
    int progress;
    std::string name;
    std::vector<std::string> levels;

private:
    std::string folder() const;
    // The saved progress clamped to the levels; 0 without a save.
    int read_progress() const;
    void unlock(int index);
};
