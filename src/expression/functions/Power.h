#pragma once
// "^" and its reversed form "%".

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

// A ^ B: whole exponents up to 20 by repeated squaring, other positive bases through exp and
// ln, negative bases only to whole exponents; complex powers with ComplexMode.
Value powerValues(const Value& a, const Value& b, const EngineSettings& s);

// "%": B ^ A, the power that «sin^2 x» compiles to.
inline Value reversedPowerValues(const Value& a, const Value& b, const EngineSettings& s) {
    return powerValues(b, a, s);
}

} // namespace tarlix
