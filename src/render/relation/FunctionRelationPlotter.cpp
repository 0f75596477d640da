#include "render/relation/FunctionRelationPlotter.h"

#include "render/relation/ScanRows.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {

constexpr int kEdgeBisections = 50;

// g(x) = y - f(x, y) at y = 0; an undefined or complex value stays undefined.
Value curveValue(const Value& f) {
    Extended v = 0;
    return realOf(f, v) ? makeReal(-v) : makeUndefined(ValueKind::Real);
}

bool definedAt(RelationSampler& f, Extended x) {
    Extended v = 0;
    return realOf(f.evaluate(x, 0), v);
}

// The x where the domain ends between a defined and an undefined x.
Extended domainEdge(RelationSampler& f, Extended good, Extended bad) {
    for (int k = 0; k < kEdgeBisections; ++k) {
        const Extended m = (good + bad) / 2;
        (definedAt(f, m) ? good : bad) = m;
    }
    return good;
}

} // namespace

void FunctionRelationPlotter::sample(RelationSampler& f, const ScanGeometry& grid) {
    const auto n = static_cast<std::size_t>(grid.columns());
    g_.resize(n);
    f.evaluateRow(0, grid.xs.data(), static_cast<int>(n), g_.data());
    for (Value& v : g_) v = curveValue(v);
}

// The samples next to a domain edge are moved onto the edge, as for explicit functions.
void FunctionRelationPlotter::refineEdges(RelationSampler& f, const ScanGeometry& grid,
                                          SampleRow& s) const {
    const ColumnSpan span = s.span();
    for (int i = span.first; i < span.last; ++i) {
        const bool begins =
            i > span.first && !s.defined(i - 1) && !s.defined(i) && s.defined(i + 1);
        const bool ends =
            i + 1 < span.last && s.defined(i) && !s.defined(i + 1) && !s.defined(i + 2);
        if (!begins && !ends) continue;
        const Extended xi = grid.x(i), xNext = grid.x(i + 1);
        const Extended e = begins ? domainEdge(f, xNext, xi) : domainEdge(f, xi, xNext);
        const int edge = std::fabs(e - xNext) < std::fabs(e - xi) ? i + 1 : i;
        if (e != grid.x(edge)) s[edge] = curveValue(f.evaluate(e, 0));
    }
}

void FunctionRelationPlotter::drawCurve(const ExplicitPartDrawing& d, const SampleRow& row) const {
    FunctionDrawSettings settings;
    settings.drawMode = drawMode_;
    settings.lineOptions = d.options;
    const Color second = d.secondColour;
    settings.afterimageColour = [second](Color) { return second; };
    EquationEntry pen;
    pen.penWidth = static_cast<std::uint8_t>(std::clamp(d.width, 0, 255));
    pen.lineStyle = static_cast<std::uint8_t>(d.lineStyle);
    pen.afterimage = d.second != nullptr;
    const FunctionDrawing drawing{d.view,   d.buffer,          settings, d.main,
                                  d.second, d.main == nullptr, false};
    drawFunction(drawing, d.mainColour, row, pen);
}

void FunctionRelationPlotter::markRegion(const ExplicitPartDrawing& d, RelationOp op) const {
    const ScanGeometry& grid = d.grid;
    for (int r = -1; r <= grid.yLength + 1; ++r) {
        std::uint8_t* bits = d.region.row(r);
        const Extended y = grid.y(r);
        for (int c = -1; c <= grid.xLength + 1; ++c) {
            const std::size_t i = static_cast<std::size_t>(c + 1);
            if (g_[i].isValid() && signFits(op, signOf(y - g_[i].x))) bits[i] |= d.bit;
        }
    }
}

bool FunctionRelationPlotter::drawExplicitPart(const RelationPart& part,
                                               const ExplicitPartDrawing& d) {
    if (!part.f) return false;
    sample(*part.f, d.grid);
    if (isInequality(part.op)) markRegion(d, part.op);
    if (!d.drawsLines) return true;
    const ColumnSpan drawn = drawnColumns(d.view);
    const ColumnSpan span{drawn.first, std::min(drawn.last, d.grid.xLength)};
    SampleRow row(span);
    for (int c = span.first - 1; c <= span.last + 1; ++c)
        row[c] = g_[static_cast<std::size_t>(c + 1)];
    refineEdges(*part.f, d.grid, row);
    row[span.first - 1] = makeUndefined(ValueKind::Real);
    row[span.last + 1] = makeUndefined(ValueKind::Real);
    drawCurve(d, row);
    return true;
}

} // namespace tarlix
