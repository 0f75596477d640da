#include "view/View.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace tarlix;

namespace {

ViewDefaults squareDefaults(int width = 400, int height = 400) {
    ViewDefaults d;
    d.sizes.width = width;
    d.sizes.height = height;
    return d;
}

// Records what the view hands to the history and the redraw.
struct RecordingHooks : ViewHooks {
    std::vector<Extended> xLowBefore;
    int redraws = 0;
    void viewAboutToChange(const View& v) override { xLowBefore.push_back(v.xAxis.low); }
    void redraw() override { ++redraws; }
};

struct ViewTest : ::testing::Test {
    RedrawState rs;
    View view{rs, squareDefaults()};
};

bool onWholePixel(const Axis& a, Extended v) {
    const Extended p = a.toPixelFloat(v);
    return std::fabs(p - std::nearbyint(p)) < 1e-6L;
}

} // namespace

TEST_F(ViewTest, StartsFromTheDefaultsWithCleanRedrawState) {
    EXPECT_EQ(view.xAxis.pixelLength, 400);
    EXPECT_EQ(view.yAxis.low, -5);
    EXPECT_EQ(view.yAxis.axisId, 'y');
    EXPECT_EQ(view.xAxis.caption, "x");
    EXPECT_EQ(view.yAxis.letter, 'y');
    EXPECT_EQ(view.xAxis.divisions, 7);
    EXPECT_EQ(view.thetaNum, 12);
    EXPECT_EQ(view.xSamples[200].x, 0);
    EXPECT_TRUE(view.xSamples[200].isValid());
    EXPECT_EQ(view.xSamples[-1].x, -5.025L);
    EXPECT_EQ(view.xSamples[1401].x, view.xAxis.toWorld(1401));
    for (const Value& v : view.undefinedSamples.row()) ASSERT_FALSE(v.isValid());
    EXPECT_FALSE(view.curveCaches.allocated(22));
    EXPECT_EQ(view.curveCaches[22].points.size(), 5000);
    EXPECT_TRUE(view.curveCaches.allocated(22));
    EXPECT_FALSE(view.curveCaches.allocated(21));
    EXPECT_FALSE(rs.mappingChanged || rs.ticksChanged || rs.viewChanged);
}

TEST(ViewSizes, AxesTakeTheirLengthsFromTheDrawingArea) {
    struct Case {
        int width, height;
        bool paletteInside;
        int panel, reserve;
        int x, y;
    };
    const Case cases[] = {
        {640, 480, true, 300, 30, 640, 480},
        {640, 480, false, 300, 30, 640, 450}, // the palette's reserve comes off the height
        {1800, 480, true, 300, 0, 1600, 480}, // screen 1920 minus panel minus 20
        {300, 480, true, 300, 0, 480, 480},   // never shorter than y
    };
    for (const Case& c : cases) {
        RedrawState rs;
        ViewDefaults d = squareDefaults(c.width, c.height);
        d.sizes.controlPaletteInside = c.paletteInside;
        d.sizes.dataPanelWidth = c.panel;
        View view(rs, d);
        view.resetFromDefaults(c.reserve, false, d);
        EXPECT_EQ(view.xAxis.pixelLength, c.x) << c.width;
        EXPECT_EQ(view.yAxis.pixelLength, c.y) << c.width;
    }
}

TEST(ViewRectify, TicksLandOnWholePixelsAndZeroOnAPixel) {
    struct Case {
        Extended xLow, xHigh, yLow, yHigh;
        int width, height;
    };
    const Case cases[] = {
        {-7.3L, 6.1L, -5, 5, 400, 300},
        {2.3L, 9.7L, 1, 4, 437, 311}, // anchored at a tick in the middle
        {-100, 37, -60, 20, 523, 389},
        {-3.3L, 3.3L, -2, 2, 611, 407},
    };
    for (const Case& c : cases) {
        RedrawState rs;
        View view(rs, squareDefaults(c.width, c.height));
        view.setView(c.xLow, c.xHigh, c.yLow, c.yHigh);
        const Axis& x = view.xAxis;
        const Extended t = x.tickInterval();
        for (Extended v = std::ceil(x.low / t) * t; v <= x.high; v += t) {
            EXPECT_TRUE(onWholePixel(x, v)) << static_cast<double>(v);
        }
        EXPECT_TRUE(onWholePixel(x, 0));
        EXPECT_TRUE(onWholePixel(view.yAxis, 0));
        // The requested aspect survives the rectification.
        const Extended asked = (c.yHigh - c.yLow) / (c.xHigh - c.xLow) * c.width / c.height;
        EXPECT_NEAR(static_cast<double>(x.pixelsPerUnit / view.yAxis.pixelsPerUnit),
                    static_cast<double>(asked), 1e-12);
    }
}

TEST(ViewRectify, WithoutRectificationTicksMayFallBetweenPixels) {
    RedrawState rs;
    View view(rs, squareDefaults());
    view.areaRectify = false;
    view.setView(-7.3L, 6.1L, -5, 5);
    EXPECT_EQ(view.xAxis.low, -7.3L);
    EXPECT_FALSE(onWholePixel(view.xAxis, 1));
}

