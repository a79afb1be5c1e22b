#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

namespace contentgen {
// Writes the canvas as an 8-bit RGB PNG without alpha and without any time stamp, so the
// same canvas always gives the same bytes. False (with a message on stderr) on failure.
bool write_png(const Canvas& canvas, const std::string& path);
// The same with an alpha channel: `rgba` holds four bytes a pixel, row by row.
bool write_png_rgba(int width, int height, const std::vector<std::uint8_t>& rgba,
                    const std::string& path);
} // namespace contentgen
