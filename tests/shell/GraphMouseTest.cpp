#include "shell/GraphMouse.h"
#include "ProgramFixture.h"
#include "document/RowTexts.h"
#include "expression/eval/NumberText.h"
#include "shell/DataPanel.h"
#include "shell/GraphContextMenu.h"
#include "shell/GraphWindow.h"
#include "shell/HoverLabels.h"
#include "shell/HoverObject.h"
#include "shell/dialogs/FigureDialog.h"
#include "shell/dialogs/PropertyDialogs.h"
#include "view/CoordinateText.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

using namespace tarlix;

namespace {

struct Bounds {
    Extended xLow, xHigh, yLow, yHigh;
};

// The started program, its graph picture receiving synthetic mouse and wheel events.
struct GraphMouseTest : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;

    Project& project() { return shown.project(); }
    View& view() { return shown.program->objects().document.view; }
    GraphImageWidget* picture() { return shown.program->graph()->graphImage(); }
    const DataHistory& data() { return shown.program->objects().document.dataHistory; }
    int dataSteps() { return data().steps().index(); }
    Bounds bounds() {
        return {view().xAxis.low, view().xAxis.high, view().yAxis.low, view().yAxis.high};
    }
    void expectBounds(const Bounds& b) {
        const Extended e = (b.xHigh - b.xLow) * 1e-9L;
        EXPECT_NEAR(view().xAxis.low, b.xLow, e);
        EXPECT_NEAR(view().xAxis.high, b.xHigh, e);
        EXPECT_NEAR(view().yAxis.low, b.yLow, e);
        EXPECT_NEAR(view().yAxis.high, b.yHigh, e);
    }
    QPoint pixelOf(Extended x, Extended y) {
        const PixelPoint p = view().toPoint(x, y);
        return {p.x, p.y};
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(at), picture()->mapToGlobal(QPointF(at)), button, held, keys);
        QApplication::sendEvent(picture(), &e);
    }
    // Press at from, move through the steps to to, release there.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton,
              Qt::KeyboardModifiers keys = Qt::NoModifier, int steps = 4) {
        send(QEvent::MouseButtonPress, from, button, button, keys);
        for (int i = 1; i <= steps; ++i)
            send(QEvent::MouseMove, from + (to - from) * i / steps, Qt::NoButton, button, keys);
        send(QEvent::MouseButtonRelease, to, button, Qt::NoButton, keys);
    }
    void wheel(QPoint at, int angle, Qt::KeyboardModifiers keys) {
        QWheelEvent e(QPointF(at), picture()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture(), &e);
    }

    // The letters of "Fijar un punto", in menu order.
    static QList<QAction*> letterItems(QMenu* letters) {
        return letters->findChildren<QAction*>(QRegularExpression("^SetPoint"));
    }
    void storePoint(int n, const std::string& x, const std::string& y, bool draggable = true) {
        FigureEntry f = blankFigure(n);
        f.kind = FigureKind::Point;
        f.x.source = x;
        f.y.source = y;
        f.drag = draggable;
        Document& ctx = shown.program->context();
        storeFigure(ctx, n, f);
    }
    const FigureEntry& figure(int n) { return project().figures[n]; }
    std::string axisText(const Axis& axis, Extended v) {
        std::string s = formatAxisValue(axis, v, 0, project().engine.decimalChar);
        return s.substr(s.find_first_not_of(' '));
    }
};

} // namespace

