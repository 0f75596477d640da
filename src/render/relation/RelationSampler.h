#pragma once
// Where a relation scan gets the values of f: a whole row of columns at one world y per call,
// or one point. The evaluator of compiled expressions plugs in here; tests plug in lambdas.

#include "expression/Value.h"

#include <utility>

namespace tarlix {

class RelationSampler {
public:
    virtual ~RelationSampler() = default;
    // out[i] = f(xs[i], y) for i in 0 .. count - 1.
    virtual void evaluateRow(Extended y, const Extended* xs, int count, Value* out) = 0;
    virtual Value evaluate(Extended x, Extended y) = 0;
};

// A sampler over any callable Value(Extended x, Extended y); the row loop is inlined, so a
// plain lambda costs no call per point beyond its own body.
template <typename F> class LambdaSampler final : public RelationSampler {
public:
    explicit LambdaSampler(F f) : f_(std::move(f)) {}
    void evaluateRow(Extended y, const Extended* xs, int count, Value* out) override {
        for (int i = 0; i < count; ++i) out[i] = f_(xs[i], y);
    }
    Value evaluate(Extended x, Extended y) override { return f_(x, y); }

private:
    F f_;
};

// A sampler from a real-valued callable; NaN and infinities become undefined values.
template <typename F> auto realSampler(F f) {
    auto wrapped = [f = std::move(f)](Extended x, Extended y) -> Value {
        const Extended v = f(x, y);
        return (v == v && v - v == 0) ? makeReal(v) : makeUndefined(ValueKind::Real);
    };
    return LambdaSampler<decltype(wrapped)>(std::move(wrapped));
}

// Whether a result can be compared with 0: not undefined, not a type error, not a pair with
// an imaginary part.
inline bool isRealResult(const Value& v) {
    return v.valid && v.kind != ValueKind::TypeError && (v.kind != ValueKind::Pair || v.y == 0);
}

// The real value of a result, false when it cannot be compared with 0.
inline bool realOf(const Value& v, Extended& out) {
    if (!isRealResult(v)) return false;
    out = v.x;
    return true;
}

} // namespace tarlix
