#pragma once
// "^" and its reversed form "%".

#include "expression/EngineSettings.h"
#include "expression/Value.h"

namespace tarlix {

// A ^ B: whole exponents up to 20 by repeated squaring, other positive bases through exp and
// ln, negative bases only to whole exponents; complex powers with ComplexMode.
Tvalue powerValues(const Tvalue& a, const Tvalue& b, const EngineSettings& s);

// "%": B ^ A, the power that «sin^2 x» compiles to.
inline Tvalue reversedPowerValues(const Tvalue& a, const Tvalue& b, const EngineSettings& s) {
    return powerValues(b, a, s);
}

} // namespace tarlix
