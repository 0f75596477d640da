#pragma once
// "^" and its reversed form "%".

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

// A ^ B: whole exponents up to 20 by repeated squaring, other positive bases through exp and
// ln, negative bases only to whole exponents; complex powers with ComplexMode.
Value powerValues(const Value& a, const Value& b, const EngineSettings& s);

// a ^ n by repeated squaring, as the power operator takes whole exponents.
inline Extended wholePower(Extended a, unsigned n) {
    Extended result = 1;
    while (true) {
        if (n & 1u) result *= a;
        n >>= 1u;
        if (n == 0) return result;
        a *= a;
    }
}

// "%": B ^ A, the power that «sin^2 x» compiles to.
inline Value reversedPowerValues(const Value& a, const Value& b, const EngineSettings& s) {
    return powerValues(b, a, s);
}

} // namespace tarlix
