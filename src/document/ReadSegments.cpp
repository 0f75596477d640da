// Reading the connected figures and the parameters.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <utility>

namespace tarlix {

namespace {

// A vector drawn from its second vertex, a kind of older files.
constexpr auto kOldVectorBackwards = static_cast<SegmentKind>(4);

// Files before 2.7 numbered the figures after T two lower.
int renumberedVertex(int v, const ProjectInput& in) {
    return !in.from("2.7") && v >= 6 && v <= 20 ? v + 2 : v;
}

void readVertices(ProjectInput& in, SegmentRecord& r) {
    for (int k = 0; k < kSegmentVertices; ++k) {
        const std::int32_t v = in.readInt(0);
        if (v == 0 || !limits::validVertexNumber(v)) break;
        r.vertices[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(renumberedVertex(v, in));
    }
    in.next();
}

void tidySegment(SegmentRecord& r) {
    if (r.fillPattern == 0 || r.fillPattern > 8) r.fillPattern = 1;
    for (std::uint8_t& v : r.vertices) {
        if (v == 0) break;
        if (v == kFileVertexO) v = kFigures;
    }
    if (r.kind == kOldVectorBackwards) {
        r.kind = SegmentKind::Vector;
        // With one vertex only there is nothing to turn round: swapping would put the end of
        // the list first, and the vertex would be lost when the project is read again.
        if (r.vertices[1] != 0) std::swap(r.vertices[0], r.vertices[1]);
    }
}

void readSegment(ProjectInput& in, SegmentRecord& r) {
    r.vertices.fill(0);
    r.kind = readKind(in, r.kind, SegmentKind::None, SegmentKind::Bezier);
    r.lineStyle = readByte(in, r.lineStyle);
    r.fillPattern = readByte(in, r.fillPattern);
    r.penColor = readColour(in, r.penColor);
    r.fillColor = readColour(in, r.fillColor);
    r.width = readByte(in, r.width);
    r.afterimage = in.readBool(r.afterimage);
    if (in.from("2.6")) {
        r.visible = in.readBool(r.visible);
        in.next();
    } else {
        r.visible = true;
    }
    r.labelPosition = readByte(in, r.labelPosition, 0, 9);
    r.label = in.text();
    if (in.from("2.2")) {
        readVertices(in, r);
    } else {
        r.lineStyle = 1;
        r.fillPattern = 1;
    }
    tidySegment(r);
}

} // namespace

void readSegments(ReadState& s) {
    ProjectInput& in = s.in;
    SegmentStore& segments = s.p.segments;
    in.skip();
    const int n = readCount(in);
    segments.clear();
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        SegmentRecord r;
        readSegment(in, r);
        if (i <= kSegments) segments.add(r);
    }
    in.skipPast();
}

void readParameters(ReadState& s) {
    ProjectInput& in = s.in;
    Project& p = s.p;
    in.skip();
    const int n = readCount(in);
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        ParameterRec scratch;
        RowState scratchRow;
        ParameterRec& r = i <= kParameterCount ? p.parameters[i] : scratch;
        RowState& row = i <= kParameterCount ? p.parameterRows[i] : scratchRow;
        r.value = in.readFloat(r.value);
        r.sync = in.readBool(r.sync);
        in.next();
        if (!in.from("2.1")) continue;
        r.unfixed = in.readBool(r.unfixed);
        r.additive = in.readBool(r.additive);
        r.step = in.readFloat(r.step);
        row.shown = in.readBool(row.shown);
        in.next();
    }
    // Older files kept one step for every parameter on this line.
    const Extended step = in.readFloat(ParameterRec{}.step);
    const bool additive = in.readBool(true);
    p.settings.animationPeriod = readInRange(in, p.settings.animationPeriod, 1, 1000000);
    in.next();
    if (!in.from("2.1")) {
        for (int i = 1; i <= kParameterCount; ++i) {
            p.parameters[i].step = step;
            p.parameters[i].additive = additive;
        }
    }
    in.skipPast();
}

} // namespace tarlix
