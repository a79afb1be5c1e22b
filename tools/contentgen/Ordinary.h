#pragma once
#include "Canvas.h"

namespace contentgen {
// Nudges every pixel that happens to equal a colour the game treats specially to a neighbour
// one step away, so ordinary pictures are never recoloured or read as marks. Pure blue stays
// (it is the transparent colour) when `keep_blue`, else it too is nudged; black always stays.
void make_ordinary(Canvas& c, bool keep_blue);
}
