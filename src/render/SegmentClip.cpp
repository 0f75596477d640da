#include "render/SegmentClip.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

struct FloatPoint {
    Extended x = 0;
    Extended y = 0;
};

Extended clampTo(Extended v, Extended limit) {
    return std::clamp(v, -limit, limit);
}

Point rounded(FloatPoint p, Extended limit) {
    return {static_cast<int>(std::nearbyint(clampTo(p.x, limit))),
            static_cast<int>(std::nearbyint(clampTo(p.y, limit)))};
}

bool beyond(FloatPoint p, Extended limit) {
    return std::fabs(p.x) > limit || std::fabs(p.y) > limit;
}

// Which side of the area a coordinate lies on: -1 before it, 1 after it, 0 inside.
int side(Extended v, Extended length) {
    return v < 0 ? -1 : (v > length ? 1 : 0);
}

bool bothBeyondOneEdge(FloatPoint a, FloatPoint b, Extended w, Extended h) {
    const int ax = side(a.x, w), bx = side(b.x, w), ay = side(a.y, h), by = side(b.y, h);
    return (ax != 0 && ax == bx) || (ay != 0 && ay == by);
}

} // namespace

std::optional<std::pair<Point, Point>> clipSegment(const View& view, WorldPoint a, WorldPoint b) {
    FloatPoint p{view.xAxis.toPixelFloat(a.x), view.yAxis.toPixelFloat(a.y)};
    FloatPoint q{view.xAxis.toPixelFloat(b.x), view.yAxis.toPixelFloat(b.y)};
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(q.x) || !std::isfinite(q.y))
        return std::nullopt;
    const Extended limit = view.xAxis.pixelLimit();
    const Extended w = static_cast<Extended>(view.xAxis.pixelLength) * view.xAxis.outputScale;
    const Extended h = static_cast<Extended>(view.yAxis.pixelLength) * view.yAxis.outputScale;
    const bool inside =
        side(p.x, w) == 0 && side(p.y, h) == 0 && side(q.x, w) == 0 && side(q.y, h) == 0;
    if (inside || bothBeyondOneEdge(p, q, w, h) || (p.x == q.x && p.y == q.y) ||
        (!beyond(p, limit) && !beyond(q, limit)))
        return std::pair{rounded(p, limit), rounded(q, limit)};
    // The foot of the perpendicular from the centre of the area onto the segment's line.
    const FloatPoint c{w / 2, h / 2};
    const Extended dx = q.x - p.x, dy = q.y - p.y;
    const Extended length = std::hypot(dx, dy);
    const FloatPoint u{dx / length, dy / length};
    const Extended along = (c.x - p.x) * u.x + (c.y - p.y) * u.y;
    const FloatPoint foot{p.x + along * u.x, p.y + along * u.y};
    if (std::hypot(foot.x - c.x, foot.y - c.y) > std::hypot(w, h) / 2) {
        // The line misses the area: nothing of it can show.
        const Point off{static_cast<int>(2 * w), static_cast<int>(c.y)};
        return std::pair{off, off};
    }
    const Extended reach = 2 * std::max(w, h);
    const auto pulledIn = [&](FloatPoint e) {
        if (!beyond(e, limit)) return e;
        const Extended s = (e.x - foot.x) * u.x + (e.y - foot.y) * u.y >= 0 ? reach : -reach;
        return FloatPoint{foot.x + s * u.x, foot.y + s * u.y};
    };
    return std::pair{rounded(pulledIn(p), limit), rounded(pulledIn(q), limit)};
}

} // namespace tarlix
