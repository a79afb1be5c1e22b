#pragma once
#include <string>

#include "Canvas.h"

namespace contentgen {
// Writes the canvas as an 8-bit RGB PNG without alpha and without any time stamp, so the
// same canvas always gives the same bytes. False (with a message on stderr) on failure.
bool write_png(const Canvas& canvas, const std::string& path);
}
