#include "view/CoordinateText.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct TextCase {
    Extended value;
    int decimals;
    int width;
    const char* text;
};

} // namespace

// Fixed with the axis's label decimals, a blank for the missing sign, general format outside
// 1e-7 .. 1e10, padding and cutting to a width.
TEST(CoordinateText, FormatsAxisValues) {
    const TextCase cases[] = {
        {2.5, 2, 0, " 2.50"},
        {-2.5, 2, 0, "-2.50"},
        {0, 3, 0, " 0.000"},
        {-0.0001, 2, 0, " 0.00"},
        {-0.006, 2, 0, "-0.01"},
        {0.996, 2, 0, " 1.00"},
        {1.0 / 3, 12, 0, " 0.333333333"},         // at most 9 decimals
        {1234.56789012, 9, 0, " 1234.567890000"}, // ten significant digits
        {1e-8, 2, 0, " 1E-8"},
        {-2.5e11, 2, 0, "-2.5E11"},
        {3, 1, 8, " 3.0    "},
        {-123.456, 3, 5, "-123."},
    };
    for (const TextCase& c : cases) {
        Axis axis;
        axis.decimals = c.decimals;
        EXPECT_EQ(formatAxisValue(axis, c.value, c.width, '.'), c.text) << c.text;
    }
    Axis axis;
    axis.decimals = 1;
    EXPECT_EQ(formatAxisValue(axis, -1.5, 0, ','), "-1,5");
}

TEST(CoordinateText, DomainTextJoinsBothRanges) {
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};
    view.xAxis.setRange(5, -5);
    view.yAxis.setRange(9, 3);
    view.xAxis.decimals = 0;
    view.yAxis.decimals = 1;
    view.xAxis.captionText = "x";
    view.yAxis.captionText = "y";
    EXPECT_EQ(domainText(view, " , ", '.'), "-5 < x <  5 ,  3.0 < y <  9.0");
}
