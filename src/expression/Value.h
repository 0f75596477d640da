#pragma once
// The value of every computation: a real, a pair (point, vector or complex number) or a
// type error, with a validity flag. Undefined results are ordinary values.

#include "base/Extended.h"

#include <cstdint>
#include <vector>

namespace tarlix {

enum class ValueKind : std::uint8_t {
    TypeError = 0,
    Real = 1,
    Pair = 2,
    SignedZero = 255,
};

struct Value {
    ValueKind kind = ValueKind::Real;
    Extended x = 0;
    Extended y = 0;
    std::uint8_t valid = 0;

    bool isValid() const { return valid != 0; }
};

using ValueArray = std::vector<Value>;

inline Value makeReal(Extended x) {
    return Value{ValueKind::Real, x, 0, 1};
}
inline Value makePair(Extended x, Extended y) {
    return Value{ValueKind::Pair, x, y, 1};
}
inline Value makeUndefined(ValueKind kind) {
    return Value{kind, 0, 0, 0};
}

// A copy of v in which a defined real has become the pair (x, 0) and an undefined value an
// undefined pair; other kinds are copied unchanged.
Value toPair(const Value& v);

// True when a component lies in the representable range: 0, or strictly between the extended
// constants nearest to 1e-2416 and 1e+2414 in magnitude. NaN and infinities fail.
bool inRange(Extended component);

// The range rule applied by every arithmetic operation to its result.
Value checkRange(Value v);

// Snaps components within 1e-17 of their truncation to that truncation (final results only).
Value snap(Value v);

} // namespace tarlix
