#include "render/axes/AxisArrow.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarlix {

namespace {
Point offset(Point p, double dx, double dy) {
    return {p.x + static_cast<int>(std::lround(dx)), p.y + static_cast<int>(std::lround(dy))};
}
} // namespace

void drawArrow(Canvas& canvas, Point tail, Point tip, int fontPixels) {
    const double distance = std::hypot(tail.x - tip.x, tail.y - tip.y);
    if (distance == 0) return;
    const Pen pen = canvas.pen();
    const double w = std::min(2.0 * pen.width + fontPixels, 0.75 * distance);
    const double dx = (tail.x - tip.x) / distance * w, dy = (tail.y - tip.y) / distance * w;
    const Point notch = offset(tip, dx * 10 / 13, dy * 10 / 13);
    // A single segment: the canvas line has the round ends the polyline routine would give,
    // and the axes stay apart from the polylines of the objects.
    canvas.moveTo(tail.x, tail.y);
    canvas.lineTo(notch.x, notch.y);

    // Barbs 20 degrees off the shaft.
    const double k = 2.75, r = std::sqrt(k * k + 1);
    const std::array<Point, 4> head{tip, offset(tip, (k * dx + dy) / r, (k * dy - dx) / r), notch,
                                    offset(tip, (k * dx - dy) / r, (k * dy + dx) / r)};
    Pen thin = pen;
    thin.width = 1;
    thin.style = PenStyle::Solid;
    canvas.setPen(thin);
    canvas.setBrush(Brush{pen.color, BrushStyle::Solid});
    canvas.polygon(head.data(), head.size());
    canvas.setBrush(Brush{kWhite, BrushStyle::Clear});
    canvas.setPen(pen);
}

} // namespace tarlix
