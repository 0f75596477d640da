#pragma once
// The arithmetic, comparison and logical operators. They run for every sample of every redraw,
// so they live here as inline functions, and an undefined operand returns at once instead of
// being carried through NaN arithmetic.

#include "expression/EngineSettings.h"
#include "expression/Value.h"
#include "expression/functions/Angles.h"
#include "expression/functions/ComplexMath.h"

#include <cmath>

namespace tarlix {

inline Value typeError() {
    return makeUndefined(vkTypeError);
}
inline bool isDefinedReal(const Value& v) {
    return v.valid && v.kind == vkReal;
}
inline bool isDefinedPair(const Value& v) {
    return v.valid && v.kind == vkPair;
}
inline bool isRealOrPair(std::uint8_t kind) {
    return kind == vkReal || kind == vkPair;
}

// "_": both components negated; an undefined operand comes back unchanged.
inline Value negateValue(Value v) {
    if (!v.valid) return v;
    v.x = -v.x;
    v.y = -v.y;
    return v;
}

// "+": the signed zero takes the kind of the other operand, so that -P negates a point.
inline Value addValues(Value a, Value b, const EngineSettings& s) {
    if (a.kind == vkSignedZero) a.kind = b.kind;
    if (!a.valid || !b.valid) return makeUndefined(a.kind);
    if (a.kind != b.kind) {
        if (!s.complexMode || !isRealOrPair(a.kind) || !isRealOrPair(b.kind)) return typeError();
        a = toPair(a);
        b = toPair(b);
    }
    return checkRange(Value{a.kind, a.x + b.x, a.y + b.y, 1});
}

inline Value subtractValues(const Value& a, const Value& b, const EngineSettings& s) {
    return addValues(a, negateValue(b), s);
}

// "·": scaling, the inner product of two vectors, or the complex product with ComplexMode.
inline Value multiplyValues(const Value& a, Value b, const EngineSettings& s) {
    if (!a.valid || !b.valid) return makeUndefined(vkReal);
    if (s.complexMode && a.kind == vkPair && b.kind == vkReal) b = toPair(b);
    if (a.kind == vkReal) {
        if (!isRealOrPair(b.kind)) return makeUndefined(vkReal);
        return checkRange(Value{b.kind, a.x * b.x, a.x * b.y, 1});
    }
    if (a.kind == vkPair && b.kind == vkPair) {
        if (s.complexMode) return pairOf(cmul(toComplex(a), toComplex(b)));
        return checkRange(makeReal(a.x * b.x + a.y * b.y));
    }
    if (a.kind == vkPair && b.kind == vkReal) return typeError();
    return makeUndefined(vkReal);
}

// "×": scaling, or the complex product with ComplexMode; never the inner product.
inline Value crossValues(const Value& a, const Value& b, const EngineSettings& s) {
    if (!a.valid || !b.valid) return makeUndefined(vkReal);
    if (a.kind == vkReal && isRealOrPair(b.kind))
        return checkRange(Value{b.kind, a.x * b.x, a.x * b.y, 1});
    if (s.complexMode && a.kind == vkPair && b.kind == vkPair)
        return pairOf(cmul(toComplex(a), toComplex(b)));
    return typeError();
}

// "/": a divisor that is a real, or a complex number with ComplexMode. P/2 halves a point.
inline Value divideValues(const Value& a, const Value& b, const EngineSettings& s) {
    const bool realDivisor = b.kind == vkReal;
    if (!realDivisor && !(s.complexMode && b.kind == vkPair)) return typeError();
    if (!a.valid || !b.valid) return makeUndefined(vkReal);
    if (!isRealOrPair(a.kind)) return makeUndefined(vkReal);
    if (realDivisor) {
        if (b.x == 0) return makeUndefined(a.kind);
        return checkRange(Value{a.kind, a.x / b.x, a.y / b.x, 1});
    }
    if (b.x == 0 && b.y == 0) return makeUndefined(vkPair);
    return pairOf(cdiv(toComplex(a), toComplex(b)));
}

// The four order comparisons: 1 where the comparison holds, undefined elsewhere, so that
// regions are made of defined samples.
enum class Comparison { Less, LessEqual, Greater, GreaterEqual };

inline Value compareValues(const Value& a, const Value& b, Comparison c) {
    if ((a.valid && a.kind != vkReal) || (b.valid && b.kind != vkReal)) return typeError();
    if (!a.valid || !b.valid) return makeUndefined(vkReal);
    bool holds = false;
    switch (c) {
    case Comparison::Less:
        holds = a.x < b.x;
        break;
    case Comparison::LessEqual:
        holds = a.x <= b.x;
        break;
    case Comparison::Greater:
        holds = a.x > b.x;
        break;
    case Comparison::GreaterEqual:
        holds = a.x >= b.x;
        break;
    }
    return holds ? makeReal(1) : makeUndefined(vkReal);
}

inline constexpr Extended kEqualTolerance = 1e-8L;

inline bool nearlyEqual(const Value& a, const Value& b) {
    if (!(std::fabs(a.x - b.x) < kEqualTolerance)) return false;
    return a.kind != vkPair || std::fabs(a.y - b.y) < kEqualTolerance;
}

// "=" and "<>": the result is A with its x set to 1 where the test holds.
inline Value equalValues(Value a, const Value& b, bool wantEqual) {
    if (a.kind != b.kind) return typeError();
    if (!a.valid || !b.valid || nearlyEqual(a, b) != wantEqual) return makeUndefined(a.kind);
    a.x = 1;
    return a;
}

// "and": defined where both are; the larger x wins (B on a tie).
inline Value andValues(const Value& a, const Value& b) {
    if (!a.valid || !b.valid) return makeUndefined(a.kind);
    return a.x > b.x ? a : b;
}

// "or": defined where either is; the larger x wins (A on a tie).
inline Value orValues(const Value& a, const Value& b) {
    if (a.valid && b.valid) return b.x > a.x ? b : a;
    if (b.valid) return b;
    return a;
}

// "not": defined exactly where the operand is undefined.
inline Value notValue(const Value& v) {
    const std::uint8_t kind = v.kind == vkPair ? vkPair : vkReal;
    return Value{kind, 1, 0, static_cast<std::uint8_t>(v.valid ? 0 : 1)};
}

// "CPS": the pair literal (a, b) of two reals.
inline Value pairFromReals(const Value& a, const Value& b) {
    if (a.kind != vkReal || b.kind != vkReal) return typeError();
    if (!a.valid || !b.valid) return makeUndefined(vkPair);
    return makePair(a.x, b.x);
}

// ".x" and ".y": the components of a pair; a real is its own real part with ComplexMode.
inline Value componentX(const Value& v, const EngineSettings& s) {
    if (!v.valid) return makeUndefined(vkReal);
    if (v.kind == vkPair || (v.kind == vkReal && s.complexMode)) return makeReal(v.x);
    return makeUndefined(vkReal);
}

inline Value componentY(const Value& v, const EngineSettings& s) {
    if (!v.valid) return makeUndefined(vkReal);
    if (v.kind == vkPair) return makeReal(v.y);
    if (v.kind == vkReal && s.complexMode) return makeReal(0);
    return makeUndefined(vkReal);
}

// "°": degrees to the unit the trigonometric functions expect.
inline Value degreeValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v)) return makeUndefined(vkReal);
    if (s.angleMode == 2) return v;
    return checkRange(makeReal(v.x * (kPi / 180)));
}

} // namespace tarlix
