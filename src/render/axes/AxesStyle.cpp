#include "render/axes/AxesStyle.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {
int twoThirds(int channel) {
    return static_cast<int>(std::nearbyint(channel * 2.0 / 3.0)); // ties to even
}
} // namespace

Color darkenedGridColor(Color color) {
    return rgbColor(twoThirds(redOf(color)), twoThirds(greenOf(color)), twoThirds(blueOf(color)));
}

int gridPenWidth(const View& view) {
    const auto half = std::nearbyint(scaled(view, view.axisWidth) / 2.0);
    return std::max(1, static_cast<int>(half));
}

Pen gridPen(const View& view, const AxesStyle& style) {
    Pen pen;
    pen.mode = PenMode::Mask;
    pen.width = gridPenWidth(view);
    const bool darker =
        view.gridStyle == GridStyle::Crosses || view.gridStyle == GridStyle::DarkLines;
    pen.color = darker ? darkenedGridColor(style.gridColor) : style.gridColor;
    pen.style = view.gridStyle == GridStyle::Dotted ? PenStyle::Dot : PenStyle::Solid;
    return pen;
}

int tickHalfLength(const View& view) {
    return scaled(view, view.axisWidth + 3);
}

Extended firstTick(Extended low, Extended interval) {
    Extended v = std::trunc(low / interval) * interval;
    if (v < low) v += interval;
    return v;
}

bool isLabelledTick(const Axis& axis, Extended interval, Extended v) {
    // Ticks are whole multiples of the interval; rounding absorbs the error of the product.
    const Extended n = std::nearbyint(std::fabs(v) / interval);
    return axis.labelInterval <= 1 || std::fmod(n, static_cast<Extended>(axis.labelInterval)) == 0;
}

} // namespace tarlix
