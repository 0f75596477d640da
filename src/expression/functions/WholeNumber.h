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

Value intValue(const Value& v);   // floor of x + 1e-8
Value frcValue(const Value& v);   // x - int(x), never negative
Value roundValue(const Value& v); // halves away from zero
Value signValue(const Value& v);
Value factorialValue(const Value& v);
Value nCrValue(const Value& n, const Value& r);
Value gcmValue(const Value& a, const Value& b);
Value lcmValue(const Value& a, const Value& b);
Value modValue(const Value& a, const Value& b);

} // namespace tarlix
