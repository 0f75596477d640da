#pragma once
// The explicit shortcut of relations on the code that plots explicit functions: a part
// y op g(x) is sampled once per column as g(x) = y - f(x, y) (any y will do, since f holds y
// only as its leading term), its domain edges refined by bisection, drawn like a function,
// and for inequalities the pixels above or below the curve are marked in the region.

#include "render/explicit/DrawFunction.h"
#include "render/relation/RelationPlotter.h"

#include <vector>

namespace tarlix {

class FunctionRelationPlotter final : public ExplicitRelationPlotter {
public:
    explicit FunctionRelationPlotter(FunctionDrawMode drawMode = FunctionDrawMode::Automatic)
        : drawMode_(drawMode) {}
    bool drawExplicitPart(const RelationPart& part, const ExplicitPartDrawing& d) override;

private:
    void sample(RelationSampler& f, const ScanGeometry& grid);
    void refineEdges(RelationSampler& f, const ScanGeometry& grid, SampleRow& row) const;
    void drawCurve(const ExplicitPartDrawing& d, const SampleRow& row) const;
    void markRegion(const ExplicitPartDrawing& d, RelationOp op) const;

    FunctionDrawMode drawMode_;
    std::vector<Value> g_; // g at grid columns -1 .. xLength + 1, at index column + 1
};

} // namespace tarlix
