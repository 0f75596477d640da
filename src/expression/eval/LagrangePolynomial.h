#pragma once
// Lagrange interpolation polynomial of degree n <= 14, in the barycentric-like form the
// program uses: value(t) = sum over l of w_l times the product of (t - t_m) for m != l. It
// decides whether an expression is a polynomial (cof, sol, the antiderivative of a user
// function) and integrates it.

#include "expression/ExpressionRecords.h"
#include "expression/eval/EvalEnv.h"

#include <functional>
#include <span>
#include <vector>

namespace tarlix {

class Evaluator;

class LagrangePolynomial {
public:
    using Sampler = std::function<Value(Extended)>;
    static constexpr int maxDegree = 14;

    // Interpolates f at n+1 equally spaced nodes of [A, B] and verifies the polynomial at nine
    // points of the interval.
    void build(int n, Extended a, Extended b, const Sampler& f);
    // The same for an expression of x with y, z and w given; the record is copied.
    void build(Evaluator& evaluator, const CompiledExpression& expression, int n, Extended a,
               Extended b, const Value& y, const Value& z, const Value& w);
    // Interpolates given points: valid when all are defined and the nodes differ.
    void buildFromPoints(std::span<const Extended> nodes, std::span<const Value> values);

    bool valid() const { return valid_; }
    Extended low() const { return a_; }
    Extended high() const { return b_; }
    Value evaluate(Extended t) const;
    void evaluateRow(std::span<const Value> ts, std::span<Value> out) const;
    // The integral of the polynomial from 0 to x by the 9-point closed Newton-Cotes rule.
    Value integral(Extended x) const;

private:
    Extended polynomial(Extended t) const;
    bool computeWeights(std::span<const Extended> values);
    bool verify(const Sampler& f) const;

    std::vector<Extended> nodes_;
    std::vector<Extended> weights_;
    bool valid_ = false;
    Extended a_ = 0;
    Extended b_ = 0;
    CompiledExpression expression_;
    Arguments sampleArgs_;
};

} // namespace tarlix
