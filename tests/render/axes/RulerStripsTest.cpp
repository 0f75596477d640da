#include "render/axes/RulerStrips.h"
#include "platform/RecordingPicture.h"
#include "render/axes/AxesFixture.h"

using namespace tarlix;

namespace {

struct RulerStrips : tarlix::testing::AxesTest {
    RulerStripLayout layout() {
        RecordingCanvas measure = canvas();
        return rulerStripLayout(AxesTarget{view, measure, style});
    }
};

struct StripCase {
    const char* name;
    Extended xLow, xHigh, yLow, yHigh;
    bool axisOn;
    AxisType axisType;
    bool yAxesVisible;
    bool yShown, xShown, yRight, xAbove;
};

} // namespace

// A strip shows when its Cartesian axis is moved out of the area or its line would fall outside
// the view; it stands on the side where the origin lies.
TEST_F(RulerStrips, ShowOnTheSideOfTheOrigin) {
    const StripCase cases[] = {
        {"origin inside", -5, 5, -5, 5, false, AxisType::Cartesian, true, false, false, false,
         false},
        {"axes outside the area", -5, 5, -5, 5, true, AxisType::Cartesian, true, true, true, false,
         false},
        {"origin left and below", 2, 12, 3, 9, false, AxisType::Cartesian, true, true, true, false,
         false},
        {"origin right and above", -12, -2, -9, -3, false, AxisType::Cartesian, true, true, true,
         true, true},
        {"polar keeps its axis", 2, 12, 3, 9, true, AxisType::Polar, true, false, false, false,
         false},
        {"hidden y axis", 2, 12, 3, 9, false, AxisType::Cartesian, false, false, true, false,
         false},
    };
    for (const StripCase& c : cases) {
        setAxis(view.xAxis, 400, c.xLow, c.xHigh);
        setAxis(view.yAxis, 300, c.yLow, c.yHigh);
        view.axisOn = c.axisOn;
        view.axisType = c.axisType;
        view.yAxis.axesVisible = c.yAxesVisible;
        const RulerStripLayout l = layout();
        EXPECT_EQ(l.yShown, c.yShown) << c.name;
        EXPECT_EQ(l.xShown, c.xShown) << c.name;
        EXPECT_EQ(l.yRight, c.yRight) << c.name;
        EXPECT_EQ(l.xAbove, c.xAbove) << c.name;
    }
}

// The y strip is as wide as its widest value plus 14.
TEST_F(RulerStrips, YStripFitsItsWidestValue) {
    setView(400, -5, 5);
    EXPECT_EQ(layout().yStripWidth, 30); // "-5": 16 pixels on the recording canvas
    setView(400, -50000, 50000);
    const int widest = [&] {
        RecordingCanvas measure = canvas();
        return measureYValues(AxesTarget{view, measure, style});
    }();
    EXPECT_GT(widest, 16);
    EXPECT_EQ(layout().yStripWidth, widest + 14);
}

// On screen a strip is light grey with the ruler's picture, recorded one pixel smaller each
// way, stretched over the whole strip.
TEST_F(RulerStrips, ScreenStripIsGreyWithTheRulerStretchedOverIt) {
    setView(440, -5.5, 5.5);
    view.axisOn = true;
    RecordingSurfaces surfaces;
    const RulerStripLayout l = layout();
    const RulerStripPictures pictures = recordRulerStrips(view, style, surfaces, l);
    ASSERT_TRUE(pictures.x && pictures.y);
    EXPECT_EQ(pictures.x->size().width, 439);
    EXPECT_EQ(pictures.x->size().height, l.xStripHeight - 1);
    EXPECT_EQ(pictures.y->size().width, l.yStripWidth - 1);

    const auto strip = rulerStripImage(surfaces, *pictures.x, 440, l.xStripHeight);
    const auto& image = dynamic_cast<const RecordingCanvas&>(*strip);
    EXPECT_EQ(image.pixel(439, l.xStripHeight - 1), kRulerStripColor);
    EXPECT_EQ(valuesOf(image),
              (std::vector<std::string>{"-5", "-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"}));
}
