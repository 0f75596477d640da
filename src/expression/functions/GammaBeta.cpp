#include "expression/functions/GammaBeta.h"

#include <cmath>

namespace tarlix {

namespace {

constexpr Extended kGammaMax = 1750;
constexpr Extended kGammaMin = -1760; // below this the result is out of range anyway
constexpr Extended kSqrtTwoPi = 2.50662827463100050241576528481104525L;
constexpr Extended kFactorTooLarge = 1e+2420L;
constexpr Extended kFactorTooSmall = 1e-2420L;
constexpr Extended kBetaReductionLimit = 100000;

// Stirling's series for Gamma on [16, 17). Three terms beyond the classic five bring the
// truncation error there below the extended rounding.
Extended stirling(Extended x) {
    const Extended r = 1 / x;
    const Extended r2 = r * r;
    const Extended series =
        r * (1.0L / 12 +
             r2 * (-1.0L / 360 +
                   r2 * (1.0L / 1260 +
                         r2 * (-1.0L / 1680 +
                               r2 * (1.0L / 1188 +
                                     r2 * (-691.0L / 360360 +
                                           r2 * (1.0L / 156 + r2 * (-3617.0L / 122400))))))));
    // Each factor is computed from exact inputs, so no large exponent loses its low bits.
    return kSqrtTwoPi * std::pow(x, x - 0.5L) * std::exp(-x) * std::exp(series);
}

// Gamma(x), or NaN when the result leaves the representable range.
Extended gammaOf(Extended x) {
    Extended factor = 1;
    while (x >= 17) {
        x -= 1;
        factor *= x;
        if (factor > kFactorTooLarge) return NAN;
    }
    while (x < 16) {
        factor /= x;
        x += 1;
        if (std::fabs(factor) < kFactorTooSmall) return NAN;
    }
    return factor * stirling(x);
}

// Moves an argument of Beta below 17 with B(a, b) = B(a - 1, b) (a - 1) / (a + b - 1).
Extended reduceBetaArgument(Extended& a, Extended b) {
    Extended factor = 1;
    while (a >= 17) {
        a -= 1;
        factor *= a / (a + b);
    }
    return factor;
}

bool definedReal(const Value& v) {
    return v.valid && v.kind == ValueKind::Real;
}

} // namespace

Value gammaValue(const Value& v) {
    if (!definedReal(v)) return makeUndefined(ValueKind::Real);
    const Extended x = v.x;
    if (x > kGammaMax || x < kGammaMin) return makeUndefined(ValueKind::Real);
    if (x <= 0 && std::trunc(x) == x) return makeUndefined(ValueKind::Real);
    const Extended g = gammaOf(x);
    if (std::isnan(g)) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(g));
}

Value betaValue(const Value& av, const Value& bv) {
    if (!definedReal(av) || !definedReal(bv) || av.x <= 0 || bv.x <= 0)
        return makeUndefined(ValueKind::Real);
    Extended a = av.x, b = bv.x;
    if (a > kBetaReductionLimit || b > kBetaReductionLimit) {
        // Too far for the recurrence: log-Gamma keeps the work bounded.
        const Extended l = std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
        return checkRange(makeReal(std::exp(l)));
    }
    Extended factor = reduceBetaArgument(a, b);
    factor *= reduceBetaArgument(b, a);
    if (factor == 0) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(factor * gammaOf(a) * gammaOf(b) / gammaOf(a + b)));
}

} // namespace tarlix
