// Filling the per-column caches of the explicit functions and refining their domain edges.

#include "render/explicit/FunctionSamples.h"

#include "platform/Canvas.h"
#include "render/explicit/SampleRow.h"

#include <cmath>

namespace tarlix {

namespace {

constexpr int kEdgeBisections = 50;

bool hasText(const EquationEntry& f) {
    return !f.expr.source.empty();
}

// White draws nothing anywhere, so such a function needs no exact edges.
bool isDrawn(const EquationEntry& f) {
    return hasText(f) && f.visible && f.penColor != kWhite;
}

void evaluateRow(View& view, int n, const EquationEntry& f, FunctionSampler& sampler) {
    const ColumnSpan span = drawnColumns(view);
    ColumnSamples& row = view.functionSamples[n].samples;
    sampler.fillRow(n, f, view.xSamples, span.first, span.last, row);
    // The margins are never evaluated; they must not keep samples of an earlier view.
    row[span.first - 1] = makeUndefined(ValueKind::Real);
    row[span.last + 1] = makeUndefined(ValueKind::Real);
    view.functionSamples[n].upToDate = true;
}

// The x where the domain ends between a defined and an undefined x, to 50 halvings.
Extended domainEdge(int n, const EquationEntry& f, FunctionSampler& sampler, Extended good,
                    Extended bad) {
    for (int k = 0; k < kEdgeBisections; ++k) {
        const Extended m = (good + bad) / 2;
        if (sampler.valueAt(n, f, makeReal(m)).isValid())
            good = m;
        else
            bad = m;
    }
    return good;
}

} // namespace

void refineDomainEdges(View& view, int n, const EquationEntry& f, FunctionSampler& sampler) {
    ColumnSamples& s = view.functionSamples[n].samples;
    const ColumnSpan span = drawnColumns(view);
    const int length = span.last;
    for (int i = span.first; i < length; ++i) {
        const bool begins =
            i > span.first && !s[i - 1].isValid() && !s[i].isValid() && s[i + 1].isValid();
        const bool ends =
            i + 1 < length && s[i].isValid() && !s[i + 1].isValid() && !s[i + 2].isValid();
        if (!begins && !ends) continue;
        const Extended xi = view.xSamples[i].x;
        const Extended xNext = view.xSamples[i + 1].x;
        const Extended g =
            begins ? domainEdge(n, f, sampler, xNext, xi) : domainEdge(n, f, sampler, xi, xNext);
        const int edge = std::fabs(g - xNext) < std::fabs(g - xi) ? i + 1 : i;
        if (g != view.xSamples[edge].x) s[edge] = sampler.valueAt(n, f, makeReal(g));
    }
}

void updateFunctionSamples(View& view, const ExplicitFunctionStore& functions,
                           FunctionSampler& sampler) {
    const RedrawState& redraw = view.redrawState();
    for (int i = 1; i <= functionCount; ++i) {
        FunctionSamples& cache = view.functionSamples[i];
        cache.upToDate = true;
        if (!hasText(functions[i]))
            cache.samples = view.undefinedSamples;
        else if (redraw.isDirty(functionToken(i)))
            cache.upToDate = false;
    }
    // A row evaluator that met "y3" inside y1 has already filled y3 and marked it up to date.
    for (int i = 1; i <= functionCount; ++i)
        if (!view.functionSamples[i].upToDate) evaluateRow(view, i, functions[i], sampler);
    for (int i = 1; i <= functionCount; ++i)
        if (isDrawn(functions[i])) refineDomainEdges(view, i, functions[i], sampler);
}

} // namespace tarlix
