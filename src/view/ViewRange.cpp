// Setting the ranges of the view: the rectified set, fitting y to x, zooming and the reset.

#include "view/View.h"

#include <cmath>

namespace tarlix {

namespace {
// Aspects this close to 1 are taken as a request for a square view.
constexpr Extended squareTolerance = 0.001L;
} // namespace

void View::SetView(LayerImages* layers, Extended yHigh, Extended xHigh, Extended yLow,
                   Extended xLow) {
    XAxis.SetRange(xHigh, xLow);
    YAxis.SetRange(yHigh, yLow);
    Extended aspect = (yHigh - yLow) / (xHigh - xLow) *
                      (static_cast<Extended>(XAxis.PixelLength) / YAxis.PixelLength);
    if (std::fabs(aspect - 1) < squareTolerance) aspect = 1;
    XAxis.Recompute();
    Extended k = 1;
    const bool rectified = rectifyX(k);
    FillXSamples();
    // y follows the requested x width; the rectification then scales it like x, which keeps
    // the requested aspect exactly.
    fitYToWidth(aspect, xHigh - xLow);
    YAxis.Recompute();
    if (rectified) rectifyY(k);

    redraw.mappingChanged = true;
    redraw.ticksChanged = true;
    for (int i = 1; i <= functionCount; ++i) redraw.markDirty(functionToken(i));
    redraw.markDirty(areaToken);
    redraw.viewChanged = true;
    if (hooks) hooks->redraw(layers);
}

// Stretches the x range slightly so that ticks fall on whole pixels; k is the factor used.
bool View::rectifyX(Extended& k) {
    Axis& x = XAxis;
    if (!AreaRectify || x.Number <= 0) return false;
    const Extended t = x.TickInterval();
    const Extended anchor =
        (x.Low < 0 && 0 < x.High) ? 0 : std::trunc(((x.Low + x.High) / 2) / t) * t;
    const Extended o = x.ToWorld(x.ToPixel(anchor));
    const Extended u = x.ToWorld(x.ToPixel(anchor + t));
    k = t / (u - o);
    // A step narrower than a pixel, or a range beyond the pixel limits, cannot be rectified.
    if (!std::isfinite(k) || k <= 0) return false;
    x.SetRange((x.High - anchor) * k + o, (x.Low - anchor) * k + o);
    x.Recompute();
    return true;
}

void View::rectifyY(Extended k) {
    Axis& y = YAxis;
    const Extended b = (y.Low >= 0 || y.High <= 0) ? 0 : y.ToWorld(y.ToPixel(0));
    const Extended m = (y.Low + y.High) / 2;
    y.SetRange((y.High - m) * k + m - b, (y.Low - m) * k + m - b);
    y.Recompute();
}

void View::fitYToWidth(Extended aspect, Extended xWidth) {
    const Extended m = (YAxis.Low + YAxis.High) / 2;
    const Extended h = static_cast<Extended>(YAxis.PixelLength) / XAxis.PixelLength * xWidth / 2;
    YAxis.SetRange(m + h * aspect, m - h * aspect);
    redraw.viewChanged = true;
    redraw.ticksChanged = true;
}

void View::FitY(Extended aspect) {
    fitYToWidth(aspect, XAxis.High - XAxis.Low);
}

void View::SetViewWithUndo(LayerImages* layers, Extended yHigh, Extended xHigh, Extended yLow,
                           Extended xLow) {
    if (hooks) hooks->viewAboutToChange(*this);
    SetView(layers, yHigh, xHigh, yLow, xLow);
}

void View::ZoomAt(LayerImages* layers, Extended yc, Extended xc, Extended fy, Extended fx) {
    SetViewWithUndo(layers, yc + (YAxis.High - yc) / fy, xc + (XAxis.High - xc) / fx,
                    yc + (YAxis.Low - yc) / fy, xc + (XAxis.Low - xc) / fx);
}

void View::ResetView(LayerImages* layers) {
    ThetaNum = 12;
    for (FigurePosition& p : Positions) p.kind = 0;
    const Extended m = (YAxis.Low + YAxis.High) / 2;
    const Extended yHigh =
        m + (XAxis.High - XAxis.Low) / XAxis.PixelLength * YAxis.PixelLength * StoredAspect / 2;
    SetView(layers, yHigh, XAxis.High, 2 * m - yHigh, XAxis.Low);
}

} // namespace tarlix
