#include "expression/StoredExtended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace tarlix;

namespace {

// The comparisons the bit tests stand for, on a copy the compiler must load.
bool comparedBelow(Extended v, Extended bound) {
    volatile Extended loaded = v;
    const Extended x = loaded;
    return x > -bound && x < bound;
}

bool comparedFinite(Extended v) {
    volatile Extended loaded = v;
    return std::isfinite(static_cast<Extended>(loaded));
}

Extended fromBits(std::uint64_t mantissa, std::uint16_t top) {
    Extended v = 0;
    std::memcpy(&v, &mantissa, sizeof mantissa);
    std::memcpy(reinterpret_cast<unsigned char*>(&v) + sizeof mantissa, &top, sizeof top);
    return v;
}

} // namespace

TEST(StoredExtended, BitTestsAgreeWithComparisonsForEveryKindOfValue) {
    using limits = std::numeric_limits<Extended>;
    const Extended bound = 1e-8L;
    const StoredMagnitudeBelow below(bound);
    std::vector<Extended> values = {0.0L,
                                    -0.0L,
                                    bound,
                                    -bound,
                                    std::nextafter(bound, 0.0L),
                                    -std::nextafter(bound, 0.0L),
                                    std::nextafter(bound, 1.0L),
                                    1.0L,
                                    -3.5L,
                                    limits::denorm_min(),
                                    -limits::min(),
                                    limits::max(),
                                    limits::infinity(),
                                    -limits::infinity(),
                                    limits::quiet_NaN(),
                                    -limits::quiet_NaN()};
    if constexpr (extendedIsX87) {
        // Encodings no arithmetic makes, which the x87 refuses as operands: pseudo-infinity,
        // pseudo-NaN, an unnormal, and a pseudo-denormal it accepts.
        values.push_back(fromBits(0, 0x7fff));
        values.push_back(fromBits(1, 0xffff));
        values.push_back(fromBits(0x4000000000000000ULL, 0x3fe0));
        values.push_back(fromBits(0x8000000000000001ULL, 0x0000));
        // Random bit patterns, a quarter of them with exponents near the bound's.
        std::mt19937_64 random(11);
        for (int k = 0; k < 20000; ++k) {
            auto top = static_cast<std::uint16_t>(random());
            if (k % 4 == 0) top = static_cast<std::uint16_t>((top & 0x8000) | (0x3fe3 + k % 3));
            values.push_back(fromBits(random(), top));
        }
    }
    for (const Extended v : values) {
        EXPECT_EQ(below(v), comparedBelow(v, bound)) << static_cast<double>(v);
        EXPECT_EQ(storedIsFinite(v), comparedFinite(v)) << static_cast<double>(v);
    }
}
