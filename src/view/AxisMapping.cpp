// The linear mapping of one axis between world values and pixels.

#include "view/View.h"

#include <cmath>
#include <limits>

namespace tarlix {

namespace {

// Clamps to [-limit, limit], NaN going to -limit, and tells whether it had to.
Extended clampPixel(Extended f, Extended limit, bool& clipped) {
    clipped = f > limit || !(f >= -limit);
    if (!(f >= -limit)) return -limit;
    if (f > limit) return limit;
    return f;
}

// The nearest whole number, ties to even, as nearbyint gives it in the default rounding mode:
// adding and taking away 2^63 leaves only the whole part in the 64-bit mantissa. Every pixel of
// every curve goes through here, and the library call costs more than the mapping itself.
int nearestWhole(Extended f) {
    constexpr Extended shift = 0x1p63L;
    const Extended rounded = f >= 0 ? (f + shift) - shift : -((-f + shift) - shift);
    return static_cast<int>(rounded);
}

int decimalsFor(Extended unitsPerPixel) {
    if (unitsPerPixel >= 1) return 0;
    const Extended d = 1 - std::trunc(std::log(unitsPerPixel) / std::log(Extended(10)));
    // A degenerate range has no sensible pixel step to show.
    if (!std::isfinite(d)) return 0;
    return d > 9999 ? 9999 : static_cast<int>(d);
}

} // namespace

void Axis::recompute() {
    const Extended previousOrigin = originPixel;
    const Extended previousScale = pixelsPerUnit;
    pixelsPerUnit = pixelLength / (high - low);
    unitsPerPixel = 1 / pixelsPerUnit;
    originPixel = std::trunc(-low * pixelsPerUnit + 0.5L);
    if (axisId == 'y') originPixel = pixelLength - originPixel;
    if (axisId == 'x' && redraw &&
        (originPixel != previousOrigin || pixelsPerUnit != previousScale)) {
        redraw->mappingChanged = true;
    }
    decimals = decimalsFor(unitsPerPixel);
}

Extended Axis::toPixelFloat(Extended v) const {
    return ((axisId == 'y' ? -v : v) * pixelsPerUnit + originPixel) * outputScale;
}

int Axis::toPixel(Extended v) const {
    const Extended f = clampPixel(toPixelFloat(v), pixelLimit(), clipped);
    return nearestWhole(f);
}

int Axis::lengthToPixels(Extended d) const {
    const Extended f = clampPixel(d * pixelsPerUnit * outputScale, pixelLimit(), clipped);
    return nearestWhole(f);
}

Extended Axis::toWorldRaw(Extended p) const {
    const Extended v = (p / outputScale - originPixel) * unitsPerPixel;
    return axisId == 'y' ? -v : v;
}

Extended Axis::toWorld(Extended p) const {
    const Extended v = toWorldRaw(p);
    const Extended whole = std::trunc(v);
    return std::fabs(v - whole) < unitsPerPixel * 1e-5L ? whole : v;
}

} // namespace tarlix
