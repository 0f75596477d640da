#include "render/segments/SegmentPoints.h"

#include "render/LineClip.h"

#include <cmath>

namespace tarlix {

namespace {

constexpr Extended kAngleArm = 1000; // pixels from the apex

enum class VertexType { Point, Horizontal, Vertical };

bool isAxis(int v) {
    return v == kXAxisVertex || v == kYAxisVertex;
}

FigureKind positionKind(const SegmentScene& scene, int v) {
    return figureCount >= v && v >= 1 ? scene.positions[v].kind : FigureKind::Empty;
}

VertexType typeOf(const SegmentScene& scene, int v) {
    if (v == kXAxisVertex || positionKind(scene, v) == FigureKind::HorizontalLine)
        return VertexType::Horizontal;
    if (v == kYAxisVertex || positionKind(scene, v) == FigureKind::VerticalLine)
        return VertexType::Vertical;
    return VertexType::Point;
}

bool drawableVertex(const SegmentScene& scene, int v, bool pointsOnly) {
    const bool sync = scene.project.settings.showSync;
    if (v == kXAxisVertex) return !pointsOnly && !(sync && !scene.view.xAxis.axesVisible);
    if (v == kYAxisVertex) return !pointsOnly && !(sync && !scene.view.yAxis.axesVisible);
    const FigureKind kind = positionKind(scene, v);
    if (kind == FigureKind::Empty) return false;
    if (sync && !scene.project.figures[v].visible) return false;
    return !pointsOnly || isPointKind(kind);
}

bool pointsOnlyKind(SegmentKind kind) {
    return kind == SegmentKind::Polyline || kind == SegmentKind::Polygon ||
           kind == SegmentKind::Angle;
}

// An axis or line beside a crossing one has no meaning; two parallel ones only bound a band.
bool adjacentFit(VertexType a, VertexType b, SegmentKind kind) {
    if (a == VertexType::Point || b == VertexType::Point) return true;
    return a == b && kind == SegmentKind::Rectangle;
}

// The world points of a pair: an axis or line vertex takes the free coordinate of the other
// vertex (the foot of the perpendicular), or for a rectangle the widened view.
std::pair<WorldPoint, WorldPoint> pairPoints(const SegmentScene& scene, int va, int vb,
                                             SegmentKind kind) {
    WorldPoint a = vertexCoordinates(scene, va), b = vertexCoordinates(scene, vb);
    const VertexType ta = typeOf(scene, va), tb = typeOf(scene, vb);
    if (kind == SegmentKind::Rectangle && (ta != VertexType::Point || tb != VertexType::Point)) {
        const Axis& free = ta == VertexType::Horizontal || tb == VertexType::Horizontal
                               ? scene.view.xAxis
                               : scene.view.yAxis;
        const Extended margin = (free.high - free.low) / 5;
        Extended& fa = &free == &scene.view.xAxis ? a.x : a.y;
        Extended& fb = &free == &scene.view.xAxis ? b.x : b.y;
        fa = free.low - margin;
        fb = free.high + margin;
        return {a, b};
    }
    if (ta == VertexType::Horizontal) a.x = b.x;
    if (ta == VertexType::Vertical) a.y = b.y;
    if (tb == VertexType::Horizontal) b.x = a.x;
    if (tb == VertexType::Vertical) b.y = a.y;
    return {a, b};
}

Point extendedArm(Point apex, Point towards) {
    const Extended dx = towards.x - apex.x, dy = towards.y - apex.y;
    const Extended length = std::hypot(dx, dy);
    if (length == 0) return towards;
    return {static_cast<int>(std::lround(apex.x + dx * kAngleArm / length)),
            static_cast<int>(std::lround(apex.y + dy * kAngleArm / length))};
}

std::vector<int> verticesOf(const SegmentRecord& r) {
    std::vector<int> v;
    for (int k = 0; k < r.vertexCount(); ++k) v.push_back(r.vertices[static_cast<std::size_t>(k)]);
    if (r.kind == SegmentKind::Polygon && !v.empty()) v.push_back(v.front());
    return v;
}

} // namespace

WorldPoint vertexCoordinates(const SegmentScene& scene, int vertex) {
    if (isAxis(vertex) || vertex < 1 || vertex > figureCount) return {0, 0};
    const FigurePosition& p = scene.positions[vertex];
    return {p.x, p.y};
}

std::vector<Point> buildSegmentPoints(const SegmentScene& scene, int index) {
    if (index < 1 || index > scene.segments().count) return {};
    const SegmentRecord& r = scene.segment(index);
    const std::vector<int> v = verticesOf(r);
    if (v.size() < 2) return {};
    for (int vertex : v)
        if (!drawableVertex(scene, vertex, pointsOnlyKind(r.kind))) return {};
    std::vector<Point> points;
    const ClipRule rule = clipRuleOfKind(r.kind);
    for (std::size_t k = 0; k + 1 < v.size(); ++k) {
        if (!adjacentFit(typeOf(scene, v[k]), typeOf(scene, v[k + 1]), r.kind)) return {};
        const auto [a, b] = pairPoints(scene, v[k], v[k + 1], r.kind);
        const auto pair = lineClipRounded(scene.view, rule, a, b);
        if (!pair) return {};
        // Angles and arcs keep three points, the apex from their first arm.
        const bool apexOnce = (r.kind == SegmentKind::Angle || r.kind == SegmentKind::Arc) && k > 0;
        if (points.empty() || (!apexOnce && !(points.back() == pair->first)))
            points.push_back(pair->first);
        points.push_back(pair->second);
    }
    if (r.kind == SegmentKind::Angle && points.size() == 3) {
        points[0] = extendedArm(points[1], points[0]);
        points[2] = extendedArm(points[1], points[2]);
    }
    return points;
}

WorldPoint vertexMean(const SegmentScene& scene, const SegmentRecord& record) {
    const int n = record.vertexCount();
    WorldPoint mean;
    for (int k = 0; k < n; ++k) {
        const WorldPoint p = vertexCoordinates(scene, record.vertices[static_cast<std::size_t>(k)]);
        mean.x += p.x / n;
        mean.y += p.y / n;
    }
    return mean;
}

} // namespace tarlix
