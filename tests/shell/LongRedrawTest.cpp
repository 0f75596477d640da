#include "ProgramFixture.h"
#include "shell/GraphWindow.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using namespace tarlix;

// A function each of whose values takes its whole step budget makes a redraw of minutes; Escape
// pressed meanwhile stops it, the program goes on and its caption is as it was.
TEST(LongRedraw, EscapeStopsARedrawOfTheWindow) {
    tarlix::testing::ProgramShowingAx p;
    GraphWindow& graph = *p.program->graph();
    const QString caption = graph.windowTitle();
    QCoreApplication::postEvent(&graph,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    Document& ctx = p.program->context();
    EquationEntry f;
    f.expr.source = "Sum(k,1,10000,Sum(n,1,10000,k n x))";
    storeExplicitFunction(ctx, 2, f); // redraws
    EXPECT_EQ(graph.windowTitle(), caption);
    EXPECT_EQ(p.project().explicitFunctions[2].expr.source, f.expr.source);
}
