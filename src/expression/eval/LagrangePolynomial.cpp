#include "expression/eval/LagrangePolynomial.h"

#include "expression/eval/Evaluator.h"

#include <array>
#include <cmath>

namespace tarlix {

namespace {
constexpr std::array<Extended, 9> kCheckFractions{0.42L, 0.69L, 0.09L, 0.57L, 0.79L,
                                                  0.92L, 0.31L, 0.68L, 0.48L};
constexpr Extended kCheckTolerance = 1e-8L;
} // namespace

Extended LagrangePolynomial::polynomial(Extended t) const {
    Extended sum = 0;
    for (std::size_t l = 0; l < nodes_.size(); ++l) {
        Extended term = weights_[l];
        for (std::size_t m = 0; m < nodes_.size(); ++m)
            if (m != l) term *= t - nodes_[m];
        sum += term;
    }
    return sum;
}

bool LagrangePolynomial::computeWeights(std::span<const Extended> values) {
    weights_.assign(nodes_.size(), 0);
    for (std::size_t l = 0; l < nodes_.size(); ++l) {
        Extended denominator = 1;
        for (std::size_t m = 0; m < nodes_.size(); ++m)
            if (m != l) denominator *= nodes_[l] - nodes_[m];
        if (denominator == 0) return false;
        weights_[l] = values[l] / denominator;
    }
    return true;
}

bool LagrangePolynomial::verify(const Sampler& f) const {
    for (Extended fraction : kCheckFractions) {
        const Extended t = a_ + (b_ - a_) * fraction;
        const Value v = f(t);
        if (!v.valid || v.kind != ValueKind::Real) return false;
        if (!(std::fabs(v.x - polynomial(t)) < kCheckTolerance)) return false;
    }
    return true;
}

void LagrangePolynomial::build(int n, Extended a, Extended b, const Sampler& f) {
    valid_ = false;
    a_ = a;
    b_ = b;
    if (n < 0 || n > maxDegree) return;
    const auto count = static_cast<std::size_t>(n + 1);
    nodes_.assign(count, 0);
    if (a == b) {
        for (std::size_t l = 0; l < count; ++l) nodes_[l] = static_cast<Extended>(l);
        weights_.assign(count, 0);
    } else {
        std::vector<Extended> values(count);
        for (int l = 0; l <= n; ++l) {
            const auto i = static_cast<std::size_t>(l);
            nodes_[i] = (l * a + (n - l) * b) / n;
            const Value v = f(nodes_[i]);
            if (!v.valid || v.kind != ValueKind::Real) return;
            values[i] = v.x;
        }
        if (!computeWeights(values)) return;
    }
    valid_ = verify(f);
}

void LagrangePolynomial::build(Evaluator& evaluator, const CompiledExpression& expression, int n,
                               Extended a, Extended b, const Value& y, const Value& z,
                               const Value& w) {
    expression_ = expression;
    sampleArgs_ = Arguments{makeReal(0), y, z, w};
    build(n, a, b, [&](Extended t) {
        return evaluator.evaluate(expression_, makeReal(t), sampleArgs_.y, sampleArgs_.z,
                                  sampleArgs_.w);
    });
}

void LagrangePolynomial::buildFromPoints(std::span<const Extended> nodes,
                                         std::span<const Value> values) {
    valid_ = false;
    if (nodes.size() != values.size() || nodes.empty() ||
        nodes.size() > static_cast<std::size_t>(maxDegree + 1))
        return;
    nodes_.assign(nodes.begin(), nodes.end());
    std::vector<Extended> ys;
    for (const Value& v : values) {
        if (!v.valid || v.kind != ValueKind::Real) return;
        ys.push_back(v.x);
    }
    a_ = nodes.front();
    b_ = nodes.back();
    valid_ = computeWeights(ys);
}

Value LagrangePolynomial::evaluate(Extended t) const {
    if (!valid_) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(polynomial(t)));
}

void LagrangePolynomial::evaluateRow(std::span<const Value> ts, std::span<Value> out) const {
    for (std::size_t i = 0; i < ts.size() && i < out.size(); ++i)
        out[i] = isDefinedReal(ts[i]) ? evaluate(ts[i].x) : makeUndefined(ValueKind::Real);
}

Value LagrangePolynomial::integral(Extended x) const {
    if (!valid_) return makeUndefined(ValueKind::Real);
    std::array<Extended, 9> p{};
    for (int k = 0; k <= 8; ++k) p[static_cast<std::size_t>(k)] = polynomial((8 - k) * x / 8);
    const Extended sum = 989 * (p[0] + p[8]) + 5888 * (p[1] + p[7]) - 928 * (p[2] + p[6]) +
                         10496 * (p[3] + p[5]) - 4540 * p[4];
    return checkRange(makeReal(x * sum / 28350));
}

} // namespace tarlix
