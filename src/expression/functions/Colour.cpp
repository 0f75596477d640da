#include "expression/functions/Colour.h"

#include "expression/functions/WholeNumber.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

bool threeReals(const ValueArray& args) {
    if (args.size() != 3) return false;
    return std::all_of(args.begin(), args.end(),
                       [](const Value& v) { return v.valid && v.kind == ValueKind::Real; });
}

Extended unit(Extended v) {
    return std::clamp(v, 0.0L, 1.0L);
}
Extended channel(Extended v) {
    return roundHalfEven(v * 255);
}

Value colourNumber(Extended r, Extended g, Extended b) {
    return makeReal(channel(r) + 256 * channel(g) + 65536 * channel(b));
}

// Hue turn in [0, 1): the fractional part, counted from 1 for negative hues.
Extended hueTurn(Extended h) {
    if (h >= 0) return h - std::trunc(h);
    return 1 - (-h - std::trunc(-h));
}

// One channel of hsl: t is the hue turn shifted for that channel.
Extended hueChannel(Extended p, Extended q, Extended t) {
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (6 * t < 1) return p + (q - p) * 6 * t;
    if (2 * t < 1) return q;
    if (3 * t < 2) return p + (q - p) * (2.0L / 3 - t) * 6;
    return p;
}

} // namespace

Value rgbValue(const ValueArray& args) {
    if (!threeReals(args)) return makeUndefined(ValueKind::Real);
    return colourNumber(unit(args[0].x), unit(args[1].x), unit(args[2].x));
}

Value hslValue(const ValueArray& args) {
    if (!threeReals(args)) return makeUndefined(ValueKind::Real);
    const Extended h = hueTurn(args[0].x), s = unit(args[1].x), l = unit(args[2].x);
    const Extended q = l > 0.5L ? l + s - l * s : l * (1 + s);
    const Extended p = 2 * l - q;
    return colourNumber(hueChannel(p, q, h + 1.0L / 3), hueChannel(p, q, h),
                        hueChannel(p, q, h - 1.0L / 3));
}

} // namespace tarlix
