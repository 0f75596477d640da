// Reading the connected figures and the parameters.

#include "document/FileLimits.h"
#include "document/ReadSteps.h"

#include <utility>

namespace tarlix {

namespace {

constexpr std::uint8_t kOldVectorBackwards = 4; // a vector drawn from its second vertex

// Files before 2.7 numbered the figures after T two lower.
int renumberedVertex(int v, const ProjectInput& in) {
    return !in.from("2.7") && v >= 6 && v <= 20 ? v + 2 : v;
}

void readVertices(ProjectInput& in, SegmentRecord& r) {
    for (int k = 0; k < kSegmentVertices; ++k) {
        const std::int32_t v = in.readInt(0);
        if (v == 0 || !limits::validVertexNumber(v)) break;
        r.Vertices[static_cast<std::size_t>(k)] =
            static_cast<std::uint8_t>(renumberedVertex(v, in));
    }
    in.next();
}

void tidySegment(SegmentRecord& r) {
    if (r.FillPattern == 0 || r.FillPattern > 8) r.FillPattern = 1;
    for (std::uint8_t& v : r.Vertices) {
        if (v == 0) break;
        if (v == kFileVertexO) v = kFigures;
    }
    if (r.Kind == kOldVectorBackwards) {
        r.Kind = skVector;
        std::swap(r.Vertices[0], r.Vertices[1]);
    }
}

void readSegment(ProjectInput& in, SegmentRecord& r) {
    r.Vertices.fill(0);
    r.Kind = readByte(in, r.Kind, 0, skBezier);
    r.LineStyle = readByte(in, r.LineStyle);
    r.FillPattern = readByte(in, r.FillPattern);
    r.PenColor = readColour(in, r.PenColor);
    r.FillColor = readColour(in, r.FillColor);
    r.Width = readByte(in, r.Width);
    r.Afterimage = in.readBool(r.Afterimage);
    if (in.from("2.6")) {
        r.Visible = in.readBool(r.Visible);
        in.next();
    } else {
        r.Visible = true;
    }
    r.LabelPosition = readByte(in, r.LabelPosition, 0, 9);
    r.Label = in.text();
    if (in.from("2.2")) {
        readVertices(in, r);
    } else {
        r.LineStyle = 1;
        r.FillPattern = 1;
    }
    tidySegment(r);
}

} // namespace

void readSegments(ReadState& s) {
    ProjectInput& in = s.in;
    SegmentStore& segments = s.p.Segments;
    in.skip();
    std::int32_t n = in.readInt(0);
    in.next();
    if (n < 0) n = 0;
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
    std::int32_t n = in.readInt(0);
    in.next();
    if (n < 0) n = 0;
    for (int i = 1; i <= n && in.lineLeft(); ++i) {
        ParameterRec scratch;
        RowState scratchRow;
        ParameterRec& r = i <= kParameterCount ? p.Parameters[i] : scratch;
        RowState& row = i <= kParameterCount ? p.ParameterRows[i] : scratchRow;
        r.Value = in.readFloat(r.Value);
        r.Sync = in.readBool(r.Sync);
        in.next();
        if (!in.from("2.1")) continue;
        r.Unfixed = in.readBool(r.Unfixed);
        r.Additive = in.readBool(r.Additive);
        r.Step = in.readFloat(r.Step);
        row.Shown = in.readBool(row.Shown);
        in.next();
    }
    // Older files kept one step for every parameter on this line.
    const Extended step = in.readFloat(ParameterRec{}.Step);
    const bool additive = in.readBool(true);
    p.Settings.AnimationPeriod = readInRange(in, p.Settings.AnimationPeriod, 1, 1000000);
    in.next();
    if (!in.from("2.1")) {
        for (int i = 1; i <= kParameterCount; ++i) {
            p.Parameters[i].Step = step;
            p.Parameters[i].Additive = additive;
        }
    }
    in.skipPast();
}

} // namespace tarlix