TEST(ViewRectify, TicksCloserThanAPixelLeaveTheRangeAsAsked) {
    RedrawState rs;
    View view(rs, squareDefaults(20, 20));
    view.xAxis.divisions = 40; // 0.2 apart on 2 pixels per unit
    view.setView(-5, 5, -5, 5);
    EXPECT_EQ(view.xAxis.low, -5);
    EXPECT_EQ(view.xAxis.high, 5);
    EXPECT_EQ(view.yAxis.high, 5);
}

TEST(ViewRectify, AnAspectWithinAThousandthIsMadeSquare) {
    for (const bool rectify : {false, true}) {
        RedrawState rs;
        View view(rs, squareDefaults());
        view.areaRectify = rectify;
        view.setView(-5, 5, -5.002L, 5.002L); // aspect 1.0004
        EXPECT_TRUE(view.isSquare()) << rectify;
        view.setView(-7.3L, 6.1L, -5, 5); // aspect 0.746: kept
        EXPECT_FALSE(view.isSquare()) << rectify;
        view.setView(-7.3L, 6.1L, -6.7L, 6.7L); // 13.4 by 13.4
        EXPECT_NEAR(static_cast<double>(view.xAxis.pixelsPerUnit / view.yAxis.pixelsPerUnit), 1.0,
                    1e-15)
            << rectify;
    }
}

TEST_F(ViewTest, SetViewMarksTheFunctionsAndAreaUsersAndRedraws) {
    RecordingHooks hooks;
    view.setHooks(&hooks);
    view.setView(-4, 4, -4, 4);
    EXPECT_TRUE(rs.mappingChanged && rs.ticksChanged && rs.viewChanged);
    for (int i = 1; i <= 20; ++i) EXPECT_TRUE(rs.isDirty(functionToken(i))) << i;
    EXPECT_TRUE(rs.isDirty(areaToken));
    EXPECT_EQ(rs.dirty.count(), 21u);
    EXPECT_EQ(hooks.redraws, 1);
    EXPECT_TRUE(hooks.xLowBefore.empty()) << "a plain set keeps no history";
    EXPECT_EQ(view.xSamples[200].x, 0);
    EXPECT_EQ(view.xSamples[250].x, view.xAxis.toWorld(250));
}

TEST_F(ViewTest, ZoomKeepsThePointAndGoesThroughTheHistory) {
    RecordingHooks hooks;
    view.setHooks(&hooks);
    view.areaRectify = false;
    view.zoomAt(1, 1, 2, 4);
    EXPECT_EQ(hooks.xLowBefore, std::vector<Extended>{-5});
    EXPECT_EQ(hooks.redraws, 1);
    EXPECT_EQ(view.xAxis.low, -2);
    EXPECT_EQ(view.xAxis.high, 3);
    EXPECT_EQ(view.yAxis.low, -0.5L);
    EXPECT_EQ(view.yAxis.high, 2);
    view.zoomAt(1, 1, 0.5L, 0.5L); // zooming out
    EXPECT_EQ(view.xAxis.low, -5);
    EXPECT_EQ(view.yAxis.high, 3);
}

TEST(ViewFit, FitYCentresTheYRangeOnTheXScale) {
    RedrawState rs;
    View view(rs, squareDefaults(800, 400));
    view.xAxis.setRange(10, -10);
    view.yAxis.setRange(4, 0);
    view.fitY(1);
    EXPECT_EQ(view.yAxis.low, -3);
    EXPECT_EQ(view.yAxis.high, 7);
    EXPECT_TRUE(rs.viewChanged && rs.ticksChanged);
    view.fitY(2);
    EXPECT_EQ(view.yAxis.low, -8);
    EXPECT_EQ(view.yAxis.high, 12);
    view.yAxis.recompute();
    view.xAxis.recompute();
    EXPECT_EQ(view.xAxis.pixelsPerUnit, 2 * view.yAxis.pixelsPerUnit);
}

TEST_F(ViewTest, ResetViewRebuildsYFromTheStoredAspect) {
    view.storedAspect = 2;
    view.thetaNum = 36;
    view.positions[5].kind = FigureKind::Point;
    view.yAxis.setRange(3, 1);
    view.resetView();
    EXPECT_EQ(view.thetaNum, 12);
    EXPECT_EQ(view.positions[5].kind, FigureKind::Empty);
    EXPECT_EQ(view.yAxis.low, -8);
    EXPECT_EQ(view.yAxis.high, 12);
    EXPECT_EQ(view.xAxis.pixelsPerUnit, 2 * view.yAxis.pixelsPerUnit);
}

