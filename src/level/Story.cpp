#include "level/Story.h"

std::vector<Story*> Story::stories;

void Story::start() {}
void Story::end() {}
Story::Story(std::string story_name) : progress(0), name(story_name) {}
void Story::save_progress(int) {}
bool Story::finished() const { return progress >= static_cast<int>(levels.size()) - 1; }
bool Story::start_level(int) { return false; }
std::string Story::folder() const { return "Stories/" + name + "/"; }
void Story::unlock(int) {}
