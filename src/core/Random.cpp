#include "core/Random.h"

#include <cstring>

// Computed by the compiler: the state is ready before any code runs.
Random::Generator Random::generator(1);

std::string Random::state() {
    std::string bytes(sizeof generator, '\0');
    std::memcpy(&bytes[0], &generator, sizeof generator);
    return bytes;
}

bool Random::restore(const std::string& bytes) {
    if (bytes.size() != sizeof generator) return false;
    Generator candidate(1);
    std::memcpy(&candidate, bytes.data(), sizeof candidate);
    if (candidate.front < 0 || candidate.front >= Generator::DEGREE || candidate.rear < 0 ||
        candidate.rear >= Generator::DEGREE)
        return false;
    generator = candidate;
    return true;
}
