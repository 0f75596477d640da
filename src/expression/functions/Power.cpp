#include "expression/functions/Power.h"

#include "expression/functions/Angles.h"
#include "expression/functions/ComplexMath.h"
#include "expression/functions/Operators.h"
#include "expression/functions/WholeNumber.h"

#include <cmath>

namespace tarlix {

namespace {

constexpr int kSquaringLimit = 20;

// A small whole exponent (1..20 or -20..-1) as n, or 0 when b is none.
int smallWholeExponent(Extended b) {
    if (!isWhole(b) || std::fabs(b) > kSquaringLimit) return 0;
    return static_cast<int>(b);
}

// a ^ b for a > 0.
Extended positiveBasePower(Extended a, Extended b) {
    const int n = smallWholeExponent(b);
    if (n > 0) return wholePower(a, static_cast<unsigned>(n));
    if (n < 0) return 1 / wholePower(a, static_cast<unsigned>(-n));
    Extended r = std::pow(a, b);
    if (isWhole(a) && isWhole(b) && b > 0 && std::fabs(r) < kWholeLimit) r = roundHalfEven(r);
    return r;
}

Value realPower(Extended a, Extended b) {
    if (a > 0) return checkRange(makeReal(positiveBasePower(a, b)));
    if (a < 0) {
        if (!isWhole(b)) return makeUndefined(ValueKind::Real);
        const Extended r = positiveBasePower(-a, b);
        return checkRange(makeReal(std::fmod(b, 2) != 0 ? -r : r));
    }
    if (b > 0) return makeReal(0);
    if (b == 0) return makeReal(1);
    return makeUndefined(ValueKind::Real);
}

// Natural logarithm of z (not 0) on the branch chosen by AngleArea, in radians.
Complex complexLn(Complex z, AngleArea angleArea) {
    return {std::log(cabs(z)), directionRadians(z.re, z.im, angleArea)};
}

// Complex power of a base that is not 0.
Complex complexPower(Complex a, const Value& b, const EngineSettings& s) {
    if (b.kind == ValueKind::Real) {
        const int n = smallWholeExponent(b.x);
        if (n > 0) return cpowWhole(a, static_cast<unsigned>(n));
        if (n < 0) return cdiv({1, 0}, cpowWhole(a, static_cast<unsigned>(-n)));
    }
    return cexp(cmul(toComplex(b), complexLn(a, s.angleArea)));
}

Value powerComplexMode(const Value& a, const Value& b, const EngineSettings& s) {
    if (!isRealOrPair(a.kind) || !isRealOrPair(b.kind)) return typeError();
    const bool bothReal = a.kind == ValueKind::Real && b.kind == ValueKind::Real;
    // Real powers with a real result are computed as reals: more exact, and a whole power of a
    // negative base keeps no stray imaginary part.
    if (bothReal && (a.x >= 0 || isWhole(b.x))) return realPower(a.x, b.x);
    const Complex z = toComplex(a);
    if (z.re == 0 && z.im == 0) {
        if (b.kind != ValueKind::Real) return makeUndefined(ValueKind::Pair);
        const Value r = realPower(0, b.x);
        return r.valid ? makePair(r.x, 0) : makeUndefined(ValueKind::Pair);
    }
    const Complex p = complexPower(z, b, s);
    if (bothReal && p.im == 0) return checkRange(makeReal(p.re));
    return pairOf(p);
}

} // namespace

Value powerValues(const Value& a, const Value& b, const EngineSettings& s) {
    if (!a.valid || !b.valid) return makeUndefined(ValueKind::Real);
    if (s.complexMode) return powerComplexMode(a, b, s);
    if (a.kind == ValueKind::Pair) {
        if (b.kind == ValueKind::Real && b.x == 2)
            return checkRange(makeReal(a.x * a.x + a.y * a.y));
        return typeError();
    }
    if (a.kind != ValueKind::Real || b.kind != ValueKind::Real) return typeError();
    return realPower(a.x, b.x);
}

} // namespace tarlix
