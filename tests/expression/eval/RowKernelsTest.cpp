#include "expression/eval/RowKernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tarlix;

// The row loops' floor and whole powers must give the library's floor and the power
// operator's repeated squaring bit for bit, signs of zero included.
TEST(RowKernels, QuickFloorIsTheLibraryFloor) {
    const Extended big = 0x1p62L;
    const Extended values[] = {0.0L,
                               -0.0L,
                               0.3L,
                               -0.3L,
                               1.0L,
                               -1.0L,
                               2.5L,
                               -2.5L,
                               3.5L,
                               -3.5L,
                               1e-4000L,
                               -1e-4000L,
                               1e-8L,
                               -1e-8L,
                               std::nextafter(1.0L, 0.0L),
                               -std::nextafter(1.0L, 0.0L),
                               big - 0.5L,
                               -(big - 0.5L),
                               big,
                               -big,
                               big + 2,
                               1e300L,
                               -1e300L,
                               std::numeric_limits<Extended>::infinity()};
    for (Extended v : values) {
        const Extended ours = quickFloor(v), library = std::floor(v);
        EXPECT_EQ(ours, library) << static_cast<double>(v);
        EXPECT_EQ(std::signbit(ours), std::signbit(library)) << static_cast<double>(v);
    }
    for (int i = -3000; i <= 3000; ++i) {
        const Extended v = i * 0.0037L + 1e-8L;
        EXPECT_EQ(quickFloor(v), std::floor(v)) << static_cast<double>(v);
    }
}

TEST(RowKernels, WholePowersRepeatTheSquaringsOfThePowerOperator) {
    const Extended bases[] = {0.0L, -0.0L, 1.7L, -1.7L, 0.3L, -123.456L, 1e100L};
    for (Extended p : bases) {
        for (unsigned k = 1; k <= 20; ++k) {
            const bool odd = k % 2 == 1;
            Extended expected = p > 0 ? wholePower(p, k) : wholePower(-p, k);
            if (p < 0 && odd) expected = -expected;
            if (p == 0) expected = 0;
            const Extended ours = signedWholePower(p, k, odd);
            EXPECT_EQ(ours, expected) << static_cast<double>(p) << "^" << k;
            EXPECT_EQ(std::signbit(ours), std::signbit(expected)) << static_cast<double>(p);
        }
    }
}
