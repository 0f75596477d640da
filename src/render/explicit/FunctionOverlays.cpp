// The XOR overlays of the function-value and integral windows.

#include "render/explicit/FunctionOverlays.h"

#include "render/explicit/SampleRow.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tarlix {

namespace {

constexpr Color kMarkerColour = rgbColor(192, 192, 192);
constexpr int kMarkerWidth = 2;
// XOR on white gives light blue for parts counted positive, pink for negative ones.
constexpr Color kPositiveShade = rgbColor(51, 51, 0);
constexpr Color kNegativeShade = rgbColor(0, 51, 51);

void setXorPen(Canvas& canvas, Color colour, int width, OverlayInk ink) {
    Pen pen;
    pen.color = ink == OverlayInk::Xor ? colour : colour ^ kWhite;
    pen.width = width;
    pen.mode = ink == OverlayInk::Xor ? PenMode::Xor : PenMode::Copy;
    canvas.setPen(pen);
}

void verticalLine(Canvas& canvas, int x, int from, int to) {
    canvas.moveTo(x, from);
    canvas.lineTo(x, to);
}

void drawMarker(const View& view, Canvas& canvas, const MarkerLine& marker, OverlayInk ink) {
    if (!marker.shown) return;
    const int scale = view.yAxis.outputScale;
    setXorPen(canvas, kMarkerColour, kMarkerWidth * scale, ink);
    verticalLine(canvas, view.xAxis.toPixel(marker.x), view.yAxis.pixelStart * scale,
                 view.yAxis.pixelLength * scale);
    canvas.setPen(Pen{});
}

// The pixel column of x: the sample index, whatever the output scale.
int columnOf(const Axis& axis, Extended x) {
    const Extended p = axis.toPixelFloat(x) / axis.outputScale;
    return static_cast<int>(std::nearbyint(std::clamp<Extended>(p, -10000, 10000)));
}

bool canShade(const View& view, const IntegralShading& s) {
    const auto valid = [](int n) { return n >= 1 && n <= functionCount; };
    if (!s.active || !valid(s.shown) || s.shown == s.subtracted || s.lower == s.upper) return false;
    if (!view.functionSamples[s.shown].upToDate) return false;
    if (s.subtracted != 0 && (!valid(s.subtracted) || !view.functionSamples[s.subtracted].upToDate))
        return false;
    return true;
}

// Neighbouring columns of one shade are filled as one polygon, a staircase along the
// function above and back along the bottom below, which inverts each pixel once however the
// two edges cross; a gap or another shade starts a new run.
class ShadeRuns {
public:
    ShadeRuns(Canvas& canvas, int scale, OverlayInk ink) : canvas_(canvas), scale_(scale), ink_(ink) {}

    void add(int column, int topRow, int bottomRow, Color shade) {
        if (!columns_.empty() && shade != shade_) flush();
        shade_ = shade;
        columns_.push_back({column, topRow, bottomRow});
    }

    void flush() {
        if (columns_.empty()) return;
        points_.clear();
        for (const Column& c : columns_) {
            points_.push_back({c.column * scale_, c.top});
            points_.push_back({(c.column + 1) * scale_, c.top});
        }
        for (auto c = columns_.rbegin(); c != columns_.rend(); ++c) {
            points_.push_back({(c->column + 1) * scale_, c->bottom});
            points_.push_back({c->column * scale_, c->bottom});
        }
        Pen pen;
        pen.style = PenStyle::Clear;
        pen.mode = ink_ == OverlayInk::Xor ? PenMode::Xor : PenMode::Copy;
        canvas_.setPen(pen);
        Brush brush;
        brush.color = ink_ == OverlayInk::Xor ? shade_ : shade_ ^ kWhite;
        canvas_.setBrush(brush);
        canvas_.polygon(points_.data(), points_.size());
        columns_.clear();
    }

private:
    struct Column {
        int column;
        int top;
        int bottom;
    };
    Canvas& canvas_;
    int scale_;
    OverlayInk ink_;
    Color shade_ = kWhite;
    std::vector<Column> columns_;
    std::vector<Point> points_;
};

} // namespace

void drawValueMarker(const View& view, Canvas& canvas, const MarkerLine& marker, OverlayInk ink) {
    drawMarker(view, canvas, marker, ink);
}

void drawIntegralLimits(const View& view, Canvas& canvas, const MarkerLine& limit, OverlayInk ink) {
    drawMarker(view, canvas, limit, ink);
}

void drawIntegralArea(const View& view, Canvas& canvas, const IntegralShading& s, OverlayInk ink) {
    if (!canShade(view, s)) return;
    int a = columnOf(view.xAxis, s.lower);
    int b = columnOf(view.xAxis, s.upper);
    const bool reversed = b < a;
    if (reversed) std::swap(a, b);
    const ColumnSpan span = drawnColumns(view);
    if (b < span.first || a > span.last) return;
    a = std::max(a, span.first);
    b = std::min(b, span.last);

    const ColumnSamples& top = view.functionSamples[s.shown].samples;
    const ColumnSamples* bottom =
        s.subtracted ? &view.functionSamples[s.subtracted].samples : nullptr;
    const int zeroRow = view.yAxis.toPixel(0);
    ShadeRuns runs(canvas, view.xAxis.outputScale, ink);
    for (int c = a; c <= b; ++c) {
        if (!top[c].isValid() || (bottom && !(*bottom)[c].isValid())) {
            runs.flush();
            continue;
        }
        const int topRow = view.yAxis.toPixel(top[c].x);
        const int bottomRow = bottom ? view.yAxis.toPixel((*bottom)[c].x) : zeroRow;
        const bool positive = topRow < bottomRow || s.areaMode;
        runs.add(c, topRow, bottomRow, positive != reversed ? kPositiveShade : kNegativeShade);
    }
    runs.flush();
    canvas.setPen(Pen{});
    canvas.setBrush(Brush{});
}

} // namespace tarlix
