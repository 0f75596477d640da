#pragma once
// One operator or built-in function applied to every column of a row. Defined real operands
// of the common operators take a tight loop; every other column goes through the same
// function the stack machine calls, so each column gets exactly the scalar result.

#include "expression/eval/RowValues.h"
#include "expression/functions/Builtins.h"
#include "expression/functions/Power.h"

#include <cmath>

namespace tarlix {

// The nudge of "int": int(2.999999999999) is 3.
inline constexpr Extended kIntNudge = 1e-8L;

// floor without switching the x87 rounding mode, which stalls the row loops: below 2^62,
// rounding to the nearest whole number and stepping down where that went up gives the same
// value (zeros keep their sign).
inline Extended quickFloor(Extended v) {
    constexpr Extended kShift = 1.5L * 9223372036854775808.0L; // 1.5 * 2^63
    if (!(std::fabs(v) < 0x1p62L) || v == 0) return std::floor(v);
    const Extended n = (v + kShift) - kShift;
    return n > v ? n - 1 : n;
}

// wholePower for n >= 1 without its first multiplication by 1, which changes no value.
inline Extended wholePowerFrom(Extended a, unsigned n) {
    while ((n & 1u) == 0) {
        a *= a;
        n >>= 1u;
    }
    Extended result = a;
    for (n >>= 1u; n != 0; n >>= 1u) {
        a *= a;
        if (n & 1u) result *= a;
    }
    return result;
}

// p^k for a whole k of 1..20 (odd tells whether k is odd), as the power operator gives it:
// the power of |p| with the sign of p for odd k, and +0 for p = ±0.
inline Extended signedWholePower(Extended p, unsigned k, bool odd) {
    const Extended r = wholePowerFrom(std::fabs(p), k);
    return odd && p < 0 ? -r : r;
}

void applyUnaryRow(Builtin id, const RowView& a, Row& out, std::size_t n,
                   const FunctionContext& context);
// Sine and cosine of the same row at once (the same values as each alone).
void sinCosRow(const RowView& a, Row& sinOut, Row& cosOut, std::size_t n,
               const FunctionContext& context);
void applyBinaryRow(Builtin id, const RowView& a, const RowView& b, Row& out, std::size_t n,
                    const FunctionContext& context);

} // namespace tarlix
