// Setting the ranges of the view: the rectified set, fitting y to x, zooming and the reset.

#include "view/View.h"

#include <cmath>

namespace tarlix {

namespace {
// Aspects this close to 1 are taken as a request for a square view.
constexpr Extended squareTolerance = 0.001L;
} // namespace

void View::setView(Extended xLow, Extended xHigh, Extended yLow, Extended yHigh) {
    xAxis.setRange(xHigh, xLow);
    yAxis.setRange(yHigh, yLow);
    Extended aspect = (yHigh - yLow) / (xHigh - xLow) *
                      (static_cast<Extended>(xAxis.pixelLength) / yAxis.pixelLength);
    if (std::fabs(aspect - 1) < squareTolerance) aspect = 1;
    xAxis.recompute();
    Extended k = 1;
    const bool rectified = rectifyX(k);
    fillXSamples();
    // y follows the requested x width; the rectification then scales it like x, which keeps
    // the requested aspect exactly.
    fitYToWidth(aspect, xHigh - xLow);
    yAxis.recompute();
    if (rectified) rectifyY(k);

    redraw.mappingChanged = true;
    redraw.ticksChanged = true;
    for (int i = 1; i <= functionCount; ++i) redraw.markDirty(functionToken(i));
    redraw.markDirty(areaToken);
    redraw.viewChanged = true;
    if (hooks) hooks->redraw();
}

// Stretches the x range slightly so that ticks fall on whole pixels; k is the factor used.
bool View::rectifyX(Extended& k) {
    Axis& x = xAxis;
    if (!areaRectify || x.divisions <= 0) return false;
    const Extended t = x.tickInterval();
    const Extended anchor =
        (x.low < 0 && 0 < x.high) ? 0 : std::trunc(((x.low + x.high) / 2) / t) * t;
    const Extended o = x.toWorld(x.toPixel(anchor));
    const Extended u = x.toWorld(x.toPixel(anchor + t));
    k = t / (u - o);
    // A step narrower than a pixel, or a range beyond the pixel limits, cannot be rectified.
    if (!std::isfinite(k) || k <= 0) return false;
    x.setRange((x.high - anchor) * k + o, (x.low - anchor) * k + o);
    x.recompute();
    return true;
}

void View::rectifyY(Extended k) {
    Axis& y = yAxis;
    const Extended b = (y.low >= 0 || y.high <= 0) ? 0 : y.toWorld(y.toPixel(0));
    const Extended m = (y.low + y.high) / 2;
    y.setRange((y.high - m) * k + m - b, (y.low - m) * k + m - b);
    y.recompute();
}

void View::fitYToWidth(Extended aspect, Extended xWidth) {
    const Extended m = (yAxis.low + yAxis.high) / 2;
    const Extended h = static_cast<Extended>(yAxis.pixelLength) / xAxis.pixelLength * xWidth / 2;
    yAxis.setRange(m + h * aspect, m - h * aspect);
    redraw.viewChanged = true;
    redraw.ticksChanged = true;
}

void View::fitY(Extended aspect) {
    fitYToWidth(aspect, xAxis.high - xAxis.low);
}

void View::setViewWithUndo(Extended xLow, Extended xHigh, Extended yLow, Extended yHigh) {
    if (hooks) hooks->viewAboutToChange(*this);
    setView(xLow, xHigh, yLow, yHigh);
}

void View::zoomAt(Extended xc, Extended yc, Extended fx, Extended fy) {
    setViewWithUndo(xc + (xAxis.low - xc) / fx, xc + (xAxis.high - xc) / fx,
                    yc + (yAxis.low - yc) / fy, yc + (yAxis.high - yc) / fy);
}

void View::resetView() {
    thetaNum = 12;
    for (FigurePosition& p : positions) p.kind = FigureKind::Empty;
    const Extended m = (yAxis.low + yAxis.high) / 2;
    const Extended yHigh =
        m + (xAxis.high - xAxis.low) / xAxis.pixelLength * yAxis.pixelLength * storedAspect / 2;
    setView(xAxis.low, xAxis.high, 2 * m - yHigh, yHigh);
}

} // namespace tarlix
