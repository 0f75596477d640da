#include "ProgramFixture.h"
#include "shell/GraphWindow.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct GraphWindowStrips : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    GraphWindow* graph() { return shown.program->graph(); }
    View& view() { return shown.program->objects().document.view; }
    QPoint panelOrigin() { return graph()->graphImage()->parentWidget()->pos(); }
};

} // namespace

TEST_F(GraphWindowStrips, AxesThroughTheOriginNeedNoStrips) {
    EXPECT_FALSE(graph()->xStrip()->isVisibleTo(graph()));
    EXPECT_FALSE(graph()->yStrip()->isVisibleTo(graph()));
    EXPECT_EQ(panelOrigin(), QPoint(0, 0));
    EXPECT_TRUE(graph()->statusText()->text().contains(" < x < "));
}

// Axes out of the area: the y strip at the left, the x strip below, both lined up with the
// picture and light grey; the status bar names both ranges.
TEST_F(GraphWindowStrips, AxesOutsideTheAreaGoToGreyStripsBesideThePicture) {
    view().axisOn = true;
    shown.program->repaintGraph();
    GraphImageWidget* x = graph()->xStrip();
    GraphImageWidget* y = graph()->yStrip();
    ASSERT_TRUE(x->isVisibleTo(graph()) && y->isVisibleTo(graph()));
    const QImage& picture = graph()->graphImage()->image();
    EXPECT_EQ(panelOrigin(), QPoint(y->width(), 0));
    EXPECT_EQ(x->pos(), QPoint(y->width() + 4, picture.height() + 8));
    EXPECT_EQ(y->pos(), QPoint(0, 4));
    EXPECT_EQ(x->width(), picture.width());
    EXPECT_EQ(y->height(), picture.height());
    EXPECT_EQ(x->image().pixelColor(x->width() - 1, x->height() - 1), QColor(224, 224, 224));
    EXPECT_TRUE(graph()->statusText()->text().contains(" < y < "));
}

// With the origin right of and above the view the strips change sides.
TEST_F(GraphWindowStrips, StripsStandOnTheSideOfTheOrigin) {
    view().setView(-12, -2, -9, -3);
    shown.program->repaintGraph();
    GraphImageWidget* x = graph()->xStrip();
    GraphImageWidget* y = graph()->yStrip();
    ASSERT_TRUE(x->isVisibleTo(graph()) && y->isVisibleTo(graph()));
    const QImage& picture = graph()->graphImage()->image();
    EXPECT_EQ(panelOrigin(), QPoint(0, x->height()));
    EXPECT_EQ(y->pos(), QPoint(picture.width() + 8, x->height() + 4));
    EXPECT_EQ(x->pos(), QPoint(4, 0));
    // The ranges as the view rectified them for the plot's size: both wholly negative.
    const QString domain = graph()->statusText()->text();
    EXPECT_TRUE(domain.startsWith("-1") && domain.contains(" < x < -") &&
                domain.contains(" < y < -"))
        << domain.toStdString();
}
