#include "render/explicit/EvaluatorSampler.h"

#include <span>

namespace tarlix {

Value EvaluatorSampler::valueAt(int, const EquationEntry& f, const Value& x) {
    return evaluator_.evaluate(f.expr, x);
}

void EvaluatorSampler::fillRow(int, const EquationEntry& f, const ColumnSamples& xs, int lo, int hi,
                               ColumnSamples& out) {
    if (hi < lo) return;
    const auto count = static_cast<std::size_t>(hi - lo + 1);
    RowRequest request;
    request.xs = std::span<const Value>(&xs[lo], count);
    request.firstColumn = lo;
    rows_.evaluateRow(f.expr, request, std::span<Value>(&out[lo], count));
}

} // namespace tarlix
