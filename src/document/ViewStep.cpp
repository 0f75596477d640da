#include "document/ViewStep.h"

namespace tarlix {

ViewStep captureViewStep(const View& view) {
    const Axis& x = view.xAxis;
    const Axis& y = view.yAxis;
    return {x.low,         x.high,      y.low,       y.high,          x.pixelLength,
            y.pixelLength, x.divisions, y.divisions, view.equalScales};
}

bool sameStep(const ViewStep& a, const ViewStep& b) {
    return a.xLow == b.xLow && a.xHigh == b.xHigh && a.yLow == b.yLow && a.yHigh == b.yHigh &&
           a.width == b.width && a.height == b.height;
}

} // namespace tarlix
