#include "render/explicit/FunctionSampler.h"

namespace tarlix {

Value ColumnwiseSampler::valueAt(int n, const EquationEntry& f, const Value& x) {
    if (!x.isValid()) return makeUndefined(ValueKind::Real);
    return scalar_(n, f, x);
}

void ColumnwiseSampler::fillRow(int n, const EquationEntry& f, const ColumnSamples& xs, int lo,
                                int hi, ColumnSamples& out) {
    for (int c = lo; c <= hi; ++c) out[c] = valueAt(n, f, xs[c]);
}

} // namespace tarlix