// Hovering shows the pointer's coordinates and, over a draggable point, the pick-up cursor.
TEST_F(GraphMouseTest, HoveringShowsCoordinatesAndThePickUpCursor) {
    storePoint(1, "1", "2");
    storePoint(2, "-2", "1", false);
    const QPoint p = pixelOf(1, 2);
    send(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
    const char sep = project().engine.listSeparatorChar;
    const std::string expected = " (" +
                                 formatAxisValue(view().xAxis, view().xAxis.toWorld(p.x()), 0,
                                                 project().engine.decimalChar) +
                                 sep +
                                 formatAxisValue(view().yAxis, view().yAxis.toWorld(p.y()), 0,
                                                 project().engine.decimalChar) +
                                 ")";
    EXPECT_EQ(shown.program->graph()->coordinateText()->text().toStdString(),
              expected.substr(0, 27));
    EXPECT_EQ(picture()->cursor().shape(), Qt::OpenHandCursor);
    send(QEvent::MouseMove, pixelOf(-2, 1), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(picture()->cursor().shape(), Qt::CrossCursor) << "a point that may not be dragged";
}

// A dragged point takes the coordinates of the release pixel, its dependant follows, and the
// whole drag is one undo step that brings both back, whether or not the graph is redrawn
// while dragging.
TEST_F(GraphMouseTest, DraggingAPointMovesItAndItsDependantInOneUndoStep) {
    for (const bool live : {false, true}) {
        SCOPED_TRACE(live);
        project().settings.drawWhileDragging = live;
        storePoint(1, "1", "2");
        storePoint(2, "P.x", "P.y+1", false);
        shown.program->repaintGraph();
        const int before = dataSteps();
        const QPoint to = pixelOf(3, -1) + QPoint(1, 1); // off the grid
        const QImage pictureBefore = picture()->image();
        send(QEvent::MouseButtonPress, pixelOf(1, 2), Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i <= 5; ++i)
            send(QEvent::MouseMove, pixelOf(1, 2) + (to - pixelOf(1, 2)) * i / 5, Qt::NoButton,
                 Qt::LeftButton);
        EXPECT_EQ(figure(1).x.source != "1", live) << "written while dragging only when live";
        EXPECT_EQ(picture()->image() != pictureBefore, live);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);

        EXPECT_EQ(figure(1).x.source, axisText(view().xAxis, view().xAxis.toWorld(to.x())));
        EXPECT_EQ(figure(1).y.source, axisText(view().yAxis, view().yAxis.toWorld(to.y())));
        EXPECT_EQ(view().positions[2].x, view().positions[1].x);
        EXPECT_NEAR(view().positions[2].y, view().positions[1].y + 1, 1e-12);
        EXPECT_EQ(dataSteps(), before + 1);

        shown.program->dataPanel()->action("EditUndo")->trigger();
        EXPECT_EQ(figure(1).x.source, "1");
        EXPECT_EQ(figure(1).y.source, "2");
        EXPECT_NEAR(view().positions[2].y, 3, 1e-12);
    }
}

// With Ctrl each free coordinate lands on the grid; a coordinate that is not a plain number
// is left to its expression.
TEST_F(GraphMouseTest, CtrlSnapsFreeCoordinatesToTheGrid) {
    struct Case {
        std::string x, y;
        bool xFree, yFree;
    };
    const Case cases[] = {
        {"1", "2", true, true}, {"2a", "2", false, true}, {"1", "a+1", true, false}};
    const Extended xt = view().xAxis.tickInterval(), yt = view().yAxis.tickInterval();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x + "," + c.y);
        storePoint(1, c.x, c.y);
        shown.program->repaintGraph();
        const QPoint from = pixelOf(view().positions[1].x, view().positions[1].y);
        const QPoint to = pixelOf(1.3L * xt, -1.6L * yt) + QPoint(2, -1);
        drag(from, to, Qt::LeftButton, Qt::ControlModifier);
        const char dc = project().engine.decimalChar;
        EXPECT_EQ(figure(1).x.source, c.xFree ? formatGeneral(xt, 12, dc) : c.x);
        EXPECT_EQ(figure(1).y.source, c.yFree ? formatGeneral(-2 * yt, 12, dc) : c.y);
    }
}

// A point of a curve dragged by the mouse sets the curve's parameter so that it stays on the
// curve, near the pointer.
TEST_F(GraphMouseTest, APointDraggedAlongItsCurveStaysOnIt) {
    FigureEntry f = blankFigure(1);
    f.kind = FigureKind::Parametric;
    f.x.source = "2cos t";
    f.y.source = "2sin t";
    f.paramLow.source = "0";
    f.paramHigh.source = "2Pi";
    f.paramStep = 0.05L;
    f.drag = true;
    Document& ctx = shown.program->context();
    storeFigure(ctx, 1, f);
    shown.program->repaintGraph();
    ASSERT_EQ(view().positions[1].kind, FigureKind::Point);
    const Extended angle = 2.0L;
    drag(pixelOf(view().positions[1].x, view().positions[1].y),
         pixelOf(2.2L * std::cos(angle), 2.2L * std::sin(angle)));
    const FigurePosition& p = view().positions[1];
    EXPECT_NEAR(static_cast<double>(std::hypot(p.x, p.y)), 2, 5e-3);
    EXPECT_NEAR(static_cast<double>(std::atan2(p.y, p.x)), 2, 0.02);
}

