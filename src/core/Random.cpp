#include "core/Random.h"

// Computed by the compiler: the state is ready before any code runs.
Random::Generator Random::generator(1);
