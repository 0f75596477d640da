#include "document/ViewGestures.h"

#include "document/Document.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

void setRanges(View& v, Extended xLow, Extended xHigh, Extended yLow, Extended yHigh,
               bool withUndo) {
    if (withUndo)
        v.setViewWithUndo(xLow, xHigh, yLow, yHigh);
    else
        v.setView(xLow, xHigh, yLow, yHigh);
}

// The view's tick rectification stretches a new range a little about its anchor; shifting the
// range back puts the world point (x0, y0) under the pixel again.
void keepUnderPixel(View& v, int px, int py, Extended x0, Extended y0) {
    for (int pass = 0; pass < 3; ++pass) {
        const Extended dx = x0 - v.xAxis.toWorld(px), dy = y0 - v.yAxis.toWorld(py);
        if (std::fabs(dx) < v.xAxis.unitsPerPixel / 2 && std::fabs(dy) < v.yAxis.unitsPerPixel / 2)
            return;
        v.setView(v.xAxis.low + dx, v.xAxis.high + dx, v.yAxis.low + dy, v.yAxis.high + dy);
    }
}

} // namespace

void dragView(Document& doc, int fromX, int fromY, int toX, int toY) {
    View& v = doc.view;
    const Extended sx = v.xAxis.toWorld(toX) - v.xAxis.toWorld(fromX);
    const Extended sy = v.yAxis.toWorld(toY) - v.yAxis.toWorld(fromY);
    v.setViewWithUndo(v.xAxis.low - sx, v.xAxis.high - sx, v.yAxis.low - sy, v.yAxis.high - sy);
}

void zoomToRectangle(Document& doc, int left, int top, int right, int bottom, bool zoomIn) {
    View& v = doc.view;
    const Extended l = v.xAxis.toWorld(left), r = v.xAxis.toWorld(right);
    const Extended b = v.yAxis.toWorld(bottom), t = v.yAxis.toWorld(top);
    if (zoomIn) {
        v.setViewWithUndo(l, r, b, t);
        return;
    }
    const Axis &x = v.xAxis, &y = v.yAxis;
    const Extended fx = r != l ? (r - l) / (x.high - x.low) : 1;
    const Extended fy = t != b ? (t - b) / (y.high - y.low) : 1;
    v.setViewWithUndo(x.low - (l - x.low) / fx, x.high + (x.high - r) / fx,
                      y.low - (b - y.low) / fy, y.high + (y.high - t) / fy);
}

void zoomAbout(Document& doc, int px, int py, Extended factor, bool withUndo) {
    View& v = doc.view;
    const Axis &x = v.xAxis, &y = v.yAxis;
    const Extended x0 = x.toWorld(px), y0 = y.toWorld(py);
    setRanges(v, x0 + (x.low - x0) / factor, x0 + (x.high - x0) / factor,
              y0 + (y.low - y0) / factor, y0 + (y.high - y0) / factor, withUndo);
    keepUnderPixel(v, px, py, x0, y0);
}

void scrollView(Document& doc, Extended xShare, Extended yShare, bool withUndo) {
    View& v = doc.view;
    const Axis &x = v.xAxis, &y = v.yAxis;
    const Extended dx = (x.high - x.low) * xShare, dy = (y.high - y.low) * yShare;
    setRanges(v, x.low - dx, x.high - dx, y.low + dy, y.high + dy, withUndo);
}

bool resizeView(Document& doc, int width, int height, bool withUndo) {
    View& v = doc.view;
    Axis &x = v.xAxis, &y = v.yAxis;
    if (width < 1 || height < 1 || (width == x.pixelLength && height == y.pixelLength))
        return false;
    if (withUndo) doc.viewHistory.push(v);
    const Extended kx = static_cast<Extended>(width) / std::max(x.pixelLength, 1);
    const Extended ky = static_cast<Extended>(height) / std::max(y.pixelLength, 1);
    x.pixelLength = width;
    y.pixelLength = height;
    if (doc.project.settings.areaFixed) {
        v.setView(x.low, x.high, y.low, y.high);
        return true;
    }
    x.divisions = static_cast<int>(std::lround(x.divisions * kx));
    y.divisions = static_cast<int>(std::lround(y.divisions * ky));
    Axis::clampNumber(x.divisions);
    Axis::clampNumber(y.divisions);
    const Extended xm = (x.low + x.high) / 2, xh = (x.high - x.low) / 2 * kx;
    const Extended ym = (y.low + y.high) / 2, yh = (y.high - y.low) / 2 * ky;
    v.setView(xm - xh, xm + xh, ym - yh, ym + yh);
    return true;
}

void makeScalesEqual(Document& doc) {
    View& v = doc.view;
    const Axis &x = v.xAxis, &y = v.yAxis;
    const Extended ratio = x.pixelsPerUnit / y.pixelsPerUnit;
    if (v.isSquare() || std::fabs(ratio - 1) < 1e-9L) return;
    const Extended mid = (y.low + y.high) / 2;
    const Extended half =
        static_cast<Extended>(y.pixelLength) / x.pixelLength * (x.high - x.low) / 2;
    v.setViewWithUndo(x.low, x.high, mid - half, mid + half);
}

} // namespace tarlix
