#pragma once
#include <string>

#include "Canvas.h"

namespace contentgen {
constexpr int PLAIN_SPRITES = 70;
// Effect, projectile and prop picture n (0 … 69), ordinary colours on pure blue.
Canvas draw_plain_sprite(int n);
// The blood-red flying sword of graphics/sprites/sword.png.
Canvas draw_blood_sword();
bool write_plain_sprites(const std::string& folder);
} // namespace contentgen