// Ctrl+wheel zooms about the pointer, which keeps its world point; the wheel alone scrolls.
// Each burst of turns is one step of the view history.
TEST_F(GraphMouseTest, WheelZoomsAboutThePointerOrScrolls) {
    const QPoint at(view().xAxis.pixelLength / 4, view().yAxis.pixelLength / 3);
    const Extended x0 = view().xAxis.toWorld(at.x()), y0 = view().yAxis.toWorld(at.y());
    const Bounds before = bounds();
    wheel(at, 120, Qt::ControlModifier);
    wheel(at, 120, Qt::ControlModifier);
    EXPECT_LT(view().xAxis.high - view().xAxis.low, (before.xHigh - before.xLow) * 0.7L);
    EXPECT_NEAR(view().xAxis.toWorld(at.x()), x0, 2 * view().xAxis.unitsPerPixel);
    EXPECT_NEAR(view().yAxis.toWorld(at.y()), y0, 2 * view().yAxis.unitsPerPixel);
    shown.program->graph()->undoViewButton()->trigger();
    expectBounds(before);

    shown.program->graphMouse().endBurst();
    wheel(at, 120, Qt::NoModifier);
    EXPECT_NEAR(view().xAxis.low, before.xLow, 1e-12);
    EXPECT_GT(view().yAxis.low, before.yLow);
    EXPECT_NEAR(view().yAxis.high - view().yAxis.low, before.yHigh - before.yLow, 1e-9);
}

// The rectangle tools, the pan tool and the middle button each change the view once, undo
// brings the earlier view back and redo the new one; a rectangle too small to draw does
// nothing.
TEST_F(GraphMouseTest, ToolDragsAreViewStepsThatUndoAndRedo) {
    GraphWindow* w = shown.program->graph();
    const int W = view().xAxis.pixelLength, H = view().yAxis.pixelLength;
    struct Case {
        QAction* tool;
        Qt::MouseButton button;
        QPoint from, to;
        bool changes;
    };
    const Case cases[] = {
        {w->zoomInTool(), Qt::LeftButton, {W / 4, H / 4}, {W / 2, H / 2}, true},
        {w->zoomOutTool(), Qt::LeftButton, {W / 4, H / 4}, {W / 2, H / 2}, true},
        {w->panTool(), Qt::LeftButton, {W / 2, H / 2}, {W / 2 + 30, H / 2 - 20}, true},
        {nullptr, Qt::MiddleButton, {W / 2, H / 2}, {W / 2 - 40, H / 2 + 10}, true},
        {w->zoomInTool(), Qt::LeftButton, {W / 4, H / 4}, {W / 4 + 3, H / 4 + 30}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool ? c.tool->objectName().toStdString() : "middle button");
        if (c.tool) c.tool->setChecked(true);
        const Bounds before = bounds();
        const Extended xAtFrom = view().xAxis.toWorld(c.from.x());
        drag(c.from, c.to, c.button);
        if (!c.changes) {
            expectBounds(before);
            continue;
        }
        if (c.button == Qt::MiddleButton || c.tool == w->panTool()) { // content follows the pointer
            EXPECT_NEAR(view().xAxis.toWorld(c.to.x()), xAtFrom, 1e-9);
        }
        const Bounds after = bounds();
        EXPECT_TRUE(w->undoViewButton()->isEnabled());
        w->undoViewButton()->trigger();
        expectBounds(before);
        EXPECT_TRUE(w->redoViewButton()->isEnabled());
        w->redoViewButton()->trigger();
        expectBounds(after);
        if (c.tool) c.tool->setChecked(false);
    }
}

