#pragma once
// Rounding and the whole-number functions: int, frc, round, sign, "!", nCr, gcm, lcm, mod.

#include "expression/Value.h"

#include <cmath>

namespace tarlix {

// Whole-number arguments of gcm, lcm and mod stay below this in magnitude (32-bit range).
inline constexpr Extended kWholeLimit = 2147483647.0L;

inline bool isWhole(Extended x) {
    return std::trunc(x) == x;
}

// Nearest whole number, halves to even (the rounding the program calls Round).
Extended roundHalfEven(Extended x);

Tvalue intValue(const Tvalue& v);   // floor of x + 1e-8
Tvalue frcValue(const Tvalue& v);   // x - int(x), never negative
Tvalue roundValue(const Tvalue& v); // halves away from zero
Tvalue signValue(const Tvalue& v);
Tvalue factorialValue(const Tvalue& v);
Tvalue nCrValue(const Tvalue& n, const Tvalue& r);
Tvalue gcmValue(const Tvalue& a, const Tvalue& b);
Tvalue lcmValue(const Tvalue& a, const Tvalue& b);
Tvalue modValue(const Tvalue& a, const Tvalue& b);

} // namespace tarlix
