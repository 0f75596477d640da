#pragma once
// One operator or built-in function applied to every column of a row. Defined real operands
// of the common operators take a tight loop; every other column goes through the same
// function the stack machine calls, so each column gets exactly the scalar result.

#include "expression/eval/RowValues.h"
#include "expression/functions/Builtins.h"

namespace tarlix {

// The nudge of "int": int(2.999999999999) is 3.
inline constexpr Extended kIntNudge = 1e-8L;

// The repeated squaring of the power operator, step for step.
inline Extended wholePower(Extended a, unsigned n) {
    Extended result = 1;
    while (true) {
        if (n & 1u) result *= a;
        n >>= 1u;
        if (n == 0) return result;
        a *= a;
    }
}

// p^k for a whole k of 1..20 (odd tells whether k is odd), as the power operator gives it.
inline Extended signedWholePower(Extended p, unsigned k, bool odd) {
    if (p > 0) return wholePower(p, k);
    if (p < 0) return odd ? -wholePower(-p, k) : wholePower(-p, k);
    return 0;
}

void applyUnaryRow(Builtin id, const RowView& a, Row& out, std::size_t n,
                   const FunctionContext& context);
// Sine and cosine of the same row at once (the same values as each alone).
void sinCosRow(const RowView& a, Row& sinOut, Row& cosOut, std::size_t n,
               const FunctionContext& context);
void applyBinaryRow(Builtin id, const RowView& a, const RowView& b, Row& out, std::size_t n,
                    const FunctionContext& context);

} // namespace tarlix