// The zoom-in rectangle keeps the plot's proportions unless Shift frees them.
TEST_F(GraphMouseTest, ZoomRectangleKeepsTheProportionsUnlessShift) {
    GraphWindow* w = shown.program->graph();
    w->zoomInTool()->setChecked(true);
    const int W = view().xAxis.pixelLength, H = view().yAxis.pixelLength;
    const Extended ratio =
        (view().yAxis.high - view().yAxis.low) / (view().xAxis.high - view().xAxis.low);
    drag({10, 10}, {W / 2, 30});
    EXPECT_NEAR((view().yAxis.high - view().yAxis.low) / (view().xAxis.high - view().xAxis.low),
                ratio, 0.05);
    w->undoViewButton()->trigger();
    drag({10, 10}, {W / 2, 30}, Qt::LeftButton, Qt::ShiftModifier);
    const Extended free = ratio * 20 * W / (H * (W / 2 - 10)); // the rectangle's own shape
    EXPECT_NEAR((view().yAxis.high - view().yAxis.low) / (view().xAxis.high - view().xAxis.low),
                free, free * 0.05);
}

// "1 : 1" refits y once; pressing it again changes nothing and adds no step.
TEST_F(GraphMouseTest, SquareButtonActsOnce) {
    GraphWindow* w = shown.program->graph();
    w->zoomInTool()->setChecked(true);
    drag({10, 10}, {210, 60}, Qt::LeftButton, Qt::ShiftModifier); // unequal scales
    ASSERT_FALSE(view().isSquare());
    w->squareButton()->trigger();
    EXPECT_NEAR(static_cast<double>(view().xAxis.pixelsPerUnit / view().yAxis.pixelsPerUnit), 1,
                1e-6);
    const Bounds squared = bounds();
    w->squareButton()->trigger();
    expectBounds(squared);
    w->undoViewButton()->trigger();
    EXPECT_GT(std::fabs(view().xAxis.pixelsPerUnit / view().yAxis.pixelsPerUnit - 1), 0.1);
}

// A burst of sizes is one step of the view history; the scale stays and the centre too.
TEST_F(GraphMouseTest, ABurstOfResizesIsOneViewStep) {
    GraphMouse& mouse = shown.program->graphMouse();
    mouse.endBurst();
    const Bounds before = bounds();
    const int W = view().xAxis.pixelLength, H = view().yAxis.pixelLength;
    const Extended unit = view().xAxis.unitsPerPixel;
    for (int i = 1; i <= 5; ++i) mouse.resize(W + 20 * i, H + 10 * i);
    mouse.endBurst();
    EXPECT_EQ(view().xAxis.pixelLength, W + 100);
    EXPECT_NEAR(view().xAxis.unitsPerPixel, unit, unit * 0.05);
    EXPECT_NEAR(view().xAxis.low + view().xAxis.high, before.xLow + before.xHigh,
                (before.xHigh - before.xLow) * 0.05);
    shown.program->graph()->undoViewButton()->trigger();
    EXPECT_EQ(view().xAxis.pixelLength, W);
    EXPECT_EQ(view().yAxis.pixelLength, H);
    expectBounds(before);
}

// The user's sizes of the window become the picture's size, one view step for the burst; the
// window then fits its picture exactly.
TEST_F(GraphMouseTest, TheWindowsSizeBecomesThePicturesSize) {
    GraphWindow* w = shown.program->graph();
    // Wider than its rows of buttons first, so that the window fits its picture.
    w->resize(w->size() + QSize(100, 0));
    QApplication::processEvents();
    w->takeWindowSize();
    shown.program->graphMouse().endBurst();
    const int W = view().xAxis.pixelLength, H = view().yAxis.pixelLength;
    const QSize start = w->size();
    for (int i = 1; i <= 3; ++i) {
        w->resize(start + QSize(30 * i, -20 * i));
        QApplication::processEvents();
        w->takeWindowSize();
    }
    EXPECT_EQ(view().xAxis.pixelLength, W + 90);
    EXPECT_EQ(view().yAxis.pixelLength, H - 60);
    EXPECT_EQ(picture()->image().size(), QSize(W + 90, H - 60));
    EXPECT_EQ(w->centralWidget()->size(), w->centralWidget()->sizeHint());
    w->undoViewButton()->trigger();
    EXPECT_EQ(view().xAxis.pixelLength, W);
    EXPECT_EQ(view().yAxis.pixelLength, H);
}

