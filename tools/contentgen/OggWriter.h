#pragma once
#include <string>

#include "Wave.h"

namespace contentgen {
// Encodes a wave as an Ogg Vorbis file. The stream's serial number is fixed by the caller so
// that the same wave always gives the same bytes.
class OggWriter {
public:
    static bool write(const std::string& path, const Wave& wave, int serial, float quality);
};
}
