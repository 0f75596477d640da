#include "render/segments/SegmentHits.h"

#include "render/segments/SegmentPoints.h"
#include "render/segments/SegmentShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace tarlix {

namespace {

constexpr int kReach = 4; // pixels

// Distance of m from the line through a and b, in the measure the hit test has always used
// (the cross product over the Manhattan length); the Manhattan distance to a for a point.
double pieceDistance(Point a, Point b, Point m) {
    const double manhattan = std::abs(a.x - b.x) + std::abs(a.y - b.y);
    if (manhattan == 0) return std::abs(m.x - a.x) + std::abs(m.y - a.y);
    const double cross = double(a.x - b.x) * (a.y - m.y) - double(a.y - b.y) * (a.x - m.x);
    return std::fabs(cross) / manhattan;
}

bool notBehind(Point a, Point b, Point m) {
    const bool xOk = b.x >= a.x ? m.x >= a.x - kReach : m.x <= a.x + kReach;
    const bool yOk = b.y >= a.y ? m.y >= a.y - kReach : m.y <= a.y + kReach;
    return xOk && yOk;
}

bool strictlyInside(Point a, Point b, Point m) {
    return m.x > std::min(a.x, b.x) && m.x < std::max(a.x, b.x) && m.y > std::min(a.y, b.y) &&
           m.y < std::max(a.y, b.y);
}

bool withinBox(Point a, Point b, Point m) {
    return m.x >= std::min(a.x, b.x) - kReach && m.x <= std::max(a.x, b.x) + kReach &&
           m.y >= std::min(a.y, b.y) - kReach && m.y <= std::max(a.y, b.y) + kReach;
}

bool pieceHit(SegmentKind kind, Point a, Point b, Point m) {
    if (pieceDistance(a, b, m) > kReach) return false;
    switch (kind) {
    case SegmentKind::Line:
        return true;
    case SegmentKind::Ray:
        return notBehind(a, b, m);
    case SegmentKind::Rectangle:
        return strictlyInside(a, b, m);
    default:
        return withinBox(a, b, m);
    }
}

bool anyPieceHit(SegmentKind kind, const std::vector<Point>& p, Point m) {
    for (std::size_t k = 0; k + 1 < p.size(); ++k)
        if (pieceHit(kind, p[k], p[k + 1], m)) return true;
    return false;
}

bool arcHit(const SegmentScene& scene, SegmentKind kind, const std::vector<Point>& p, Point m) {
    if (p.size() != 3) return false;
    const auto mark = arcMark(scene, kind, p[0], p[1], p[2]);
    if (!mark) return false;
    const double dx = m.x - mark->apex.x, dy = m.y - mark->apex.y;
    const double d2 = dx * dx + dy * dy;
    const double inner = mark->radius - kReach, outer = mark->radius + kReach;
    return inner * inner <= d2 && d2 <= outer * outer && withinSweep(*mark, m);
}

bool segmentHit(const SegmentScene& scene, int index, Point m) {
    const SegmentRecord& r = scene.segment(index);
    if (!r.visible) return false;
    std::vector<Point> p = buildSegmentPoints(scene, index);
    if (p.size() < 2) return false;
    switch (r.kind) {
    case SegmentKind::Angle:
    case SegmentKind::Arc:
        return arcHit(scene, r.kind, p, m);
    case SegmentKind::Bezier:
        return anyPieceHit(r.kind, bezierPoints(scene, r, 20), m);
    case SegmentKind::Bracket: {
        const auto bracket = bracketShape(p[0], p[1], scene.outputScale() * scene.view.fontSize);
        if (!bracket) return false;
        for (Point& q : p) q = {q.x + bracket->offset.x, q.y + bracket->offset.y};
        return anyPieceHit(r.kind, p, m);
    }
    default:
        return anyPieceHit(r.kind, p, m);
    }
}

} // namespace

int segmentWithVertex(const SegmentStore& segments, int figure) {
    for (int i = segments.count; i >= 1; --i)
        if (segments[i].usesVertex(figure)) return i;
    return 0;
}

int segmentAt(const SegmentScene& scene, int px, int py) {
    for (int i = scene.segments().count; i >= 1; --i)
        if (segmentHit(scene, i, {px, py})) return i;
    return 0;
}

} // namespace tarlix
