#include "render/LineStyle.h"

#include <gtest/gtest.h>

using namespace tarlix;

TEST(LineStyle, CodesMapToPenStylesAndUnknownCodesAreSolid) {
    const struct {
        int code;
        PenStyle style;
    } cases[] = {{0, PenStyle::Clear}, {1, PenStyle::Solid},   {2, PenStyle::Dash},
                 {3, PenStyle::Dot},   {4, PenStyle::DashDot}, {5, PenStyle::Solid},
                 {-1, PenStyle::Solid}};
    for (const auto& c : cases) EXPECT_EQ(penStyleOfLineStyle(c.code), c.style) << c.code;
}

TEST(LineStyle, PatternFollowsPenStyleWidthAndCapSetting) {
    const struct {
        PenStyle style;
        int width;
        bool flat;
        DashPattern pattern;
    } cases[] = {
        {PenStyle::Dash, 3, false, {5, 2}},
        {PenStyle::Dash, 3, true, {5, 1.5}},
        {PenStyle::Dot, 1, false, {1, 2}},
        {PenStyle::Dot, 4, false, {0.5, 2}},
        {PenStyle::Dot, 4, true, {1.5, 1.5}},
        {PenStyle::DashDot, 2, false, {5, 2, 1, 2}},
        {PenStyle::DashDot, 8, false, {5, 2, 0.25, 2}},
        {PenStyle::DashDot, 8, true, {5, 1.5, 1.5, 1.5}},
        {PenStyle::Solid, 3, false, {2000, 0}},
        {PenStyle::Solid, 3, true, {2000, 0}},
        {PenStyle::Clear, 3, false, {0}},
        {PenStyle::Clear, 3, true, {0}},
    };
    for (const auto& c : cases) {
        Pen pen;
        pen.style = c.style;
        pen.width = c.width;
        EXPECT_EQ(makeDashPattern(pen, LineDrawOptions{c.flat, false}), c.pattern)
            << static_cast<int>(c.style) << " width " << c.width << " flat " << c.flat;
    }
}
