#pragma once
#include <string>

#include "Canvas.h"

namespace contentgen {
constexpr int FIGHTER_PICTURES = 130;
// Fighter picture n (0 … 129) as it is written to graphics/agents/n.png.
Canvas draw_fighter_picture(int n);
// Writes every fighter picture into `folder` (which must exist).
bool write_fighter_pictures(const std::string& folder);
}
