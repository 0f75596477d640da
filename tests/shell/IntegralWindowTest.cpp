// The definite-integral and function-value windows in the program: opened from the graph
// window, one closing the other, their rows, their entries and their marks on the picture.

#include "ProgramFixture.h"
#include "document/EntryCompile.h"
#include "document/IntegralValues.h"
#include "shell/GraphWindow.h"
#include "shell/IntegralWindow.h"
#include "shell/ValueWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

struct IntegralWindowTest : ProgramShowingAx, ::testing::Test {
    Document& ctx() { return program->context(); }
    GraphWindow& graph() { return *program->graph(); }
    QColor pixelAt(Extended x, Extended y) {
        const View& v = ctx().view;
        const QImage& image = graph().graphImage()->image();
        const qreal scale = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(v.xAxis.toPixel(x) * scale),
                                static_cast<int>(v.yAxis.toPixel(y) * scale));
    }
};

} // namespace

// y1 = a x with a = 1 from -1 to 1: the window lists y1 with 0 and shades both halves, the
// part above the axis and the part below in different colours; closing removes the shading.
TEST_F(IntegralWindowTest, TheIntegralWindowListsRowsAndShadesTheRegion) {
    const QColor before = pixelAt(0.5L, 0.25L);
    graph().integralButton()->trigger();
    IntegralWindow* w = program->integralWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->valueEdit(1)->text(), "0.00000000");
    EXPECT_FALSE(w->valueEdit(2)->isVisible()) << "y2 does not exist";
    EXPECT_TRUE(w->showButton(1)->isChecked());

    const QColor positive = pixelAt(0.5L, 0.25L);
    const QColor negative = pixelAt(-0.5L, -0.25L);
    EXPECT_NE(positive, before);
    EXPECT_NE(positive, negative);
    EXPECT_EQ(pixelAt(1.5L, 0.25L), before) << "outside the limits";

    // Limits reversed: the value is negated and the colours change places.
    setMarkerX(ctx(), Marker::LowerLimit, 1);
    setMarkerX(ctx(), Marker::UpperLimit, -1);
    EXPECT_EQ(pixelAt(0.5L, 0.25L), negative);
    EXPECT_EQ(pixelAt(-0.5L, -0.25L), positive);

    w->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(program->integralWindow(), nullptr);
    EXPECT_FALSE(graph().integralButton()->isChecked());
    EXPECT_EQ(pixelAt(0.5L, 0.25L), before);
}

// A partition count that is not even within 2..200 is refused with the message and the count
// in force comes back; a good one is stored and the rows follow it.
TEST_F(IntegralWindowTest, PartitionsAreCheckedWhenEntered) {
    EquationEntry f = blankEquation();
    f.expr.source = "x^2";
    storeExplicitFunction(ctx(), 2, f);
    ctx().project.integralWindow.bounds.low.source = "0";
    compileWindowTexts(ctx().project, false, ctx().compileEnv());
    program->showIntegralWindow(true);
    IntegralWindow* w = program->integralWindow();
    ASSERT_NE(w, nullptr);
    QLineEdit* n = w->partitionsEdit();
    n->setText("41");
    Q_EMIT n->editingFinished();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, kMsgPartitions);
    EXPECT_EQ(n->text(), "40");
    n->setText("2");
    Q_EMIT n->editingFinished();
    EXPECT_EQ(ctx().project.engine.integralPartitions, 2);
    EXPECT_EQ(w->valueEdit(2)->text(), "0.33333333");
    EXPECT_TRUE(ctx().project.modified);
}

// Opening one window closes the other. The value window shows y1 = a x at x = 1, follows a
// new x typed for it, and marks that x on the picture.
TEST_F(IntegralWindowTest, TheValueWindowClosesTheIntegralWindowAndShowsValues) {
    program->showIntegralWindow(true);
    graph().valuesButton()->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(program->integralWindow(), nullptr);
    EXPECT_FALSE(graph().integralButton()->isChecked());
    ValueWindow* w = program->valueWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->valueEdit(1)->text(), "1.000000000000");
    EXPECT_EQ(w->valueEdit(2)->text(), "---");

    const QColor off = pixelAt(2.5L, 3);
    setMarkerX(ctx(), Marker::ValueX, 2.5L);
    EXPECT_EQ(ctx().project.valueWindow.x.source, "2.5");
    EXPECT_EQ(w->valueEdit(1)->text(), "2.500000000000");
    EXPECT_NE(pixelAt(2.5L, 3), off) << "the marker line";
    w->markerButton()->click();
    EXPECT_EQ(ctx().project.valueWindow.x.marked, 0);
    EXPECT_TRUE(w->markerButton()->isChecked());
    EXPECT_EQ(pixelAt(2.5L, 3), off) << "the marker hidden";
}
