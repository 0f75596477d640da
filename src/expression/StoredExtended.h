#pragma once
// Tests of long double values lying in memory, read from their bits: the relation scan and
// the fused row sums classify millions of values they only pass on, and loading each onto the
// x87 stack to compare it costs more than the integer tests. Each gives the same answer as the
// comparisons it replaces, for every bit pattern.

#include "expression/Value.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tarlix {

inline constexpr bool extendedIsX87 = std::numeric_limits<Extended>::digits == 64 &&
                                      std::numeric_limits<Extended>::max_exponent == 16384;

// The fields of an x87 value; only where Extended is one.
struct ExtendedBits {
    std::uint64_t mantissa; // with the explicit integer bit on top
    std::uint16_t exponent; // biased, without the sign
    bool negative;
};

inline ExtendedBits bitsOf(const Extended& v) {
    ExtendedBits b{};
    std::uint16_t top = 0;
    std::memcpy(&b.mantissa, &v, sizeof b.mantissa);
    std::memcpy(&top, reinterpret_cast<const unsigned char*>(&v) + sizeof b.mantissa, sizeof top);
    b.exponent = static_cast<std::uint16_t>(top & 0x7fff);
    b.negative = (top & 0x8000) != 0;
    return b;
}

// NaN, and the encodings the x87 refuses as operands: every comparison with them is false.
inline bool unordered(const ExtendedBits& b) {
    const bool integerBit = (b.mantissa >> 63) != 0;
    if (b.exponent != 0 && !integerBit) return true;
    return b.exponent == 0x7fff && (b.mantissa << 1) != 0;
}

// std::isfinite(v).
inline bool storedIsFinite(const Extended& v) {
    if constexpr (!extendedIsX87) return std::isfinite(v);
    const ExtendedBits b = bitsOf(v);
    return b.exponent != 0x7fff && !unordered(b);
}

// |v| < bound for a positive finite bound, as the comparisons -bound < v && v < bound.
class StoredMagnitudeBelow {
public:
    explicit StoredMagnitudeBelow(Extended bound)
        : bound_(bound), bits_(extendedIsX87 ? bitsOf(bound) : ExtendedBits{}) {}
    bool operator()(const Extended& v) const {
        if constexpr (!extendedIsX87) return v > -bound_ && v < bound_;
        const ExtendedBits b = bitsOf(v);
        if (unordered(b)) return false;
        // Values of the unsupported kinds aside, magnitudes order like (exponent, mantissa);
        // denormals with the integer bit set read as exponent 1.
        const std::uint16_t e = b.exponent == 0 && (b.mantissa >> 63) != 0 ? 1 : b.exponent;
        return e < bits_.exponent || (e == bits_.exponent && b.mantissa < bits_.mantissa);
    }

private:
    Extended bound_;
    ExtendedBits bits_;
};

} // namespace tarlix