TEST_F(ViewTest, ThetaNumMovesAlongItsListAndStopsAtTheEnds) {
    struct Case {
        int from, up, down;
    };
    const Case cases[] = {{1, 2, 1}, {72, 72, 36},  {12, 18, 9},
                          {7, 8, 6}, {100, 72, 72}, {0, 1, 1}};
    for (const Case& c : cases) {
        view.thetaNum = c.from;
        view.thetaNumUp();
        EXPECT_EQ(view.thetaNum, c.up) << c.from;
        view.thetaNum = c.from;
        view.thetaNumDown();
        EXPECT_EQ(view.thetaNum, c.down) << c.from;
    }
    EXPECT_TRUE(rs.ticksChanged);
}

TEST_F(ViewTest, SnapPolarRoundsAngleAndRadiusToTheGrid) {
    struct Case {
        Extended x, y; // world point under the pointer
        Extended sx, sy;
    };
    const Extended r3 = std::sqrt(Extended(3));
    const Case cases[] = {
        {1, 1.8L, 1, r3},                // 60.9 degrees, radius 2.06
        {0.05L, 2.1L, 0, 2},             // straight up: the cosine is exactly 0
        {-2, 0.1L, -2, 0},               // 177 degrees: the sine is exactly 0
        {-0.05L, -3, 0, -3},             // reached as 268 degrees
        {2.6L, -1.4L, 1.5L * r3, -1.5L}, // -28 degrees, radius 2.95
    };
    for (const Case& c : cases) {
        const WorldPoint p = view.snapPolar(view.xAxis.toPixel(c.x), view.yAxis.toPixel(c.y));
        EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(c.sx), 1e-15);
        EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(c.sy), 1e-15);
        if (c.sx == 0) {
            EXPECT_EQ(p.x, 0);
        }
        if (c.sy == 0) {
            EXPECT_EQ(p.y, 0);
        }
    }
}

TEST_F(ViewTest, AreaAnswersTheFourBounds) {
    view.areaRectify = false;
    view.setView(-2, 3, -1, 4);
    struct Case {
        Value n;
        bool valid;
        Extended value;
    };
    const Case cases[] = {
        {makeReal(0), true, -2},
        {makeReal(0.4L), true, -2},
        {makeReal(-0.9L), true, -2},
        {makeReal(1), true, view.yAxis.low},
        {makeReal(1.5L), true, 3},
        {makeReal(3), true, 4},
        {makeReal(3.5L), false, 0},
        {makeReal(-1.6L), false, 0},
        {makeUndefined(ValueKind::Real), false, 0},
    };
    for (const Case& c : cases) {
        const Value v = viewArea(view, c.n);
        EXPECT_EQ(v.isValid(), c.valid) << static_cast<double>(c.n.x);
        if (c.valid) {
            EXPECT_EQ(v.x, c.value) << static_cast<double>(c.n.x);
        }
    }
    EXPECT_EQ(viewArea(view, makePair(1, 0)).kind, ValueKind::TypeError);
    EXPECT_FALSE(viewArea(view, makePair(1, 0)).isValid());
}

TEST_F(ViewTest, PresentationModeEnlargesFontAndAxes) {
    view.fontSize = 30;
    view.applyPresentationMode(true);
    EXPECT_EQ(view.fontSize, 30);
    EXPECT_EQ(view.axisWidth, 2);
    view.fontSize = 10;
    view.applyPresentationMode(true);
    EXPECT_EQ(view.fontSize, 24);
    view.gridStyle = GridStyle::Dotted;
    view.resetFromDefaults(0, true, squareDefaults());
    EXPECT_EQ(view.gridStyle, GridStyle::Lines);
    EXPECT_EQ(view.axisWidth, 2);
    view.applyPresentationMode(false);
    EXPECT_EQ(view.fontSize, 12);
    EXPECT_EQ(view.axisWidth, 1);
    EXPECT_TRUE(rs.ticksChanged);
}

TEST_F(ViewTest, StoredAxisSettingsOverrideTheResetOnes) {
    ViewDefaults d = squareDefaults();
    d.x.high = 10;
    d.x.stored = AxisStoredSettings{};
    d.x.stored->divisions = 12;
    d.x.stored->caption = "tiempo";
    d.x.stored->captionText = "tiempo";
    d.x.stored->letter = 't';
    view.resetFromDefaults(0, false, d);
    EXPECT_EQ(view.xAxis.high, 10);
    EXPECT_EQ(view.xAxis.divisions, 12);
    EXPECT_EQ(view.xAxis.caption, "tiempo");
    EXPECT_EQ(view.xAxis.letter, 't');
    EXPECT_EQ(view.xAxis.axisId, 'x');
    EXPECT_EQ(view.yAxis.divisions, 7);
    EXPECT_EQ(plainCaption(std::string("a\x01{b}\x19") + "c"), "abc");
}

TEST_F(ViewTest, EnlargedOutputScalesEveryConversion) {
    view.setOutputScale(3);
    const PixelPoint p = view.toPoint(1, 1);
    EXPECT_EQ(p.x, 720);
    EXPECT_EQ(p.y, 480);
    EXPECT_EQ(view.yAxis.toWorld(480), 1);
    view.setOutputScale(1);
    EXPECT_EQ(view.toPoint(1, 1).x, 240);
}
