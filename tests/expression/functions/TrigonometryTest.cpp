#include "expression/functions/Trigonometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace tarlix;

namespace {

// Angles of every size the quick reduction takes and around it: the pixel columns of wide
// views, the nearest extended values to multiples of pi/2 (where the reduced angle is
// tiniest), and the edges pi/4 and 2^20.
std::vector<Extended> angles() {
    std::vector<Extended> out;
    for (int i = -20000; i <= 20000; ++i) out.push_back(i * 0.0123456789L);
    for (int i = 0; i < 2000; ++i) out.push_back(1048576.0L * i / 2000 + 0.3L);
    const Extended halfPi = 1.57079632679489661923132169163975144L;
    for (long long k = 1; k < 600000; k = k * 3 + 1) {
        const Extended m = halfPi * static_cast<Extended>(k);
        out.insert(out.end(), {m, -m, std::nextafter(m, Extended(0)), std::nextafter(m, 1e30L)});
    }
    const Extended quarterPi = halfPi / 2;
    out.insert(out.end(), {quarterPi, std::nextafter(quarterPi, Extended(1)), 1048575.75L,
                           1048576.0L, 1048576.5L, 1e30L, -1e30L});
    return out;
}

// The difference in units of the last place of the library's value, with values below
// 2^-16000 counted as equal.
Extended ulpsFrom(Extended ours, Extended library) {
    if (ours == library) return 0;
    const Extended ulp = std::fabs(std::nextafter(library, Extended(0)) - library);
    return std::fabs(ours - library) / std::max(ulp, 0x1p-16000L);
}

} // namespace

TEST(Trigonometry, SineAndCosineAgreeWithTheLibraryWithinOneUnitOfTheLastPlace) {
    Extended worst = 0;
    for (Extended a : angles()) {
        const Extended s = ulpsFrom(sinRadians(a), std::sin(a));
        const Extended c = ulpsFrom(cosRadians(a), std::cos(a));
        EXPECT_LE(s, 1) << "sin " << static_cast<double>(a);
        EXPECT_LE(c, 1) << "cos " << static_cast<double>(a);
        worst = std::max({worst, s, c});
    }
    RecordProperty("worst_ulps", std::to_string(static_cast<double>(worst)));
}

TEST(Trigonometry, BothAtOnceGiveTheValuesOfEachAlone) {
    for (Extended a : angles()) {
        Extended s = 0, c = 0;
        sinCosRadians(a, s, c);
        EXPECT_EQ(s, sinRadians(a)) << static_cast<double>(a);
        EXPECT_EQ(c, cosRadians(a)) << static_cast<double>(a);
    }
}

TEST(Trigonometry, UndefinedAnglesStayUndefined) {
    const Extended inf = std::numeric_limits<Extended>::infinity();
    for (Extended a : {inf, -inf, std::numeric_limits<Extended>::quiet_NaN()}) {
        EXPECT_TRUE(std::isnan(sinRadians(a)));
        EXPECT_TRUE(std::isnan(cosRadians(a)));
    }
}
