#include "render/LineClip.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

// Below this a line or ray has no direction.
constexpr Extended kNoDirection = 1e-11L;

struct Frame {
    Extended w = 0; // the drawing's size in output pixels
    Extended h = 0;
    Extended limit = 0;
};

Frame frameOf(const View& view) {
    return {static_cast<Extended>(view.xAxis.pixelLength) * view.xAxis.outputScale,
            static_cast<Extended>(view.yAxis.pixelLength) * view.yAxis.outputScale,
            view.xAxis.pixelLimit()};
}

bool finite(PixelF p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

PixelF clamped(PixelF p, Extended limit) {
    return {std::clamp(p.x, -limit, limit), std::clamp(p.y, -limit, limit)};
}

PixelPair clampedPair(PixelF a, PixelF b, Extended limit) {
    return {clamped(a, limit), clamped(b, limit)};
}

// The point of the line through a and b whose coordinate along the dominant direction is c,
// measured from the nearer of the two so that huge coordinates keep their precision.
PixelF atDominant(PixelF a, PixelF b, bool steep, Extended c) {
    if (steep) {
        const PixelF base = std::fabs(a.y - c) <= std::fabs(b.y - c) ? a : b;
        return {base.x + (c - base.y) * (b.x - a.x) / (b.y - a.y), c};
    }
    const PixelF base = std::fabs(a.x - c) <= std::fabs(b.x - c) ? a : b;
    return {c, base.y + (c - base.x) * (b.y - a.y) / (b.x - a.x)};
}

// The line from edge to edge, in the direction from a to b.
PixelPair clipLine(PixelF a, PixelF b, bool steep, const Frame& f) {
    const Extended d = steep ? b.y - a.y : b.x - a.x;
    const Extended far = steep ? f.h : f.w;
    const Extended from = d > 0 ? 0 : far;
    return clampedPair(atDominant(a, b, steep, from), atDominant(a, b, steep, far - from), f.limit);
}

// From a to the edge the ray runs towards. A start far before the picture is brought onto the
// near edge, which leaves the visible part as it is and keeps the coordinates drawable.
PixelPair clipRay(PixelF a, PixelF b, bool steep, const Frame& f) {
    const Extended d = steep ? b.y - a.y : b.x - a.x;
    const Extended start = steep ? a.y : a.x;
    const Extended far = steep ? f.h : f.w;
    const Extended edge = d > 0 ? far : 0;
    if ((d > 0 && start > edge) || (d < 0 && start < edge)) return clampedPair(a, b, f.limit);
    const Extended nearEdge = far - edge;
    const bool farBefore =
        std::fabs(start) > f.limit && ((d > 0 && start < 0) || (d < 0 && start > far));
    const PixelF from = farBefore ? atDominant(a, b, steep, nearEdge) : a;
    return clampedPair(from, atDominant(a, b, steep, edge), f.limit);
}

Extended rectangleCoordinate(Extended v, Extended most) {
    if (v < 0) return -1;
    if (v > most) return most + 1;
    return std::nearbyint(v);
}

PixelPair clipRectangle(PixelF a, PixelF b, const Frame& f) {
    const Extended most = std::max(f.w, f.h);
    return {{rectangleCoordinate(a.x, most), rectangleCoordinate(a.y, most)},
            {rectangleCoordinate(b.x, most), rectangleCoordinate(b.y, most)}};
}

// -1 before the picture, 1 after it, 0 within it.
int side(Extended v, Extended length) {
    return v < 0 ? -1 : (v > length ? 1 : 0);
}

bool inside(PixelF p, const Frame& f) {
    return side(p.x, f.w) == 0 && side(p.y, f.h) == 0;
}

bool beyondOneEdge(PixelF a, PixelF b, const Frame& f) {
    const int ax = side(a.x, f.w), bx = side(b.x, f.w), ay = side(a.y, f.h), by = side(b.y, f.h);
    return (ax != 0 && ax == bx) || (ay != 0 && ay == by);
}

bool beyondLimit(PixelF p, Extended limit) {
    return std::fabs(p.x) > limit || std::fabs(p.y) > limit;
}

PixelPair clipSegment(PixelF a, PixelF b, const Frame& f) {
    if ((inside(a, f) && inside(b, f)) || beyondOneEdge(a, b, f) || a == b)
        return clampedPair(a, b, f.limit);
    const PixelF c{f.w / 2, f.h / 2};
    const Extended dx = b.x - a.x, dy = b.y - a.y;
    const Extended length = std::hypot(dx, dy);
    const PixelF u{dx / length, dy / length};
    // The foot of the perpendicular from the centre, from the end nearer to the centre.
    const PixelF base =
        std::hypot(a.x - c.x, a.y - c.y) <= std::hypot(b.x - c.x, b.y - c.y) ? a : b;
    const Extended along = (c.x - base.x) * u.x + (c.y - base.y) * u.y;
    const PixelF foot{base.x + along * u.x, base.y + along * u.y};
    if (std::hypot(foot.x - c.x, foot.y - c.y) > std::hypot(f.w, f.h) / 2) {
        const PixelF off{2 * f.w, c.y}; // the line misses the picture
        return {off, off};
    }
    const Extended reach = 2 * std::max(f.w, f.h);
    const auto pulledIn = [&](PixelF e) {
        if (!beyondLimit(e, f.limit)) return e;
        const Extended s = (e.x - foot.x) * u.x + (e.y - foot.y) * u.y >= 0 ? reach : -reach;
        return PixelF{foot.x + s * u.x, foot.y + s * u.y};
    };
    return clampedPair(pulledIn(a), pulledIn(b), f.limit);
}

} // namespace

ClipRule clipRuleOfKind(SegmentKind kind) {
    switch (kind) {
    case SegmentKind::Line:
        return ClipRule::Line;
    case SegmentKind::Ray:
        return ClipRule::Ray;
    case SegmentKind::Rectangle:
        return ClipRule::Rectangle;
    default:
        return ClipRule::Segment;
    }
}

std::optional<PixelPair> lineClip(const View& view, ClipRule rule, WorldPoint a, WorldPoint b) {
    const PixelF p{view.xAxis.toPixelFloat(a.x), view.yAxis.toPixelFloat(a.y)};
    const PixelF q{view.xAxis.toPixelFloat(b.x), view.yAxis.toPixelFloat(b.y)};
    if (!finite(p) || !finite(q)) return std::nullopt;
    const Frame f = frameOf(view);
    const bool steep = std::fabs(q.y - p.y) > std::fabs(q.x - p.x);
    const bool directionless =
        std::fabs(q.x - p.x) < kNoDirection && std::fabs(q.y - p.y) < kNoDirection;
    switch (rule) {
    case ClipRule::Line:
        if (directionless) return std::nullopt;
        return clipLine(p, q, steep, f);
    case ClipRule::Ray:
        if (directionless) return std::nullopt;
        return clipRay(p, q, steep, f);
    case ClipRule::Rectangle:
        return clipRectangle(p, q, f);
    case ClipRule::Segment:
        break;
    }
    return clipSegment(p, q, f);
}

std::optional<std::pair<Point, Point>> lineClipRounded(const View& view, ClipRule rule,
                                                       WorldPoint a, WorldPoint b) {
    const auto pair = lineClip(view, rule, a, b);
    if (!pair) return std::nullopt;
    const auto round = [](PixelF p) {
        return Point{static_cast<int>(std::nearbyint(p.x)), static_cast<int>(std::nearbyint(p.y))};
    };
    return std::pair{round(pair->first), round(pair->second)};
}

} // namespace tarlix
