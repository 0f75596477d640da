#pragma once
// Plain complex arithmetic on the components of a pair. Written out rather than taken from
// std::complex, whose products check for NaN and infinity on every call.

#include "expression/Value.h"

#include <cmath>

namespace tarlix {

struct Complex {
    Extended re = 0;
    Extended im = 0;
};

inline Complex toComplex(const Value& v) {
    return {v.x, v.kind == ValueKind::Pair ? v.y : 0};
}
inline Value pairOf(Complex z) {
    return checkRange(makePair(z.re, z.im));
}

inline Complex cmul(Complex a, Complex b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

inline Complex cadd(Complex a, Complex b) {
    return {a.re + b.re, a.im + b.im};
}
inline Complex csub(Complex a, Complex b) {
    return {a.re - b.re, a.im - b.im};
}
inline Complex cscale(Extended k, Complex a) {
    return {k * a.re, k * a.im};
}

// Quotient a / b; the caller makes sure b is not 0.
inline Complex cdiv(Complex a, Complex b) {
    // Scaling by the larger component keeps the squared norm from overflowing.
    if (std::fabs(b.re) >= std::fabs(b.im)) {
        const Extended r = b.im / b.re;
        const Extended d = b.re + b.im * r;
        return {(a.re + a.im * r) / d, (a.im - a.re * r) / d};
    }
    const Extended r = b.re / b.im;
    const Extended d = b.re * r + b.im;
    return {(a.re * r + a.im) / d, (a.im * r - a.re) / d};
}

inline Extended cabs(Complex a) {
    return std::hypot(a.re, a.im);
}

inline Complex cexp(Complex a) {
    const Extended m = std::exp(a.re);
    if (a.im == 0) return {m, 0};
    return {m * std::cos(a.im), m * std::sin(a.im)};
}

// z raised to the whole power n >= 1 by repeated squaring.
inline Complex cpowWhole(Complex z, unsigned n) {
    Complex result{1, 0};
    while (true) {
        if (n & 1u) result = cmul(result, z);
        n >>= 1u;
        if (n == 0) return result;
        z = cmul(z, z);
    }
}

} // namespace tarlix
