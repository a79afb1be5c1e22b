#include "Ordinary.h"

#include "KeyColours.h"

namespace contentgen {

void make_ordinary(Canvas& c, bool keep_blue) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgb p = c.get(x, y);
            if (p == key::transparent) {
                if (!keep_blue) c.set(x, y, Rgb{0, 0, 254});
                continue;
            }
            if (key::is_reserved(p) || p == key::white) {
                p.g = static_cast<std::uint8_t>(p.g > 0 ? p.g - 1 : 1);
                c.set(x, y, p);
            }
        }
}

}  // namespace contentgen
