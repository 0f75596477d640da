#include "render/segments/SegmentDrawing.h"

#include "render/FillPatterns.h"
#include "render/StyledPolyline.h"
#include "render/axes/AxisArrow.h"
#include "render/relation/RelationColours.h"
#include "render/segments/SegmentLabel.h"
#include "render/segments/SegmentPoints.h"
#include "render/segments/SegmentShapes.h"

#include <cmath>
#include <optional>
#include <vector>

namespace tarlix {

namespace {

Point midpoint(Point a, Point b) {
    return {static_cast<int>(std::lround((a.x + b.x) / 2.0)),
            static_cast<int>(std::lround((a.y + b.y) / 2.0))};
}

Point meanPixel(const SegmentScene& scene, const SegmentRecord& r) {
    const WorldPoint mean = vertexMean(scene, r);
    const PixelPoint p = scene.view.toPoint(mean.x, mean.y);
    return {p.x, p.y};
}

// On the picture the record's colours; on the afterimage layer their afterimage colours, the
// fill only when fills leave afterimages.
SegmentAfterimageColours drawingColours(const SegmentScene& scene, const SegmentRecord& r,
                                        bool full) {
    const auto bw = [&](Color c) { return blackAndWhiteColour(c, scene.blackAndWhite); };
    if (full) return {bw(r.penColor), r.fillColor == kWhite ? kWhite : bw(r.fillColor)};
    const int level = scene.project.settings.afterimageColorIndex;
    const Color pen = bw(afterimageColourOf(r.penColor, level));
    if (!scene.project.settings.afterimageFills || r.fillColor == kWhite) return {pen, kWhite};
    return {pen, bw(afterimageColourOf(r.fillColor, level))};
}

void setSegmentPen(Canvas& canvas, const SegmentScene& scene, const SegmentRecord& r,
                   SegmentAfterimageColours colours) {
    Pen pen;
    pen.color = colours.pen;
    pen.width = static_cast<int>(std::lround(r.width * scene.outputScale()));
    pen.style = penStyleOfLineStyle(r.lineStyle);
    pen.mode = PenMode::Mask;
    canvas.setPen(pen);
    canvas.setBrush(fillBrush(colours.fill, r.fillPattern));
}

void setClearBrush(Canvas& canvas) {
    Brush clear;
    clear.style = BrushStyle::Clear;
    canvas.setBrush(clear);
}

// Angles fill a pie sector, arcs the chord; the pen stays off while the inside is filled.
std::optional<Point> drawArcMark(Canvas& canvas, const SegmentScene& scene, const SegmentRecord& r,
                                 const std::vector<Point>& p, bool filled) {
    if (p.size() != 3) return std::nullopt;
    const auto mark = arcMark(scene, r.kind, p[0], p[1], p[2]);
    if (!mark) return std::nullopt;
    const std::vector<Point> arc = arcPoints(mark->apex, mark->radius, mark->start, mark->sweep);
    if (filled) {
        std::vector<Point> inside = arc;
        if (r.kind == SegmentKind::Angle) inside.insert(inside.begin(), mark->apex);
        const Pen pen = canvas.pen();
        Pen off = pen;
        off.style = PenStyle::Clear;
        canvas.setPen(off);
        canvas.polygon(inside.data(), inside.size());
        canvas.setPen(pen);
    }
    setClearBrush(canvas);
    drawStyledPolyline(canvas, arc, scene.lineOptions());
    return mark->anchor;
}

// Draws the figure from its pixel points and returns where its label goes.
std::optional<Point> drawShape(Canvas& canvas, const SegmentScene& scene, const SegmentRecord& r,
                               std::vector<Point> p, bool filled) {
    const LineDrawOptions options = scene.lineOptions();
    switch (r.kind) {
    case SegmentKind::Vector:
        drawArrow(canvas, p[0], p[1], scene.outputScale() * scene.view.fontSize);
        return midpoint(p[0], p[1]);
    case SegmentKind::Rectangle: {
        const Point corners[] = {p[0], {p[1].x, p[0].y}, p[1], {p[0].x, p[1].y}};
        drawStyledPolygon(canvas, corners, options);
        return midpoint(p[0], p[1]);
    }
    case SegmentKind::Polygon:
        if (p.size() > 1 && p.front() == p.back()) p.pop_back();
        drawStyledPolygon(canvas, p, options);
        return meanPixel(scene, r);
    case SegmentKind::Polyline:
        drawStyledPolyline(canvas, p, options);
        return meanPixel(scene, r);
    case SegmentKind::Angle:
    case SegmentKind::Arc:
        return drawArcMark(canvas, scene, r, p, filled);
    case SegmentKind::Bracket: {
        const auto bracket = bracketShape(p[0], p[1], scene.outputScale() * scene.view.fontSize);
        if (!bracket) return std::nullopt;
        drawStyledPolyline(canvas, bracket->path, options);
        return bracket->anchor;
    }
    case SegmentKind::Bezier: {
        const std::vector<Point> curve = bezierPoints(scene, r, 60);
        if (curve.size() < 2) return std::nullopt;
        drawStyledPolyline(canvas, curve, options);
        return curve[std::min<std::size_t>(29, curve.size() - 1)];
    }
    default: // segment, line, ray
        drawStyledPolyline(canvas, std::span<const Point>(p.data(), 2), options);
        return midpoint(p[0], p[1]);
    }
}

} // namespace

void SegmentAfterimageBook::clear() {
    for (SegmentAfterimageColours& c : colours_) c = {};
}

void SegmentAfterimageBook::removed(int index, int count) {
    if (index < 1 || index > count || count > kSegments) return;
    for (int k = index; k < count; ++k) colours_[k] = colours_[k + 1];
    colours_[count] = {};
}

bool drawSegment(Canvas& canvas, const SegmentScene& scene, int index, bool full) {
    if (index < 1 || index > scene.segments().count) return false;
    const SegmentRecord& r = scene.segment(index);
    if (!r.visible) return false;
    const std::vector<Point> points = buildSegmentPoints(scene, index);
    if (points.size() < 2) return false;
    const Pen savedPen = canvas.pen();
    const Brush savedBrush = canvas.brush();
    const SegmentAfterimageColours colours = drawingColours(scene, r, full);
    setSegmentPen(canvas, scene, r, colours);
    const auto anchor = drawShape(canvas, scene, r, points, colours.fill != kWhite);
    canvas.setPen(savedPen);
    canvas.setBrush(savedBrush);
    if (full && anchor)
        drawSegmentLabel(canvas, scene.view, r.labelPosition, r.label, *anchor, scene.markup);
    return anchor.has_value();
}

void drawSegments(const SegmentsPass& pass, const SegmentScene& scene,
                  SegmentAfterimageBook& book) {
    book.clear();
    for (int i = 1; i <= scene.segments().count; ++i) {
        if (pass.canvas && !pass.skipMain) drawSegment(*pass.canvas, scene, i, true);
        const SegmentRecord& r = scene.segment(i);
        if (!pass.afterimageCanvas || !(pass.forceAfterimage || r.afterimage)) continue;
        drawSegment(*pass.afterimageCanvas, scene, i, false);
        book.record(i, {r.penColor, r.fillColor});
    }
}

void drawSegmentsAfterimage(Canvas& canvas, const SegmentScene& scene) {
    for (int i = 1; i <= scene.segments().count; ++i)
        if (scene.segment(i).afterimage) drawSegment(canvas, scene, i, false);
}

} // namespace tarlix
