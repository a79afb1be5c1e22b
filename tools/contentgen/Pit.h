#pragma once
#include "Canvas.h"

namespace contentgen {
// The pit opening in the floor, `stage` 0 (a glowing crack) to 3 (a gaping rift of flames),
// drawn upwards from its bottom row and centred; ordinary colours on pure blue.
Canvas draw_pit(int stage);
}
