#pragma once
// Sine and cosine of real angles in radians, shared by the stack machine and the row loops so
// that both give the same value. The C library reduces every angle beyond pi/4 with its
// general multi-precision reduction, which costs several times the sine itself; angles of
// ordinary size are reduced here by pi/2 held in four pieces (153 bits), each product with
// the quadrant number exact, and only the reduced angle goes to the library.

#include "expression/Value.h"

#include <cmath>
#include <math.h> // sincosl

namespace tarlix {

namespace trig_detail {

constexpr Extended kQuarterPi = 0xc90fdaa22168c235p-64L;
constexpr Extended kTwoOverPi = 0xa2f9836e4e44152ap-64L;
// Beyond this the quadrant number has too many bits for the exact products.
constexpr Extended kReduceLimit = 0x1p20L;
constexpr Extended kHalfPi1 = 0xc90fdaa200000000p-63L;
constexpr Extended kHalfPi2 = 0x85a308d300000000p-97L;
constexpr Extended kHalfPi3 = 0x98cc517000000000p-132L;
constexpr Extended kHalfPi4 = 0xdc1cd129024e088ap-167L;
// Adding and taking away 1.5 * 2^63 rounds an extended value to a whole number.
constexpr Extended kRoundShift = 1.5L * 9223372036854775808.0L;

struct Reduced {
    Extended r;        // the angle less quadrant * pi/2, about in [-pi/4, pi/4]
    unsigned quadrant; // 0..3
};

// a + b, adding the rounding error of the sum to error.
inline Extended twoSum(Extended a, Extended b, Extended& error) {
    const Extended sum = a + b;
    const Extended back = sum - a;
    error += (a - (sum - back)) + (b - back);
    return sum;
}

// False for angles the library takes as they are (|a| <= pi/4) or must reduce itself (large
// angles, NaN, infinities).
inline bool reduce(Extended a, Reduced& out) {
    const Extended size = std::fabs(a);
    if (!(size > kQuarterPi && size < kReduceLimit)) return false;
    const Extended n = (a * kTwoOverPi + kRoundShift) - kRoundShift;
    // Each further piece is taken away with its rounding error kept, so that the reduced
    // angle is rounded only once, also where the pieces cancel it down to a few bits.
    Extended error = 0;
    Extended r = a - n * kHalfPi1; // exact: both lie within a factor 2
    r = twoSum(r, -(n * kHalfPi2), error);
    r = twoSum(r, -(n * kHalfPi3), error);
    out = {r + (error - n * kHalfPi4), static_cast<unsigned>(static_cast<long long>(n)) & 3u};
    return true;
}

// The sine of r + quadrant * pi/2 from the sine (s) and cosine (c) of r; quadrant + 1 gives the
// cosine.
inline Extended sineInQuadrant(Extended s, Extended c, unsigned quadrant) {
    const Extended v = quadrant & 1u ? c : s;
    return quadrant & 2u ? -v : v;
}

// The same from r alone, computing only the one needed.
inline Extended sineInQuadrant(Extended r, unsigned quadrant) {
    const Extended v = quadrant & 1u ? std::cos(r) : std::sin(r);
    return quadrant & 2u ? -v : v;
}

} // namespace trig_detail

inline Extended sinRadians(Extended a) {
    trig_detail::Reduced d;
    if (!trig_detail::reduce(a, d)) return std::sin(a);
    return trig_detail::sineInQuadrant(d.r, d.quadrant);
}

inline Extended cosRadians(Extended a) {
    trig_detail::Reduced d;
    if (!trig_detail::reduce(a, d)) return std::cos(a);
    return trig_detail::sineInQuadrant(d.r, d.quadrant + 1); // cos a = sin(a + pi/2)
}

// Both at once, each the value sinRadians and cosRadians give.
inline void sinCosRadians(Extended a, Extended& sine, Extended& cosine) {
    trig_detail::Reduced d;
    if (!trig_detail::reduce(a, d)) {
        sine = std::sin(a);
        cosine = std::cos(a);
        return;
    }
    Extended s, c;
    ::sincosl(d.r, &s, &c);
    sine = trig_detail::sineInQuadrant(s, c, d.quadrant);
    cosine = trig_detail::sineInQuadrant(s, c, d.quadrant + 1);
}

} // namespace tarlix
