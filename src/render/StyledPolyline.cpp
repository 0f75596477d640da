#include "render/StyledPolyline.h"

#include "expression/Value.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace tarlix {

namespace {

// Above this many points a solid line is cheaper through the canvas's own polyline, and its
// joins are dense enough not to show.
constexpr std::size_t kFastSolidPoints = 21;

// Cumulative arc length at each vertex.
std::vector<Extended> arcLengths(std::span<const Point> points) {
    std::vector<Extended> s(points.size(), 0);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Extended dx = Extended(points[i].x) - points[i - 1].x;
        const Extended dy = Extended(points[i].y) - points[i - 1].y;
        s[i] = s[i - 1] + std::sqrt(dx * dx + dy * dy);
    }
    return s;
}

// The point at arc length at (clamped to the polyline), on the piece that contains it, rounded
// to a pixel.
Point pointAt(std::span<const Point> points, const std::vector<Extended>& s, Extended at) {
    if (points.size() == 1) return points.front();
    const auto found = std::lower_bound(s.begin(), s.end(), at);
    const std::size_t i =
        std::clamp<std::size_t>(static_cast<std::size_t>(found - s.begin()), 1, s.size() - 1);
    const Extended piece = s[i] - s[i - 1];
    const Extended t = piece > 0 ? std::clamp<Extended>((at - s[i - 1]) / piece, 0, 1) : 0;
    const Point& a = points[i - 1];
    const Point& b = points[i];
    return Point{static_cast<int>(std::lround(a.x + t * (Extended(b.x) - a.x))),
                 static_cast<int>(std::lround(a.y + t * (Extended(b.y) - a.y)))};
}

// One dash: its interpolated ends and every vertex between them (without repeats), as one path so
// that the joins inside the dash are drawn as joins and not as overlapping ends.
void strokeDash(Canvas& canvas, std::span<const Point> points, const std::vector<Extended>& s,
                Extended a, Extended b) {
    std::vector<Point> dash{pointAt(points, s, a)};
    auto first = std::lower_bound(s.begin(), s.end(), a);
    const auto last = std::upper_bound(first, s.end(), b);
    for (; first != last; ++first)
        if (points[first - s.begin()] != dash.back()) dash.push_back(points[first - s.begin()]);
    const Point end = pointAt(points, s, b);
    // A dash of length zero keeps its two equal ends: round ends make it a dot.
    if (end != dash.back() || dash.size() == 1) dash.push_back(end);
    canvas.strokePath(dash.data(), dash.size());
}

} // namespace

void drawStyledPolyline(Canvas& canvas, std::span<const Point> points,
                        const LineDrawOptions& options) {
    if (points.empty()) return;
    const Pen& pen = canvas.pen();
    if (pen.width < 2 || (pen.style == PenStyle::Solid && points.size() > kFastSolidPoints)) {
        const Brush saved = canvas.brush();
        Brush clear = saved;
        clear.style = BrushStyle::Clear;
        clear.hasPattern = false;
        canvas.setBrush(clear);
        canvas.polyline(points.data(), points.size());
        canvas.setBrush(saved);
        return;
    }
    drawDashedPath(points, canvas, options.capStyle, makeDashPattern(pen, options), pen.width,
                   pen.color);
}

void drawStyledPolygon(Canvas& canvas, std::span<const Point> points,
                       const LineDrawOptions& options) {
    if (points.empty()) return;
    std::vector<Point> closed(points.begin(), points.end());
    closed.push_back(points.front());
    drawStyledPolyline(canvas, closed, options);

    const Pen saved = canvas.pen();
    Pen clear = saved;
    clear.style = PenStyle::Clear;
    clear.color = kWhite;
    canvas.setPen(clear);
    canvas.polygon(points.data(), points.size());
    canvas.setPen(saved);
}

void drawDashedPath(std::span<const Point> points, Canvas& canvas, bool flatCaps,
                    const DashPattern& pattern, int width, Color color) {
    const Extended w = width;
    const Extended period = w * std::accumulate(pattern.begin(), pattern.end(), 0.0L);
    // The walk must advance, so an empty pattern (the clear style) strokes nothing.
    if (points.empty() || !(period > 0)) return;

    const Pen saved = canvas.pen();
    Pen dashPen = saved;
    dashPen.color = color;
    dashPen.width = width;
    dashPen.style = PenStyle::Solid;
    dashPen.geometric = true;
    dashPen.cap = flatCaps ? CapStyle::Flat : CapStyle::Round;
    dashPen.join = JoinStyle::Round;
    canvas.setPen(dashPen);

    const std::vector<Extended> s = arcLengths(points);
    const Extended total = s.back();
    std::size_t k = 0;
    Extended a = 0;
    while (a <= total) {
        const Extended b = a + w * pattern[k % pattern.size()];
        strokeDash(canvas, points, s, a, b);
        const Extended gap = w * pattern[(k + 1) % pattern.size()];
        a = b + gap;
        k += 2;
    }
    canvas.setPen(saved);
}

} // namespace tarlix
