// The options dialog's OK: what it refuses with which message, the presets, the exclusion of
// degrees and complex mode, one undo step for every page, and the settings kept in the project
// file.
#include "document/OptionsForm.h"
#include "ProjectFileFixture.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct OptionsFormTest : tarlix::testing::ProjectTest {
    NewObjectDefaults objects;
    OptionsForm form() const { return readOptions(doc, objects); }
    std::string lastMessage() const {
        return messages.entries.empty() ? std::string() : messages.entries.back().text;
    }
    // A form that differs from the initial settings on every page.
    static OptionsForm everyPageChanged(OptionsForm f) {
        f.widthText = "500";
        f.areaFixed = true;
        f.x.highText = "7";
        f.y.caption = "altura";
        f.gridStyle = GridStyle::Dotted;
        f.fontSize = 18;
        f.thetaIsHorizontal = true;
        f.scanWidth = 8;
        f.capStyle = LineEnds::Flat;
        f.drawMode = FunctionDrawMode::Dots;
        f.angleMode = AngleMode::Degrees;
        f.logMode = LogMode::Common;
        return f;
    }
};

// The drawing must stay within 150..1400 pixels each way and the area must not be empty; a
// refused OK shows its message and changes nothing.
TEST_F(OptionsFormTest, OkChecksSizeAndArea) {
    const struct {
        const char* width;
        const char* height;
        const char* xLow;
        const char* xHigh;
        const char* yLow;
        const char* message; // empty: accepted
    } cases[] = {
        {"149", "400", "-5", "5", "-5", kMsgDrawingSize},
        {"1401", "400", "-5", "5", "-5", kMsgDrawingSize},
        {"400", "149", "-5", "5", "-5", kMsgDrawingSize},
        {"12a", "400", "-5", "5", "-5", kMsgDrawingSize},
        {"150", "400", "-5", "5", "-5", ""},
        {"1400", "1400", "-5", "5", "-5", ""},
        {"400", "400", "2", "2", "-5", kMsgInvalidArea},
        {"400", "400", "3", "2", "-5", kMsgInvalidArea},
        {"400", "400", "-5", "5", "5", kMsgInvalidArea},
        {"400", "400", "-5", "cinco", "-5", kMsgInvalidArea},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " " << c.xLow << ".."
                                          << c.xHigh << " y from " << c.yLow);
        messages.entries.clear();
        hooks.undoSteps.reset();
        const int widthBefore = view.xAxis.pixelLength;
        OptionsForm f = form();
        f.widthText = c.width;
        f.heightText = c.height;
        f.x.lowText = c.xLow;
        f.x.highText = c.xHigh;
        f.y.lowText = c.yLow;
        const bool accepted = confirmOptions(ctx, objects, f);
        EXPECT_EQ(accepted, std::string(c.message).empty());
        EXPECT_EQ(lastMessage(), c.message);
        if (!accepted) {
            EXPECT_EQ(view.xAxis.pixelLength, widthBefore);
            EXPECT_EQ(hooks.undoSteps(), 0);
        } else {
            EXPECT_EQ(view.xAxis.pixelLength, std::stoi(c.width));
            EXPECT_EQ(view.yAxis.pixelLength, std::stoi(c.height));
        }
    }
}

// A base may be an expression such as Pi/2; one without a positive value is refused.
TEST_F(OptionsFormTest, BasesAreNumbersOrExpressions) {
    OptionsForm f = form();
    f.x.baseText = "Pi/2";
    ASSERT_TRUE(confirmOptions(ctx, objects, f));
    EXPECT_NEAR(static_cast<double>(view.xAxis.base), 1.5707963267948966, 1e-12);
    f = form();
    f.y.baseText = "-1";
    EXPECT_FALSE(confirmOptions(ctx, objects, f));
    EXPECT_EQ(view.yAxis.base, 1);
}

