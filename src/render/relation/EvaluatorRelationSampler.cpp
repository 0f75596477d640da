#include "render/relation/EvaluatorRelationSampler.h"

#include <span>

namespace tarlix {

void EvaluatorRelationSampler::evaluateRow(Extended y, const Extended* xs, int count, Tvalue* out) {
    if (count <= 0) return;
    const auto n = static_cast<std::size_t>(count);
    // A scan asks for the same columns on every row: they are converted once.
    bool same = xs_.size() == n;
    for (std::size_t i = 0; same && i < n; ++i) same = xs_[i].x == xs[i];
    if (!same) {
        xs_.resize(n);
        for (std::size_t i = 0; i < n; ++i) xs_[i] = makeReal(xs[i]);
    }
    YSlot slot(evaluator_, y);
    RowRequest request;
    request.xs = std::span<const Tvalue>(xs_.data(), n);
    rows_.evaluateRow(part_, request, std::span<Tvalue>(out, n));
}

Tvalue EvaluatorRelationSampler::evaluate(Extended x, Extended y) {
    YSlot slot(evaluator_, y);
    return evaluator_.evaluate(part_, makeReal(x));
}

} // namespace tarlix
