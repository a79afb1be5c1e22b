#pragma once
#include <string>

namespace contentgen {
// Draws every picture of the game into `data_folder`; false (with a message on stderr) on failure.
bool generate_pictures(const std::string& data_folder);
}