// The degree preset gives an x axis of degrees from -100 to 380 marked every 90 (exactly so
// without the whole-pixel correction of the grid, which widens the range a little).
TEST_F(OptionsFormTest, DegreePresetGivesDegreeAxis) {
    OptionsForm f = form();
    f.areaRectify = false;
    f.x.axesVisible = false;
    f.axisType = AxisType::Polar;
    applyPreset(f, OptionsPreset::Degrees, '.', messages);
    ASSERT_TRUE(confirmOptions(ctx, objects, f));
    EXPECT_EQ(project.engine.angleMode, AngleMode::Degrees);
    EXPECT_EQ(view.axisType, AxisType::Cartesian);
    EXPECT_TRUE(view.xAxis.axesVisible);
    EXPECT_EQ(view.xAxis.base, 90);
    EXPECT_NEAR(static_cast<double>(view.xAxis.low), -100, 1e-9);
    EXPECT_NEAR(static_cast<double>(view.xAxis.high), 380, 1e-9);
    EXPECT_NEAR(static_cast<double>(view.yAxis.low), -4, 1e-9);
    EXPECT_NEAR(static_cast<double>(view.yAxis.high), 4, 1e-9);
}

// The polar preset leaves the y base as it was.
TEST_F(OptionsFormTest, PolarPresetKeepsYBase) {
    OptionsForm f = form();
    f.y.baseText = "2";
    applyPreset(f, OptionsPreset::Polar, '.', messages);
    EXPECT_EQ(f.y.baseText, "2");
    EXPECT_EQ(f.x.baseText, "1");
    EXPECT_EQ(f.axisType, AxisType::Polar);
}

// Degrees and complex mode exclude each other: whichever is chosen second warns and turns the
// other off.
TEST_F(OptionsFormTest, DegreesAndComplexModeExcludeEachOther) {
    OptionsForm f = form();
    chooseAngleUnit(f, AngleMode::Degrees, messages);
    EXPECT_FALSE(chooseComplexMode(f, true, messages));
    EXPECT_TRUE(f.complexMode);
    EXPECT_EQ(f.angleMode, AngleMode::Radians);
    EXPECT_EQ(lastMessage(), kMsgDegreesInComplexMode);

    messages.entries.clear();
    f.allowSqrtN = true;
    EXPECT_FALSE(chooseAngleUnit(f, AngleMode::Degrees, messages));
    EXPECT_FALSE(f.complexMode);
    EXPECT_FALSE(f.allowSqrtN);
    EXPECT_EQ(lastMessage(), kMsgDegreesInComplexMode);

    messages.entries.clear();
    applyPreset(f, OptionsPreset::Standard, '.', messages);
    EXPECT_TRUE(chooseComplexMode(f, true, messages));
    EXPECT_TRUE(messages.entries.empty());
}

// OK is one undo step whatever it changed, and undo brings back every page; an OK that
// changed nothing is no step and leaves the project unmodified.
TEST_F(OptionsFormTest, OkIsOneUndoStep) {
    storeY(1, "sin x");
    project.modified = false;
    hooks.undoSteps.reset();
    ASSERT_TRUE(confirmOptions(ctx, objects, form()));
    EXPECT_EQ(hooks.undoSteps(), 0);
    EXPECT_FALSE(project.modified);

    const OptionsForm before = form();
    const OptionsForm changed = everyPageChanged(before);
    redraw.clear();
    const int redraws = hooks.redraws;
    ASSERT_TRUE(confirmOptions(ctx, objects, changed));
    EXPECT_EQ(hooks.undoSteps(), 1);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(hooks.redraws, redraws + 1);
    EXPECT_TRUE(redraw.isDirty(functionToken(1)));
    EXPECT_EQ(form().fontSize, 18);
    EXPECT_EQ(project.engine.angleMode, AngleMode::Degrees);

    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(form(), before);
}

// The horizontal letter is part of what functions are compiled against: θ makes "sin @" a
// function of the horizontal axis.
TEST_F(OptionsFormTest, HorizontalLetterRecompiles) {
    storeY(1, "sin @");
    OptionsForm f = form();
    f.thetaIsHorizontal = true;
    const std::string codeBefore = project.explicitFunctions[1].expr.code;
    ASSERT_TRUE(confirmOptions(ctx, objects, f));
    EXPECT_NE(project.explicitFunctions[1].expr.code, codeBefore);
}

// Settings changed in the dialog are saved with the project and read back.
TEST_F(OptionsFormTest, ChangedSettingsAreSavedWithTheProject) {
    const OptionsForm changed = everyPageChanged(form());
    ASSERT_TRUE(confirmOptions(ctx, objects, changed));
    tarlix::testing::TempFolder dir;
    ASSERT_TRUE(doc.saveAs(dir.file("opciones")));
    tarlix::testing::Session other;
    ASSERT_TRUE(other.doc.open(dir.file("opciones.tlx")));
    EXPECT_EQ(readOptions(other.doc, objects), form());
}

} // namespace
