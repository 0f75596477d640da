// The numerical tools of the stack machine: "cof", "sol", and the derivatives and the
// antiderivative of user functions.
#include "expression/Vocabulary.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/LagrangePolynomial.h"
#include "expression/functions/Quartic.h"

#include <array>
#include <cmath>
#include <string>

namespace tarlix {

namespace {
using Row7 = std::array<Extended, 7>;
// Coefficients of x^0..x^6 from the samples f(-3)..f(3).
constexpr std::array<Row7, 7> kQuarticRows{{
    {0, 0, 0, 24, 0, 0, 0},
    {0, 2, -16, 0, 16, -2, 0},
    {0, -1, 16, -30, 16, -1, 0},
    {0, -2, 4, 0, -4, 2, 0},
    {0, 1, -4, 6, -4, 1, 0},
    {0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0},
}};
constexpr std::array<Row7, 7> kSexticRows{{
    {0, 0, 0, 720, 0, 0, 0},
    {-12, 108, -540, 0, 540, -108, 12},
    {4, -54, 540, -980, 540, -54, 4},
    {15, -120, 195, 0, -195, 120, -15},
    {-5, 60, -195, 280, -195, 60, -5},
    {-3, 12, -15, 0, 15, -12, 3},
    {1, -6, 15, -20, 15, -6, 1},
}};
constexpr Extended kCoefficientZero = 1e-10L;
constexpr Extended kSolverZero = 1e-8L;

Extended dropSmall(Extended c, Extended limit) {
    return std::fabs(c) < limit ? 0 : c;
}
} // namespace

Value Evaluator::sampleBody(std::string_view body, const CodeView& c, Arguments args, Extended t) {
    args.x = makeReal(t);
    return run(CodeView{body, c.consts}, args);
}

Value Evaluator::coefficient(const Value& nValue, std::string_view body, const CodeView& c) {
    const int n = wholeIndex(nValue, -1);
    if (n < 0 || n > 6) return makeUndefined(ValueKind::Real);
    const Arguments args{makeReal(0), makeReal(env_.parameters.value(0)), makeReal(0), makeReal(0)};
    auto f = [&](Extended t) { return sampleBody(body, c, args, t); };
    LagrangePolynomial check;
    check.build(4, -3, 3, f);
    bool quartic = check.valid();
    if (!quartic) {
        check.build(6, -3, 3, f);
        if (!check.valid()) return makeUndefined(ValueKind::Real);
    }
    Row7 samples{};
    for (int j = 0; j < 7; ++j) {
        const Value v = f(j - 3);
        if (!isDefinedReal(v)) return makeUndefined(ValueKind::Real);
        samples[static_cast<std::size_t>(j)] = v.x;
    }
    const Row7& row = (quartic ? kQuarticRows : kSexticRows)[static_cast<std::size_t>(n)];
    Extended sum = 0;
    for (std::size_t j = 0; j < 7; ++j) sum += row[j] * samples[j];
    return makeReal(dropSmall(sum / (quartic ? 24 : 720), kCoefficientZero));
}

Value Evaluator::solution(const Value& nValue, std::string_view bodyCode, const CodeView& c,
                          const Arguments& args) {
    const int n = wholeIndex(nValue, -1);
    if (n < 1) return makeUndefined(ValueKind::Real);
    std::string body(bodyCode);
    const auto last = body.find_last_of(tokenChar(Token::Equal));
    if (last != std::string::npos) body[last] = tokenChar(Token::Minus);
    auto f = [&](Extended t) { return sampleBody(body, c, args, t); };
    LagrangePolynomial check;
    check.build(4, -1, 2, f);
    if (!check.valid()) return makeUndefined(ValueKind::Real);
    std::array<Extended, 5> s{}; // f(j) - f(0) for j = -2..2
    Extended c0 = 0;
    for (int j = -2; j <= 2; ++j) {
        const Value v = f(j);
        if (!isDefinedReal(v)) return makeUndefined(ValueKind::Real);
        s[static_cast<std::size_t>(j + 2)] = v.x;
    }
    c0 = s[2];
    for (Extended& v : s) v -= c0;
    const Extended sM2 = s[0], sM1 = s[1], s1 = s[3], s2 = s[4];
    Extended a4 = ((s2 + sM2) / 8 - (s1 + sM1) / 2) / 3;
    Extended a2 = (s1 + sM1) / 2 - a4;
    Extended a3 = ((s2 - sM2) / 4 - (s1 - sM1) / 2) / 3;
    const Extended a1 = (s1 - sM1) / 2 - a3;
    a4 = dropSmall(a4, kSolverZero);
    if (a4 == 0) a3 = dropSmall(a3, kSolverZero);
    if (a4 == 0 && a3 == 0) a2 = dropSmall(a2, kSolverZero);
    const Value root = polynomialRoot({a4, a3, a2, a1, c0}, n, false);
    return root.valid && root.kind == ValueKind::Real ? root : makeUndefined(ValueKind::Real);
}

namespace {
// The samples f(x + k h) for k = -3..3 of one user function.
struct Samples {
    std::array<Value, 7> v;
    const Value& at(int k) const { return v[static_cast<std::size_t>(k + 3)]; }
};
} // namespace

Value Evaluator::derivative(const CompiledExpression& f, int order, const Arguments& args) {
    if (!isDefinedReal(args.x) || (order != 1 && order != 2)) return makeUndefined(ValueKind::Real);
    const Extended h = order == 1 ? 1.0L / 256 : 1.0L / 16;
    const Evaluation evaluation(*this);
    if (!enter(&f)) return makeUndefined(ValueKind::Real);
    Samples s;
    for (int k = -3; k <= 3; ++k)
        s.v[static_cast<std::size_t>(k + 3)] =
            evaluate(f, makeReal(args.x.x + k * h), args.y, args.z, args.w);
    leave();
    const ValueKind kind = s.at(0).kind;
    for (const Value& v : s.v)
        if (!v.valid || v.kind != kind || (kind != ValueKind::Real && kind != ValueKind::Pair))
            return makeUndefined(ValueKind::Real);
    auto component = [&](Extended Value::*part) {
        auto d = [&](int k) { return s.at(k).*part - s.at(-k).*part; };
        if (order == 1) return (45 * d(1) - 9 * d(2) + d(3)) / (60 * h);
        auto e = [&](int k) { return s.at(k).*part + s.at(-k).*part - 2 * (s.at(0).*part); };
        return (1.5L * e(1) - 0.15L * e(2) + e(3) / 90) / (h * h);
    };
    return checkRange(
        Value{kind, component(&Value::x), kind == ValueKind::Pair ? component(&Value::y) : 0, 1});
}

Value Evaluator::antiderivative(const CompiledExpression& f, const Arguments& args) {
    if (!args.x.valid || !args.y.valid || !args.z.valid || !args.w.valid ||
        args.x.kind != ValueKind::Real)
        return makeUndefined(ValueKind::Real);
    const Extended x = args.x.x;
    const Extended a = std::fabs(x) > 1 ? 0 : 5;
    const Evaluation evaluation(*this);
    if (!enter(&f)) return makeUndefined(ValueKind::Real);
    LagrangePolynomial p;
    p.build(8, a, x, [&](Extended t) { return evaluate(f, makeReal(t), args.y, args.z, args.w); });
    leave();
    return stepsSpent_ ? makeUndefined(ValueKind::Real) : p.integral(x);
}

} // namespace tarlix
