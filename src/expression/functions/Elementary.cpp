#include "expression/functions/Elementary.h"

#include "expression/functions/Angles.h"
#include "expression/functions/ComplexMath.h"
#include "expression/functions/Operators.h"
#include "expression/functions/Trigonometry.h"

#include <cmath>

namespace tarlix {

namespace {

bool isComplexArgument(const Value& v, const EngineSettings& s) {
    return s.complexMode && isDefinedPair(v);
}

Value realResult(Extended x) {
    return checkRange(makeReal(x));
}

// A complex result whose imaginary part is exactly 0 is a real.
Value realWhenPossible(Complex z) {
    return z.im == 0 ? checkRange(makeReal(z.re)) : pairOf(z);
}

Complex complexSin(Complex z) {
    return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)};
}

Complex complexCos(Complex z) {
    return {std::cos(z.re) * std::cosh(z.im), -std::sin(z.re) * std::sinh(z.im)};
}

Complex complexSinh(Complex z) {
    return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)};
}

Complex complexCosh(Complex z) {
    return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)};
}

Value complexQuotient(Complex a, Complex b) {
    if (b.re == 0 && b.im == 0) return makeUndefined(ValueKind::Pair);
    return pairOf(cdiv(a, b));
}

// Natural logarithm in radians of a value that may be a complex number; false for 0.
bool naturalLog(const Value& v, Complex& out) {
    const Complex z = toComplex(v);
    if (z.re == 0 && z.im == 0) return false;
    out = {std::log(cabs(z)), directionRadians(z.re, z.im, AngleArea::MinusPiToPi)};
    return true;
}

} // namespace

Value sinValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) return realResult(sinRadians(angleToRadians(v.x, s)));
    if (isComplexArgument(v, s)) return pairOf(complexSin(toComplex(v)));
    return makeUndefined(ValueKind::Real);
}

Value cosValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) return realResult(cosRadians(angleToRadians(v.x, s)));
    if (isComplexArgument(v, s)) return pairOf(complexCos(toComplex(v)));
    return makeUndefined(ValueKind::Real);
}

Value tanValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) {
        const Extended a = angleToRadians(v.x, s);
        const Extended c = cosRadians(a);
        return c == 0 ? makeUndefined(ValueKind::Real) : realResult(sinRadians(a) / c);
    }
    if (isComplexArgument(v, s)) {
        const Complex z = toComplex(v);
        return complexQuotient(complexSin(z), complexCos(z));
    }
    return makeUndefined(ValueKind::Real);
}

Value asinValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v) || std::fabs(v.x) > 1) return makeUndefined(ValueKind::Real);
    return realResult(radiansToAngle(std::asin(v.x), s));
}

Value acosValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v) || std::fabs(v.x) > 1) return makeUndefined(ValueKind::Real);
    return realResult(radiansToAngle(std::acos(v.x), s));
}

Value atanValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v)) return makeUndefined(ValueKind::Real);
    return realResult(radiansToAngle(std::atan(v.x), s));
}

Value expValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) return realResult(std::exp(v.x));
    if (isComplexArgument(v, s)) return pairOf(cexp(toComplex(v)));
    return makeUndefined(ValueKind::Real);
}

Value lnValue(const Value& v, const EngineSettings& s) {
    if (!s.complexMode) {
        if (!isDefinedReal(v) || v.x <= 0) return makeUndefined(ValueKind::Real);
        return realResult(std::log(v.x));
    }
    if (!v.valid || !isRealOrPair(v.kind)) return makeUndefined(ValueKind::Pair);
    const Complex z = toComplex(v);
    if (z.re == 0 && z.im == 0) return makeUndefined(ValueKind::Pair);
    // The imaginary part is an angle, so it follows AngleMode and AngleArea.
    return realWhenPossible({std::log(cabs(z)), directionAngle(z.re, z.im, s)});
}

Value logValue(const Value& v, const EngineSettings& s) {
    if (s.logMode != LogMode::Common) return lnValue(v, s);
    if (isDefinedReal(v) && v.x > 0) return realResult(std::log10(v.x));
    return logBaseValue(makeReal(10), v, s);
}

Value logBaseValue(const Value& base, const Value& v, const EngineSettings& s) {
    if (!base.valid || !v.valid) return makeUndefined(ValueKind::Real);
    if (isDefinedReal(base) && isDefinedReal(v) && base.x > 0 && v.x > 0) {
        const Extended lb = std::log2(base.x);
        return lb == 0 ? makeUndefined(ValueKind::Real) : realResult(std::log2(v.x) / lb);
    }
    if (!s.complexMode || !isRealOrPair(base.kind) || !isRealOrPair(v.kind))
        return makeUndefined(ValueKind::Real);
    // Radians on both sides, whatever AngleMode says, so that the quotient is a logarithm.
    Complex lv, lb;
    if (!naturalLog(v, lv) || !naturalLog(base, lb) || (lb.re == 0 && lb.im == 0))
        return makeUndefined(ValueKind::Pair);
    return realWhenPossible(cdiv(lv, lb));
}

Value coshValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) return realResult(std::cosh(v.x));
    if (isComplexArgument(v, s)) return pairOf(complexCosh(toComplex(v)));
    return makeUndefined(ValueKind::Real);
}

Value sinhValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) return realResult(std::sinh(v.x));
    if (isComplexArgument(v, s)) return pairOf(complexSinh(toComplex(v)));
    return makeUndefined(ValueKind::Real);
}

Value tanhValue(const Value& v, const EngineSettings& s) {
    if (isDefinedReal(v)) return realResult(std::tanh(v.x));
    if (isComplexArgument(v, s)) {
        const Complex z = toComplex(v);
        return complexQuotient(complexSinh(z), complexCosh(z));
    }
    return makeUndefined(ValueKind::Real);
}

Value sqrtValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v)) return makeUndefined(ValueKind::Real);
    if (v.x >= 0) return realResult(std::sqrt(v.x));
    if (s.complexMode && s.allowSqrtN) return pairOf({0, std::sqrt(-v.x)});
    return makeUndefined(ValueKind::Real);
}

Value cbrtValue(const Value& v) {
    if (!isDefinedReal(v)) return makeUndefined(ValueKind::Real);
    return realResult(std::cbrt(v.x));
}

Value absValue(const Value& v) {
    if (isDefinedReal(v)) return makeReal(std::fabs(v.x));
    if (isDefinedPair(v)) return realResult(std::hypot(v.x, v.y));
    return makeUndefined(ValueKind::Real);
}

Value conjValue(const Value& v) {
    if (!isDefinedPair(v)) return v;
    return makePair(v.x, -v.y);
}

Value rollValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v)) return makeUndefined(ValueKind::Pair);
    const Extended t = angleToRadians(v.x, s);
    return makePair(std::cos(t), std::sin(t));
}

} // namespace tarlix
