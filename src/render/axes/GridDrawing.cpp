#include "render/axes/GridDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarlix {

namespace {

void setGridPen(const AxesTarget& t) {
    t.canvas.setPen(gridPen(t.view, t.style));
    t.canvas.setBrush(Brush{kWhite, BrushStyle::Clear});
}

void restoreBlackPen(Canvas& canvas) {
    canvas.setPen(Pen{});
}

void drawCross(const AxesTarget& t, Point at, int s) {
    if (t.view.xAxis.scaleVisible) {
        t.canvas.moveTo(at.x - s, at.y);
        t.canvas.lineTo(at.x + s, at.y);
    }
    if (t.view.yAxis.scaleVisible) {
        t.canvas.moveTo(at.x, at.y - s);
        t.canvas.lineTo(at.x, at.y + s);
    }
}

Extended polarReach(const View& view) {
    const Extended r = std::max({std::fabs(view.xAxis.low), std::fabs(view.xAxis.high),
                                 std::fabs(view.yAxis.low), std::fabs(view.yAxis.high)});
    return r * std::numbers::sqrt2_v<Extended>;
}

void drawCircles(const AxesTarget& t, Extended reach) {
    const Axis& x = t.view.xAxis;
    const Axis& y = t.view.yAxis;
    forEachTick(x.tickInterval(), reach, x.tickInterval(), [&](Extended c) {
        if (c >= reach) return;
        t.canvas.ellipse(Rect{x.toPixel(-c), y.toPixel(c), x.toPixel(c) + 1, y.toPixel(-c) + 1});
    });
}

void drawRays(const AxesTarget& t, Extended reach) {
    const int count = t.view.thetaNum;
    if (count <= 0) return;
    const PixelPoint origin = t.view.toPoint(0, 0);
    for (int k = 0; k <= count; ++k) {
        const Extended a = 2 * std::numbers::pi_v<Extended> * k / count;
        const PixelPoint end = t.view.toPoint(reach * std::cos(a), reach * std::sin(a));
        t.canvas.moveTo(origin.x, origin.y);
        t.canvas.lineTo(end.x, end.y);
    }
}

} // namespace

void drawMesh(const AxesTarget& t) {
    const Axis& x = t.view.xAxis;
    const Axis& y = t.view.yAxis;
    const int s = scaled(t.view, t.view.axisWidth + 1);
    setGridPen(t);
    const Extended tx = x.tickInterval(), ty = y.tickInterval();
    forEachTick(firstTick(y.low, ty), y.high, ty, [&](Extended wy) {
        const int r = y.toPixel(wy);
        forEachTick(firstTick(x.low, tx), x.high, tx, [&](Extended wx) {
            drawCross(t, {x.toPixel(wx), r}, s);
        });
    });
    restoreBlackPen(t.canvas);
}

void drawPolarGrid(const AxesTarget& t) {
    setGridPen(t);
    const Extended reach = polarReach(t.view);
    if (t.view.xAxis.scaleVisible) drawCircles(t, reach);
    if (t.view.yAxis.scaleVisible) drawRays(t, reach);
    restoreBlackPen(t.canvas);
}

} // namespace tarlix
