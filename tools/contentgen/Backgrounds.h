#pragma once
#include <string>
#include <vector>

#include "Canvas.h"

namespace contentgen {
struct Layer {
    std::string name;  // file name in graphics/screens
    Canvas picture;
};
// Every background layer of every setting: "<setting>_far", "_mid", "_ground" and "_front".
// Each is meant to be placed with bottom 0; the ground layers have the floor edge on the row
// that lands on screen row 500.
std::vector<Layer> draw_backgrounds();
bool write_backgrounds(const std::string& screens_folder);
}
