#include "render/segments/SegmentShapes.h"

#include "expression/functions/Curves.h"
#include "render/segments/SegmentPoints.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarlix {

namespace {

constexpr Extended kTwoPi = 2 * std::numbers::pi_v<Extended>;
constexpr Extended kArcStep = std::numbers::pi_v<Extended> / 60; // one point per 3 degrees

Point rounded(Extended x, Extended y) {
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// The direction of a pixel vector as seen on the screen (y up), in radians.
Extended screenAngle(Extended dx, Extended dy) {
    return std::atan2(-dy, dx);
}

Extended normalised(Extended a) {
    a = std::fmod(a, kTwoPi);
    return a < 0 ? a + kTwoPi : a;
}

} // namespace

int angleMarkRadius(const SegmentScene& scene) {
    return scene.outputScale() * (scene.view.fontSize / 2 + 6) * 3;
}

std::optional<ArcMark> arcMark(const SegmentScene& scene, SegmentKind kind, Point p1, Point p2,
                               Point p3) {
    const Extended ax = p1.x - p2.x, ay = p1.y - p2.y, bx = p3.x - p2.x, by = p3.y - p2.y;
    if ((ax == 0 && ay == 0) || (bx == 0 && by == 0)) return std::nullopt;
    Extended first = screenAngle(ax, ay), second = screenAngle(bx, by);
    if (scene.project.engine.angleArea != AngleArea::ZeroToTwoPi && ax * by - ay * bx > 0)
        std::swap(first, second);
    const Extended sweep = normalised(second - first);
    if (sweep == 0) return std::nullopt;
    ArcMark mark;
    mark.apex = p2;
    mark.radius = kind == SegmentKind::Angle ? angleMarkRadius(scene)
                                             : static_cast<int>(std::lround(std::hypot(ax, ay)));
    mark.start = first;
    mark.sweep = sweep;
    const Extended k = kind == SegmentKind::Angle ? 1.5L : 0.8L;
    const Extended reach = std::lround(scene.outputScale() * k * scene.view.fontSize + mark.radius);
    const Extended middle = first + sweep / 2;
    mark.anchor = rounded(p2.x + reach * std::cos(middle), p2.y - reach * std::sin(middle));
    return mark;
}

std::vector<Point> arcPoints(Point centre, Extended radius, Extended start, Extended sweep) {
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / kArcStep)));
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const Extended a = start + sweep * i / steps;
        points.push_back(rounded(centre.x + radius * std::cos(a), centre.y - radius * std::sin(a)));
    }
    return points;
}

bool withinSweep(const ArcMark& mark, Point p) {
    const Extended a = screenAngle(p.x - mark.apex.x, p.y - mark.apex.y);
    return normalised(a - mark.start) <= mark.sweep;
}

std::optional<Bracket> bracketShape(Point p1, Point p2, Extended d) {
    const Extended dx = p2.x - p1.x, dy = p2.y - p1.y;
    const Extended length = std::hypot(dx, dy);
    if (length == 0) return std::nullopt;
    const Extended qx = d * dx / length, qy = d * dy / length;
    const Extended px = qy, py = -qx; // q turned a quarter
    const Extended radius = std::lround(d);
    const Extended first = screenAngle(px, py);
    Bracket b;
    // The quarter arcs run counterclockwise: from the line down to p1, from p2 up to the line.
    std::vector<Point> start =
        arcPoints(rounded(p1.x + qx, p1.y + qy), radius, first, std::numbers::pi_v<Extended> / 2);
    std::reverse(start.begin(), start.end());
    std::vector<Point> end =
        arcPoints(rounded(p2.x - qx, p2.y - qy), radius, first - std::numbers::pi_v<Extended> / 2,
                  std::numbers::pi_v<Extended> / 2);
    start.front() = p1;
    end.front() = p2;
    std::reverse(end.begin(), end.end());
    b.path = std::move(start);
    b.path.insert(b.path.end(), end.begin(), end.end());
    b.offset = rounded(px, py);
    b.anchor = rounded((p1.x + p2.x) / 2.0L + 2 * px, (p1.y + p2.y) / 2.0L + 2 * py);
    return b;
}

std::vector<Point> bezierPoints(const SegmentScene& scene, const SegmentRecord& record,
                                int perGroup) {
    const int n = record.vertexCount();
    std::vector<Point> points;
    for (int first = 0; first + 1 < n; first += 3) {
        ValueArray args(1);
        for (int k = first; k < std::min(n, first + 4); ++k) {
            const WorldPoint w =
                vertexCoordinates(scene, record.vertices[static_cast<std::size_t>(k)]);
            args.push_back(makePair(w.x, w.y));
        }
        for (int i = 0; i < perGroup; ++i) {
            args[0] = makeReal(static_cast<Extended>(i) / (perGroup - 1));
            const Value v = bezierValue(args);
            if (!v.valid) continue;
            const PixelPoint p = scene.view.toPoint(v.x, v.y);
            points.push_back({p.x, p.y});
        }
    }
    return points;
}

} // namespace tarlix
