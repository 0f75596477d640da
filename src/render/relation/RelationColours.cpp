#include "render/relation/RelationColours.h"

#include <cmath>

namespace tarlix {

Color fadeColour(Color c, Extended x) {
    if (x <= 0) return c;
    const Extended v = (2.0L * redOf(c) + 5.0L * greenOf(c)) / 1785;
    Extended d = std::pow(x, std::pow(2.0L, 2 * v - 1));
    d = std::nearbyint(d * 32) / 32;
    const auto channel = [d](int value) {
        return static_cast<int>(std::nearbyint(d * 255 + (1 - d) * value));
    };
    return rgbColor(channel(redOf(c)), channel(greenOf(c)), channel(blueOf(c)));
}

Color blackAndWhiteColour(Color c, bool blackAndWhite) {
    if (!blackAndWhite) return c;
    const int l = (3 * redOf(c) + 5 * greenOf(c) + 2 * blueOf(c)) / 10;
    if (l < 128) return kBlack;
    if (l > 192) return kWhite;
    return rgbColor(l, l, l);
}

} // namespace tarlix
