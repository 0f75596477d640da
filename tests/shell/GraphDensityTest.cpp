#include "ProgramFixture.h"
#include "shell/BackgroundPicture.h"
#include "shell/GraphWindow.h"

#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

bool isWhite(QRgb c) {
    return (c | 0xFF000000u) == qRgb(255, 255, 255);
}

} // namespace

// On a screen of density 2 the picture and the strips have two image pixels to each pixel of
// the view, the window keeps its size, and the mouse still works in the view's pixels.
TEST(GraphDensity, ThePictureFollowsTheScreensDensity) {
    tarlix::testing::ProgramShowingAx shown;
    Program& program = *shown.program;
    View& view = program.objects().document.view;
    Document& ctx = program.context();
    FigureEntry p = blankFigure(1);
    p.kind = FigureKind::Point;
    p.x.source = "1";
    p.y.source = "2";
    p.drag = true;
    storeFigure(ctx, 1, p);
    GraphImageWidget* picture = program.graph()->graphImage();
    const QSize plain = picture->image().size();
    const QSize widget = picture->size();
    const PixelPoint at = view.toPoint(1, 2);
    const Extended bounds[] = {view.xAxis.low, view.xAxis.high, view.yAxis.low, view.yAxis.high};

    program.screenDensity = [] { return 2.0; };
    program.repaintGraph();
    const QImage dense = picture->image();
    EXPECT_EQ(dense.devicePixelRatio(), 2);
    EXPECT_EQ(dense.size(), plain * 2);
    EXPECT_EQ(picture->size(), widget);
    EXPECT_FALSE(isWhite(dense.pixel(2 * at.x, 2 * at.y))) << "the point where it was";
    // With the origin out of view both axes are drawn in their strips.
    view.setView(50, 60, 50, 60);
    for (GraphImageWidget* strip : {program.graph()->xStrip(), program.graph()->yStrip()}) {
        ASSERT_FALSE(strip->image().isNull());
        EXPECT_EQ(strip->image().devicePixelRatio(), 2);
        EXPECT_EQ(strip->size(), strip->image().deviceIndependentSize().toSize());
    }
    view.setView(bounds[0], bounds[1], bounds[2], bounds[3]);

    QMouseEvent hover(QEvent::MouseMove, QPointF(at.x, at.y),
                      picture->mapToGlobal(QPointF(at.x, at.y)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(picture, &hover);
    EXPECT_EQ(picture->cursor().shape(), Qt::OpenHandCursor);

    program.screenDensity = [] { return 1.0; };
    program.repaintGraph();
    EXPECT_EQ(picture->image().size(), plain);
}

// A background picture lies where it lies on a plain drawing, in the dense drawing's pixels.
TEST(GraphDensity, TheBackgroundIsPlacedOnTheViewsPixels) {
    QTemporaryDir folder;
    QImage red(100, 50, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString path = folder.filePath("red.png");
    ASSERT_TRUE(red.save(path));
    BackgroundPicture background;
    QString reason;
    ASSERT_TRUE(background.load(path, reason));
    QImage drawing(800, 600, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    drawing.setDevicePixelRatio(2);
    const QImage composed = background.composeUnder(drawing, 0);
    EXPECT_EQ(composed.devicePixelRatio(), 2);
    const PicturePlace place = backgroundPlace(400, 300, 100, 50, 0);
    const auto colourAt = [&](int x, int y) { return QColor(composed.pixel(x, y)); };
    EXPECT_EQ(colourAt(2 * place.left, 2 * place.top), QColor(Qt::red));
    EXPECT_EQ(colourAt(2 * (place.left + place.width) - 1, 2 * (place.top + place.height) - 1),
              QColor(Qt::red));
    EXPECT_EQ(colourAt(2 * place.left - 1, 2 * place.top), QColor(Qt::white));
    EXPECT_EQ(colourAt(2 * (place.left + place.width), 2 * place.top), QColor(Qt::white));
}
