#pragma once
#include <string>

namespace contentgen {
// Synthesises every sound effect and composes every music track into `data_folder`.
bool generate_audio(const std::string& data_folder);
}