// The connect tool joins the point pressed to the point released on by a connected figure, as
// one undo step; a drag that starts or ends off a point, or on the same point, joins nothing.
TEST_F(GraphMouseTest, TheConnectToolJoinsTwoPoints) {
    storePoint(1, "1", "2");
    storePoint(2, "-2", "1");
    shown.program->repaintGraph();
    shown.program->graph()->connectTool()->setChecked(true);
    const QPoint p = pixelOf(1, 2), q = pixelOf(-2, 1), empty = pixelOf(3, -3);
    for (const auto& [from, to] : {std::pair{p, p}, std::pair{p, empty}, std::pair{empty, q}})
        drag(from, to);
    EXPECT_EQ(project().segments.count, 0);
    const int before = dataSteps();
    drag(p, q);
    ASSERT_EQ(project().segments.count, 1);
    EXPECT_EQ(dataSteps(), before + 1);
    EXPECT_EQ(project().segments[1].vertices[0], 1);
    EXPECT_EQ(project().segments[1].vertices[1], 2);
}

// The position label shows over what the pointer can take hold of, the equation over any
// object with an expression; each only while its button is down, and neither over nothing.
TEST_F(GraphMouseTest, FloatingLabelsShowThePositionAndEquationOfTheObjectUnderThePointer) {
    GraphWindow* window = shown.program->graph();
    QLabel* position = window->positionLabel();
    QLabel* equation = window->equationLabel();
    storePoint(1, "1", "2");
    shown.program->repaintGraph();
    const auto hover = [&](QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); };
    hover(pixelOf(1, 2));
    EXPECT_FALSE(position->isVisible());
    EXPECT_FALSE(equation->isVisible());

    window->positionButton()->setChecked(true);
    window->equationButton()->setChecked(true);
    const QPoint p = pixelOf(1, 2);
    hover(p);
    ASSERT_TRUE(position->isVisible());
    const char sep = project().engine.listSeparatorChar;
    EXPECT_EQ(position->text().toStdString(),
              "(" + formatAxisValue(view().xAxis, 1, 0, project().engine.decimalChar) + sep +
                  formatAxisValue(view().yAxis, 2, 0, project().engine.decimalChar) + ")");
    EXPECT_EQ(position->pos(), p + QPoint(20, 8));
    ASSERT_TRUE(equation->isVisible());
    EXPECT_EQ(equation->y(), position->geometry().bottom() + 1) << "just under the position";
    const HoverObject pointObject{true, 1, 2, "P:", figureRowText(figure(1))};
    EXPECT_EQ(equation->pixmap().toImage(),
              equationImage(pointObject, project().engine, 13)
                  .convertToFormat(equation->pixmap().toImage().format()));

    // On y1 = a x the cursor is the cross: no position, the function's equation at the top.
    const Extended a = project().parameters[1].value;
    const QPoint onLine = pixelOf(-3, -3 * a);
    hover(onLine);
    EXPECT_FALSE(position->isVisible());
    ASSERT_TRUE(equation->isVisible());
    EXPECT_EQ(equation->pos(), onLine + QPoint(18, 0));
    const HoverObject line{true, 0, 0, "y1=", "a x"};
    EXPECT_EQ(equation->pixmap().toImage(),
              equationImage(line, project().engine, 13)
                  .convertToFormat(equation->pixmap().toImage().format()));

    hover(pixelOf(-3, -3 * a + 4)); // nothing there
    EXPECT_FALSE(position->isVisible());
    EXPECT_FALSE(equation->isVisible());

    // Near the right edge the position label is moved left to stay on the plot.
    storePoint(2, axisText(view().xAxis, view().xAxis.toWorld(view().xAxis.pixelLength - 3)), "1");
    hover(pixelOf(view().positions[2].x, 1));
    ASSERT_TRUE(position->isVisible());
    EXPECT_EQ(position->geometry().right() + 1, view().xAxis.pixelLength);
}

