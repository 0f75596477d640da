#include "render/explicit/EvaluatorSampler.h"

#include <span>

namespace tarlix {

Tvalue EvaluatorSampler::valueAt(int, const EquationEntry& f, const Tvalue& x) {
    return evaluator_.evaluate(f.Expr, x);
}

void EvaluatorSampler::fillRow(int, const EquationEntry& f, const ColumnSamples& xs, int lo, int hi,
                               ColumnSamples& out) {
    if (hi < lo) return;
    const auto count = static_cast<std::size_t>(hi - lo + 1);
    RowRequest request;
    request.xs = std::span<const Tvalue>(&xs[lo], count);
    request.firstColumn = lo;
    rows_.evaluateRow(f.Expr, request, std::span<Tvalue>(&out[lo], count));
}

} // namespace tarlix
