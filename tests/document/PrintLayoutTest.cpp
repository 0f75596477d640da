#include "document/PrintLayout.h"

#include <gtest/gtest.h>

using namespace tarlix;

// The printed size and place of a picture: a share of the page width, the page height as a
// limit, whole multiples, centred, a thirtieth of the page from the top when it fits.
TEST(PrintLayout, PrintedSizeAndPlace) {
    struct Case {
        Size picture, page;
        int percent;
        bool whole;
        Rect expected;
    };
    const Case cases[] = {
        {{600, 400}, {4800, 6600}, 75, false, {600, 220, 4200, 2620}},
        {{600, 400}, {4800, 6800}, 50, false, {1200, 226, 3600, 1826}},
        {{600, 400}, {4800, 6800}, 50, true, {1200, 226, 3600, 1826}}, // k = 4
        {{600, 400}, {4800, 6800}, 60, true, {1200, 226, 3600, 1826}}, // 2880 wide: k = 4
        {{400, 600}, {4800, 3000}, 100, false, {1400, 0, 3400, 3000}}, // the page height limits
        {{400, 600}, {4800, 3100}, 100, true, {1400, 0, 3400, 3000}},  // k = 3100 / 600 = 5
        {{600, 400}, {4800, 6600}, 0, false, {2400, 220, 2400, 220}},   // nothing printed
    };
    for (const Case& c : cases) {
        const Rect r = printedPlace(c.picture, c.page, c.percent, c.whole);
        EXPECT_EQ(r, c.expected) << c.picture.width << "x" << c.picture.height << " at "
                                 << c.percent << "% whole " << c.whole << ": " << r.left << ","
                                 << r.top << "," << r.right << "," << r.bottom;
    }
    EXPECT_EQ(printedSize({600, 400}, {4800, 6600}, 0, false).width, 0);
}
