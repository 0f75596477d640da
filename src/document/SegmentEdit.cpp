#include "document/SegmentEdit.h"

#include <algorithm>
#include <cctype>

namespace tarlix {

namespace {

bool manyVertexKind(SegmentKind kind) {
    return kind == SegmentKind::Polyline || kind == SegmentKind::Polygon ||
           kind == SegmentKind::Bezier;
}

int leastVertices(SegmentKind kind) {
    return manyVertexKind(kind) || kind == SegmentKind::Angle || kind == SegmentKind::Arc ? 3 : 2;
}

// The vertex code of a letter, or 0.
int vertexOfLetter(const Project& project, char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (upper == 'X') return kXAxisVertex;
    if (upper == 'Y') return kYAxisVertex;
    for (int n = 1; n <= kFigures; ++n)
        if (figureLetter(n) == upper) return project.figures[n].kind != FigureKind::Empty ? n : 0;
    return 0;
}

bool axisOrLine(const Project& project, int v) {
    return v == kXAxisVertex || v == kYAxisVertex || isLineKind(project.figures[v].kind);
}

void finish(Document& ctx) {
    ctx.hooks().categoryChanged(CategoryPanel::ConnectedFigures);
    ctx.project.modified = true;
    ctx.hooks().redraw();
}

} // namespace

std::optional<SegmentKind> segmentKindOfNumber(int number) {
    const bool known = number >= static_cast<int>(SegmentKind::Segment) &&
                       number <= static_cast<int>(SegmentKind::Bezier) && number != 4;
    if (!known) return std::nullopt;
    return static_cast<SegmentKind>(number);
}

std::string readSegmentVertices(const Project& project, const std::string& letters,
                                SegmentRecord& record) {
    std::string text = letters;
    std::erase(text, ' ');
    const int least = leastVertices(record.kind);
    if (static_cast<int>(text.size()) < least) return kMsgTooFewVertices;
    if ((!manyVertexKind(record.kind) && static_cast<int>(text.size()) > least) ||
        static_cast<int>(text.size()) > kSegmentVertices)
        return kMsgTooManyVertices;
    record.vertices.fill(0);
    int xAxes = 0, yAxes = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const int v = vertexOfLetter(project, text[k]);
        if (v == 0) return kMsgInvalidVertex;
        if (leastVertices(record.kind) == 3 && axisOrLine(project, v))
            return kMsgAxisAsPolygonVertex;
        xAxes += v == kXAxisVertex;
        yAxes += v == kYAxisVertex;
        record.vertices[k] = static_cast<std::uint8_t>(v);
    }
    if (xAxes > 1 || yAxes > 1) return kMsgInvalidVertex;
    return {};
}

int addSegment(Document& ctx, const PenDefaults& defaults, int first, int second) {
    SegmentStore& segments = ctx.project.segments;
    if (segments.count >= kSegments) {
        ctx.messages.show(kMsgSegmentsFull, MessageKind::Warning, false);
        return 0;
    }
    ctx.recordUndo();
    SegmentRecord r;
    r.kind = SegmentKind::Segment;
    r.vertices[0] = static_cast<std::uint8_t>(first);
    r.vertices[1] = static_cast<std::uint8_t>(second);
    r.penColor = defaults.color;
    r.width = static_cast<std::uint8_t>(defaults.width);
    r.lineStyle = static_cast<std::uint8_t>(defaults.lineStyle);
    segments.add(r);
    finish(ctx);
    return segments.count;
}

void deleteSegment(Document& ctx, int index, bool withUndo) {
    SegmentStore& segments = ctx.project.segments;
    if (index < 1 || index > segments.count) return;
    if (withUndo) ctx.recordUndo();
    segments.remove(index);
    ctx.segmentRemoved(index);
    finish(ctx);
}

void setSegment(Document& ctx, int index, const SegmentRecord& record) {
    SegmentStore& segments = ctx.project.segments;
    if (index < 1 || index > segments.count) return;
    segments[index] = record;
    ctx.view.redrawState().mappingChanged = true;
    finish(ctx);
}

} // namespace tarlix