// The ruler strips mark the pointer by a white XOR line: on the light grey strip it is dark,
// and the strip is as it was when the mark goes.
TEST_F(GraphMouseTest, RulerStripsMarkThePointerByXor) {
    GraphWindow* window = shown.program->graph();
    send(QEvent::MouseMove, QPoint(37, 41), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(window->xStrip()->pointerTick(), QLine(37, 0, 37, window->xStrip()->height() - 1));
    EXPECT_EQ(window->yStrip()->pointerTick(), QLine(0, 41, window->yStrip()->width() - 1, 41));

    GraphImageWidget strip;
    QImage grey(60, 20, QImage::Format_RGB32);
    grey.fill(QColor(224, 224, 224));
    strip.setImage(grey);
    strip.setPointerTick(QLine(10, 0, 10, 19));
    const QImage marked = strip.grab().toImage();
    EXPECT_EQ(QColor(marked.pixel(10, 5)), QColor(31, 31, 31));
    EXPECT_EQ(QColor(marked.pixel(11, 5)), QColor(224, 224, 224));
    strip.setPointerTick(std::nullopt);
    EXPECT_EQ(QColor(strip.grab().toImage().pixel(10, 5)), QColor(224, 224, 224));
}

// Each zoom factor of the context menu scales the view about the pixel where the menu opened,
// which keeps its world point, in one view step that undo takes back.
TEST_F(GraphMouseTest, ContextMenuZoomsByItsFactorsAboutTheMenusPixel) {
    GraphWindow* window = shown.program->graph();
    auto* menus = window->findChild<GraphContextMenu*>();
    ASSERT_NE(menus, nullptr);
    const QPoint at(view().xAxis.pixelLength / 3, view().yAxis.pixelLength / 4);
    const struct {
        const char* item;
        Extended factor;
    } cases[] = {{"x10", 10},    {"x51", 5},     {"x21", 2},
                 {"x1d2", 0.5L}, {"x1d5", 0.2L}, {"x1d10", 0.1L}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const Bounds before = bounds();
        const Extended x0 = view().xAxis.toWorld(at.x()), y0 = view().yAxis.toWorld(at.y());
        send(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        QMenu* menu = menus->menuAt(at.x(), at.y());
        auto* item = menu->findChild<QAction*>(c.item);
        ASSERT_NE(item, nullptr);
        item->trigger();
        const Extended width = before.xHigh - before.xLow;
        EXPECT_NEAR(view().xAxis.high - view().xAxis.low, width / c.factor, width * 1e-9L);
        // Within a pixel: the view rounds its new range to whole pixels.
        EXPECT_NEAR(view().xAxis.toWorld(at.x()), x0, 1.01L * view().xAxis.unitsPerPixel);
        EXPECT_NEAR(view().yAxis.toWorld(at.y()), y0, 1.01L * view().yAxis.unitsPerPixel);
        EXPECT_EQ(shown.program->graphMouse().tool(), GraphTool::None) << "the right click";
        window->undoViewButton()->trigger();
        expectBounds(before);
    }
    // A right click opens the menu on the picture.
    QContextMenuEvent open(QContextMenuEvent::Mouse, at, picture()->mapToGlobal(at));
    QApplication::sendEvent(picture(), &open);
    QMenu* shownMenu = window->findChild<QMenu*>("PopupMenuGraph");
    ASSERT_NE(shownMenu, nullptr);
    EXPECT_TRUE(shownMenu->isVisible());
    shownMenu->close();
}

// The menu offers the properties of what lies under the pointer, and its toggles follow and
// move the label buttons.
TEST_F(GraphMouseTest, ContextMenuOffersTheObjectsUnderThePointer) {
    GraphWindow* window = shown.program->graph();
    auto* menus = window->findChild<GraphContextMenu*>();
    storePoint(1, "1", "2");
    shown.program->repaintGraph();
    const auto items = [&](QPoint at) {
        std::set<std::string> names;
        for (QAction* a : menus->menuAt(at.x(), at.y())->actions())
            if (a->objectName().startsWith("Mn") || a->objectName().startsWith("mn"))
                names.insert(a->objectName().toStdString());
        return names;
    };
    const Extended a = project().parameters[1].value;
    EXPECT_EQ(items(pixelOf(1, 2)),
              (std::set<std::string>{"MnPOint", "MnSetPoint", "MnZoom", "mnseg"}));
    EXPECT_EQ(items(pixelOf(-3, -3 * a)),
              (std::set<std::string>{"MnFunction", "MnSetPoint", "MnZoom", "mnseg"}));
    EXPECT_EQ(items(pixelOf(-3, -3 * a + 4)),
              (std::set<std::string>{"MnSetPoint", "MnZoom", "mnseg"}));

    QMenu* menu = menus->menuAt(0, 0);
    auto* position = menu->findChild<QAction*>("ppmPosition");
    EXPECT_FALSE(position->isChecked());
    position->trigger();
    EXPECT_TRUE(window->positionButton()->isChecked());
    EXPECT_TRUE(menus->menuAt(0, 0)->findChild<QAction*>("ppmPosition")->isChecked());
}

// Ctrl+Z and Ctrl+Y undo and redo on the graph window; a held key acts once until released,
// and the letter alone does nothing.
TEST_F(GraphMouseTest, CtrlKeysUndoAndRedoOncePerPress) {
    storePoint(1, "1", "2");
    storePoint(1, "3", "2");
    storePoint(1, "5", "2");
    GraphWindow* window = shown.program->graph();
    const auto key = [&](QEvent::Type type, int k, Qt::KeyboardModifiers m, bool repeat = false) {
        QKeyEvent e(type, k, m, QString(), repeat);
        QApplication::sendEvent(window, &e);
    };
    key(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier);
    EXPECT_EQ(figure(1).x.source, "5");
    key(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    key(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, true);
    EXPECT_EQ(figure(1).x.source, "3") << "held: one step";
    key(QEvent::KeyRelease, Qt::Key_Z, Qt::ControlModifier);
    key(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    key(QEvent::KeyRelease, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(figure(1).x.source, "1");
    key(QEvent::KeyPress, Qt::Key_Y, Qt::ControlModifier);
    key(QEvent::KeyRelease, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(figure(1).x.source, "3");
}

// Alt with an arrow on the graph steps the first parameter on show, as Ctrl with the arrow
// does in its edit; the arrow alone does nothing there.
TEST_F(GraphMouseTest, AltArrowsStepTheParameterFromTheGraph) {
    GraphWindow* window = shown.program->graph();
    Project& p = shown.project();
    const Extended a = p.parameters[1].value;
    const auto press = [&](int k, Qt::KeyboardModifiers m) {
        QKeyEvent e(QEvent::KeyPress, k, m);
        QApplication::sendEvent(window, &e);
    };
    press(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(p.parameters[1].value, a);
    press(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(p.parameters[1].value, a + p.parameters[1].step);
    press(Qt::Key_Left, Qt::AltModifier);
    press(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(p.parameters[1].value, a - p.parameters[1].step);
}

// The data panel standing right of the graph window stays against its right edge when the
// window's width changes.
TEST_F(GraphMouseTest, TheDataPanelFollowsTheGraphWindowsWidth) {
    GraphWindow* window = shown.program->graph();
    QWidget* panel = shown.program->dataPanel();
    window->resize(300, window->height()); // both fit on the small offscreen screen
    window->move(0, 0);
    panel->move(window->frameGeometry().width(), 0);
    ASSERT_EQ(panel->x(), window->frameGeometry().width());
    for (const int width : {360, 280}) {
        window->resize(width, window->height());
        EXPECT_EQ(panel->frameGeometry().left(), window->frameGeometry().width()) << width;
    }
}

// Over the value window's marker the pointer becomes the sizing cursor; a drag shows a line
// at the pointer's column and the release writes the marker's new x. With the window closed
// the same drag is an ordinary press on the graph.
TEST_F(GraphMouseTest, DraggingTheValueMarkerSetsItsX) {
    GraphMouse& mouse = shown.program->graphMouse();
    bool open = false;
    mouse.markerWindows = [&open] { return MarkerWindows{open, false}; };
    const QPoint marker = pixelOf(1, 0.5L); // the value window's x is 1 in a new project
    const QPoint to = pixelOf(2.5L, 0.5L);
    drag(marker, to);
    EXPECT_EQ(project().valueWindow.x.source, "1") << "window closed";

    open = true;
    send(QEvent::MouseMove, marker, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(picture()->cursor().shape(), Qt::SizeHorCursor);
    send(QEvent::MouseButtonPress, marker, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    const DragFeedback line = mouse.feedback();
    EXPECT_EQ(line.kind, DragFeedback::Kind::Marker);
    EXPECT_EQ(line.x0, to.x());
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(project().valueWindow.x.source,
              formatGeneral(view().xAxis.toWorld(to.x()), 15, project().engine.decimalChar));
    EXPECT_EQ(mouse.feedback().kind, DragFeedback::Kind::None);
}

// "Fijar un punto" lists the letters not in use; the chosen one becomes a draggable point at
// the pixel where the menu opened, in one undo step, and its dialog opens when so set.
TEST_F(GraphMouseTest, ContextMenuSetsAPointAtTheMenusPixel) {
    storePoint(1, "1", "2");
    auto* menus = shown.program->graph()->findChild<GraphContextMenu*>();
    const QPoint at = pixelOf(-2, 3) + QPoint(1, 1);
    QMenu* menu = menus->menuAt(at.x(), at.y());
    auto* letters = menu->findChild<QMenu*>("MnSetPoint");
    ASSERT_NE(letters, nullptr);
    const QList<QAction*> items = letterItems(letters);
    ASSERT_EQ(items.size(), 20);
    EXPECT_EQ(items.front()->text(), "Q") << "P is in use";
    EXPECT_EQ(items.back()->text(), "N");

    ProgramObjects& o = shown.program->objects();
    o.objectDefaults.showProperty = false;
    const int before = dataSteps();
    items.front()->trigger();
    EXPECT_EQ(figure(2).kind, FigureKind::Point);
    EXPECT_TRUE(figure(2).drag);
    EXPECT_EQ(figure(2).x.source, axisText(view().xAxis, view().xAxis.toWorld(at.x())));
    EXPECT_EQ(figure(2).y.source, axisText(view().yAxis, view().yAxis.toWorld(at.y())));
    EXPECT_EQ(dataSteps(), before + 1);
    EXPECT_FALSE(shown.program->dialogs()->figureDialog() &&
                 shown.program->dialogs()->figureDialog()->isVisible());

    o.objectDefaults.showProperty = true;
    menus->menuAt(at.x(), at.y())->findChild<QAction*>("SetPoint3")->trigger();
    EXPECT_EQ(figure(3).kind, FigureKind::Point);
    ASSERT_NE(shown.program->dialogs()->figureDialog(), nullptr);
    EXPECT_TRUE(shown.program->dialogs()->figureDialog()->isVisible());
    shown.program->dialogs()->figureDialog()->close();
}

// "Fijar un punto" lists its letters in one column up to six of them; from seven on they stand
// in two columns, the second starting with the letter after the first (n + 1) / 2.
TEST_F(GraphMouseTest, SetPointSplitsIntoTwoColumnsFromSevenLetters) {
    auto* menus = shown.program->graph()->findChild<GraphContextMenu*>();
    const struct {
        int free;
        int secondColumnStart; // 0-based index of the letter at the top of the second column
    } cases[] = {{6, -1}, {7, 4}, {8, 4}, {21, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.free);
        for (int n = 1; n <= 21; ++n)
            project().figures[n].kind = n > c.free ? FigureKind::Point : FigureKind::Empty;
        auto* letters = menus->menuAt(10, 10)->findChild<QMenu*>("MnSetPoint");
        const QList<QAction*> items = letterItems(letters);
        ASSERT_EQ(items.size(), c.free);
        QList<QPoint> places;
        for (QAction* a : items)
            for (auto* b : letters->findChildren<QToolButton*>())
                if (b->defaultAction() == a) {
                    b->parentWidget()->adjustSize();
                    places << b->pos();
                }
        ASSERT_EQ(places.size(), c.free);
        for (int i = 1; i < c.free; ++i) {
            const bool starts = i == c.secondColumnStart;
            EXPECT_EQ(places[i].x() > places[i - 1].x(), starts) << i;
            EXPECT_EQ(places[i].y() > places[i - 1].y(), !starts) << i;
            if (starts) {
                EXPECT_EQ(places[i].y(), places[0].y());
            }
        }
    }
}
