#pragma once
#include <vector>

#include "Composition.h"

namespace contentgen {
// The seven pieces of the game: the title theme and six level tracks.
class Compositions {
public:
    static const std::vector<Composition>& all();
};
}
