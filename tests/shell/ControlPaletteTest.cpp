#include "shell/ControlPalette.h"
#include "ProgramFixture.h"
#include "shell/GraphWindow.h"

#include <QAction>
#include <QTabWidget>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace tarlix;

// From 430 pixels the scale row joins the area tab and the tools the background tab, the
// emptied tabs are hidden and the captions name both; narrower, each row has its tab again.
TEST(ControlPaletteLayout, WideWindowsShowTwoRowsInATab) {
    tarlix::qttest::qtApp<QApplication>();
    ControlPalette palette;
    QTabWidget* tabs = palette.tabs();
    const auto rowTab = [&](ControlPalette::Row r) {
        return tabs->indexOf(palette.row(r)->parentWidget());
    };
    for (const int width : {429, 430, 429}) {
        SCOPED_TRACE(width);
        palette.arrangeFor(width);
        const bool merged = width >= 430;
        EXPECT_EQ(rowTab(ControlPalette::Row::Scale), merged ? 0 : 1);
        EXPECT_EQ(rowTab(ControlPalette::Row::Tools), merged ? 2 : 3);
        EXPECT_EQ(tabs->isTabVisible(1), !merged);
        EXPECT_EQ(tabs->isTabVisible(3), !merged);
        EXPECT_EQ(tabs->tabText(0).toStdString(), merged ? "  Área / Escala  " : "Área");
        EXPECT_EQ(tabs->tabText(2), merged ? "  Fondo / Herramienta  " : "Fondo");
    }
}

// A hiding palette floats over the plot: it shows when the pointer comes within 10 pixels of
// the top and hides at the next move over the plot.
TEST(ControlPaletteLayout, AHidingPaletteShowsNearTheTop) {
    tarlix::qttest::qtApp<QApplication>();
    QWidget plot;
    plot.resize(400, 300);
    plot.show();
    ControlPalette palette;
    palette.show();
    palette.setHides(true, &plot);
    QTabWidget* tabs = palette.tabs();
    EXPECT_EQ(tabs->parentWidget(), &plot);
    EXPECT_FALSE(palette.takesRoom());
    palette.pointerAt(50);
    EXPECT_FALSE(tabs->isVisible());
    palette.pointerAt(9);
    EXPECT_TRUE(tabs->isVisible());
    palette.pointerAt(5);
    EXPECT_FALSE(tabs->isVisible()) << "shown, the next move hides it";
    palette.setHides(false, &plot);
    EXPECT_EQ(tabs->parentWidget(), &palette);
    EXPECT_TRUE(tabs->isVisible());
}

// The scale buttons of the graph window change the grid and the project.
TEST(ControlPaletteLayout, ScaleButtonsChangeTheView) {
    tarlix::testing::ProgramShowingAx shown;
    View& view = shown.program->objects().document.view;
    const GraphWindow::ScaleButtons& b = shown.program->graph()->scaleButtons();
    const Extended step = view.xAxis.tickInterval();
    b.xFiner->trigger();
    EXPECT_LT(view.xAxis.tickInterval(), step);
    EXPECT_TRUE(shown.project().modified);
    b.outside->trigger();
    EXPECT_TRUE(view.axisOn);
    EXPECT_TRUE(b.outside->isChecked());
    EXPECT_TRUE(shown.program->graph()->xStrip()->isVisibleTo(shown.program->graph()));
}
