#pragma once
#include <string>
#include <vector>

#include "Setting.h"

namespace contentgen {
// Every background layer of every setting, each meant to be placed with bottom 0.
std::vector<Layer> draw_backgrounds();
bool write_backgrounds(const std::string& screens_folder);
} // namespace contentgen
