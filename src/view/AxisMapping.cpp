// The linear mapping of one axis between world values and pixels.

#include "view/View.h"

#include <cmath>
#include <limits>

namespace tarlix {

namespace {

// Pixels beyond this are not genuine; enlarged output gets more room.
Extended pixelLimit(int outputScale) {
    return outputScale == 1 ? 10000 : 30000;
}

// Clamps to [-limit, limit], NaN going to -limit, and tells whether it had to.
Extended clampPixel(Extended f, Extended limit, bool& clipped) {
    clipped = f > limit || !(f >= -limit);
    if (!(f >= -limit)) return -limit;
    if (f > limit) return limit;
    return f;
}

int decimalsFor(Extended unitsPerPixel) {
    if (unitsPerPixel >= 1) return 0;
    const Extended d = 1 - std::trunc(std::log(unitsPerPixel) / std::log(Extended(10)));
    // A degenerate range has no sensible pixel step to show.
    if (!std::isfinite(d)) return 0;
    return d > 9999 ? 9999 : static_cast<int>(d);
}

} // namespace

void Axis::Recompute() {
    const Extended previousOrigin = OriginPixel;
    const Extended previousScale = PixelsPerUnit;
    PixelsPerUnit = PixelLength / (High - Low);
    UnitsPerPixel = 1 / PixelsPerUnit;
    OriginPixel = std::trunc(-Low * PixelsPerUnit + 0.5L);
    if (AxisId == 'y') OriginPixel = PixelLength - OriginPixel;
    if (AxisId == 'x' && redraw &&
        (OriginPixel != previousOrigin || PixelsPerUnit != previousScale)) {
        redraw->mappingChanged = true;
    }
    Decimals = decimalsFor(UnitsPerPixel);
}

Extended Axis::ToPixelFloat(Extended v) const {
    return ((AxisId == 'y' ? -v : v) * PixelsPerUnit + OriginPixel) * OutputScale;
}

int Axis::ToPixel(Extended v) const {
    const Extended f = clampPixel(ToPixelFloat(v), pixelLimit(OutputScale), Clipped);
    return static_cast<int>(std::nearbyint(f));
}

int Axis::LengthToPixels(Extended d) const {
    const Extended f =
        clampPixel(d * PixelsPerUnit * OutputScale, pixelLimit(OutputScale), Clipped);
    return static_cast<int>(std::nearbyint(f));
}

Extended Axis::ToWorldRaw(Extended p) const {
    const Extended v = (p / OutputScale - OriginPixel) * UnitsPerPixel;
    return AxisId == 'y' ? -v : v;
}

Extended Axis::ToWorld(Extended p) const {
    const Extended v = ToWorldRaw(p);
    const Extended whole = std::trunc(v);
    return std::fabs(v - whole) < UnitsPerPixel * 1e-5L ? whole : v;
}

} // namespace tarlix
