#include "../document/ProjectFixture.h"
#include "QtTestApp.h"
#include "document/ParameterStepping.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtSurfaces.h"
#include "render/ProjectPicture.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
struct PictureLayersTest : tarlix::testing::ProjectTest {
    QtSurfaces surfaces;
    QImage draw(ProjectPicture& picture) {
        picture.recompute();
        QtImageCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength);
        picture.draw(canvas, surfaces);
        return canvas.image();
    }
};
} // namespace

// While a parameter animates, unchanged objects come from the base image; the picture must be
// the same, pixel for pixel, as one drawn from scratch.
TEST_F(PictureLayersTest, AnAnimatedPictureEqualsOneDrawnAfresh) {
    qttest::qtApp<QApplication>();
    storeY(1, "a sin x");
    storeY(2, "x^2/4-2");
    storeY(3, "a/x");
    EquationEntry disc = blankEquation();
    disc.expr.source = "x^2+y^2<4";
    storeRelation(ctx, 1, disc);
    ProjectPicture animated(doc);
    draw(animated);
    for (int step = 0; step < 3; ++step) {
        stepParameter(project, redraw, 1, 1, false);
        const QImage shown = draw(animated);
        RedrawState fresh;
        AfterimageStore none;
        ProjectPicture scratch(project, view, fresh, none);
        EXPECT_TRUE(shown == draw(scratch)) << "step " << step;
    }
}
