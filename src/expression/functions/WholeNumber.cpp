#include "expression/functions/WholeNumber.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarlix {

namespace {

constexpr Extended kIntNudge = 1e-8L; // int(2.999999999999) is 3
constexpr Extended kFactorialLimit = 1750;
constexpr Extended kRangeLimit = 1e+2414L;

bool definedReal(const Value& v) {
    return v.valid && v.kind == ValueKind::Real;
}

// A real below the 32-bit limit in magnitude, rounded; false when there is none.
bool roundedWhole(const Value& v, std::int64_t& out) {
    if (!definedReal(v) || !(std::fabs(v.x) < kWholeLimit)) return false;
    out = static_cast<std::int64_t>(roundHalfEven(v.x));
    return true;
}

std::int64_t greatestCommonDivisor(std::int64_t a, std::int64_t b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const std::int64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Extended floorNudged(Extended x) {
    return std::floor(x + kIntNudge);
}

} // namespace

Extended roundHalfEven(Extended x) {
    const Extended r = std::floor(x + 0.5L);
    // A tie rounded up to an odd number goes back down to the even one.
    if (r - x == 0.5L && std::fmod(r, 2) != 0) return r - 1;
    return r;
}

Value intValue(const Value& v) {
    if (!definedReal(v)) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(floorNudged(v.x)));
}

Value frcValue(const Value& v) {
    if (!definedReal(v)) return makeUndefined(ValueKind::Real);
    const Extended whole = floorNudged(v.x);
    return checkRange(makeReal(whole > v.x ? 0 : v.x - whole));
}

Value roundValue(const Value& v) {
    if (!definedReal(v)) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(v.x >= 0 ? std::trunc(v.x + 0.5L) : std::trunc(v.x - 0.5L)));
}

Value signValue(const Value& v) {
    if (!definedReal(v)) return makeUndefined(ValueKind::Real);
    return makeReal(v.x > 0 ? 1 : (v.x < 0 ? -1 : 0));
}

Value factorialValue(const Value& v) {
    if (!definedReal(v) || v.x < 0 || v.x > kFactorialLimit) return makeUndefined(ValueKind::Real);
    const Extended n = roundHalfEven(v.x);
    Extended product = 1;
    for (Extended k = 2; k <= n; k += 1) {
        product *= k;
        if (product >= kRangeLimit) return makeUndefined(ValueKind::Real);
    }
    return makeReal(product);
}

Value nCrValue(const Value& nv, const Value& rv) {
    if (!definedReal(nv) || !definedReal(rv) || nv.x > kWholeLimit || rv.x > kWholeLimit)
        return makeUndefined(ValueKind::Real);
    const Extended n = roundHalfEven(nv.x);
    const Extended r = roundHalfEven(rv.x);
    if (n < 0 || r < 0 || r > n) return makeUndefined(ValueKind::Real);
    const Extended steps = std::fmin(r, n - r);
    Extended value = 1;
    for (Extended k = 1; k <= steps; k += 1) {
        value = value * (n - k + 1) / k;
        if (value >= kRangeLimit) return makeUndefined(ValueKind::Real);
    }
    return makeReal(std::trunc(value + 0.1L));
}

Value gcmValue(const Value& a, const Value& b) {
    std::int64_t x = 0, y = 0;
    if (!roundedWhole(a, x) || !roundedWhole(b, y) || x == 0 || y == 0)
        return makeUndefined(ValueKind::Real);
    return makeReal(static_cast<Extended>(greatestCommonDivisor(x, y)));
}

Value lcmValue(const Value& a, const Value& b) {
    std::int64_t x = 0, y = 0;
    if (!roundedWhole(a, x) || !roundedWhole(b, y) || x == 0 || y == 0)
        return makeUndefined(ValueKind::Real);
    // Both factors are below 2^31, so the product fits in 64 bits; it must fit in 32.
    const std::int64_t result = y * (x / greatestCommonDivisor(x, y));
    if (result > std::numeric_limits<std::int32_t>::max() ||
        result < std::numeric_limits<std::int32_t>::min())
        return makeUndefined(ValueKind::Real);
    return makeReal(static_cast<Extended>(result));
}

Value modValue(const Value& a, const Value& b) {
    std::int64_t x = 0, y = 0;
    if (!roundedWhole(a, x) || !roundedWhole(b, y) || y == 0) return makeUndefined(ValueKind::Real);
    std::int64_t r = x % y;
    // The remainder takes the sign of the divisor; signs are compared, not multiplied.
    if (r != 0 && (x < 0) != (y < 0)) r += y;
    return makeReal(static_cast<Extended>(r));
}

} // namespace tarlix
