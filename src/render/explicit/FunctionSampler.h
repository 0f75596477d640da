#pragma once
// How function plotting reaches the evaluator: the value of one explicit function at a single
// x (for the domain edges) and its values over a row of pixel columns (the samples). The
// program puts the expression evaluator behind it; tests put plain C++ functions.

#include "document/DocumentRecords.h"
#include "view/ViewCaches.h"

#include <functional>

namespace tarlix {

class FunctionSampler {
public:
    virtual ~FunctionSampler() = default;
    // f(x) for explicit function n (1..20) with the current parameter values.
    virtual Value valueAt(int n, const EquationEntry& f, const Value& x) = 0;
    // out[c] = f(xs[c]) for every column c in lo..hi. A row evaluator may also fill, and mark
    // up to date, the caches of the functions that f refers to.
    virtual void fillRow(int n, const EquationEntry& f, const ColumnSamples& xs, int lo, int hi,
                         ColumnSamples& out) = 0;
};

// A sampler that evaluates column by column through one scalar function; an undefined x is
// not evaluated at all.
class ColumnwiseSampler : public FunctionSampler {
public:
    using Scalar = std::function<Value(int n, const EquationEntry& f, const Value& x)>;
    explicit ColumnwiseSampler(Scalar scalar) : scalar_(std::move(scalar)) {}

    Value valueAt(int n, const EquationEntry& f, const Value& x) override;
    void fillRow(int n, const EquationEntry& f, const ColumnSamples& xs, int lo, int hi,
                 ColumnSamples& out) override;

private:
    Scalar scalar_;
};

} // namespace tarlix
