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
    return makeUndefined(ValueKind::TypeError);
}
inline bool isDefinedReal(const Value& v) {
    return v.valid && v.kind == ValueKind::Real;
}
inline bool isDefinedPair(const Value& v) {
    return v.valid && v.kind == ValueKind::Pair;
}
inline bool isRealOrPair(ValueKind kind) {
    return kind == ValueKind::Real || kind == ValueKind::Pair;
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
    if (a.kind == ValueKind::SignedZero) a.kind = b.kind;
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
    if (!a.valid || !b.valid) return makeUndefined(ValueKind::Real);
    if (s.complexMode && a.kind == ValueKind::Pair && b.kind == ValueKind::Real) b = toPair(b);
    if (a.kind == ValueKind::Real) {
        if (!isRealOrPair(b.kind)) return makeUndefined(ValueKind::Real);
        return checkRange(Value{b.kind, a.x * b.x, a.x * b.y, 1});
    }
    if (a.kind == ValueKind::Pair && b.kind == ValueKind::Pair) {
        if (s.complexMode) return pairOf(cmul(toComplex(a), toComplex(b)));
        return checkRange(makeReal(a.x * b.x + a.y * b.y));
    }
    if (a.kind == ValueKind::Pair && b.kind == ValueKind::Real) return typeError();
    return makeUndefined(ValueKind::Real);
}

// "×": scaling, or the complex product with ComplexMode; never the inner product.
inline Value crossValues(const Value& a, const Value& b, const EngineSettings& s) {
    if (!a.valid || !b.valid) return makeUndefined(ValueKind::Real);
    if (a.kind == ValueKind::Real && isRealOrPair(b.kind))
        return checkRange(Value{b.kind, a.x * b.x, a.x * b.y, 1});
    if (s.complexMode && a.kind == ValueKind::Pair && b.kind == ValueKind::Pair)
        return pairOf(cmul(toComplex(a), toComplex(b)));
    return typeError();
}

// "/": a divisor that is a real, or a complex number with ComplexMode. P/2 halves a point.
inline Value divideValues(const Value& a, const Value& b, const EngineSettings& s) {
    const bool realDivisor = b.kind == ValueKind::Real;
    if (!realDivisor && !(s.complexMode && b.kind == ValueKind::Pair)) return typeError();
    if (!a.valid || !b.valid) return makeUndefined(ValueKind::Real);
    if (!isRealOrPair(a.kind)) return makeUndefined(ValueKind::Real);
    if (realDivisor) {
        if (b.x == 0) return makeUndefined(a.kind);
        return checkRange(Value{a.kind, a.x / b.x, a.y / b.x, 1});
    }
    if (b.x == 0 && b.y == 0) return makeUndefined(ValueKind::Pair);
    return pairOf(cdiv(toComplex(a), toComplex(b)));
}

// The four order comparisons: 1 where the comparison holds, undefined elsewhere, so that
// regions are made of defined samples.
enum class Comparison { Less, LessEqual, Greater, GreaterEqual };

inline Value compareValues(const Value& a, const Value& b, Comparison c) {
    if ((a.valid && a.kind != ValueKind::Real) || (b.valid && b.kind != ValueKind::Real))
        return typeError();
    if (!a.valid || !b.valid) return makeUndefined(ValueKind::Real);
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
    return holds ? makeReal(1) : makeUndefined(ValueKind::Real);
}

inline constexpr Extended kEqualTolerance = 1e-8L;

inline bool nearlyEqual(const Value& a, const Value& b) {
    if (!(std::fabs(a.x - b.x) < kEqualTolerance)) return false;
    return a.kind != ValueKind::Pair || std::fabs(a.y - b.y) < kEqualTolerance;
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
    const ValueKind kind = v.kind == ValueKind::Pair ? ValueKind::Pair : ValueKind::Real;
    return Value{kind, 1, 0, static_cast<std::uint8_t>(v.valid ? 0 : 1)};
}

// "CPS": the pair literal (a, b) of two reals.
inline Value pairFromReals(const Value& a, const Value& b) {
    if (a.kind != ValueKind::Real || b.kind != ValueKind::Real) return typeError();
    if (!a.valid || !b.valid) return makeUndefined(ValueKind::Pair);
    return makePair(a.x, b.x);
}

// ".x" and ".y": the components of a pair; a real is its own real part with ComplexMode.
inline Value componentX(const Value& v, const EngineSettings& s) {
    if (!v.valid) return makeUndefined(ValueKind::Real);
    if (v.kind == ValueKind::Pair || (v.kind == ValueKind::Real && s.complexMode))
        return makeReal(v.x);
    return makeUndefined(ValueKind::Real);
}

inline Value componentY(const Value& v, const EngineSettings& s) {
    if (!v.valid) return makeUndefined(ValueKind::Real);
    if (v.kind == ValueKind::Pair) return makeReal(v.y);
    if (v.kind == ValueKind::Real && s.complexMode) return makeReal(0);
    return makeUndefined(ValueKind::Real);
}

// "°": degrees to the unit the trigonometric functions expect.
inline Value degreeValue(const Value& v, const EngineSettings& s) {
    if (!isDefinedReal(v)) return makeUndefined(ValueKind::Real);
    if (s.angleMode == AngleMode::Degrees) return v;
    return checkRange(makeReal(v.x * (kPi / 180)));
}

} // namespace tarlix
