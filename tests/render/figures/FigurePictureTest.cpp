#include "FigureFixture.h"

#include "document/ObjectTokens.h"
#include "platform/RecordingPicture.h"
#include "render/ProjectPicture.h"

#include <algorithm>

using namespace tarlix;
using namespace tarlix::testing;

namespace {

// Every call that shows on the canvas, its own and those of the images copied onto it, in
// drawing order.
void collectShown(const RecordingCanvas& c, std::vector<const RecordedCall*>& out) {
    for (const RecordedCall& call : c.calls()) {
        out.push_back(&call);
        const auto* copied = dynamic_cast<const RecordingCanvas*>(call.source);
        if (call.kind == CanvasCall::CopyFrom && copied && copied != &c) collectShown(*copied, out);
    }
}

struct FigurePictureTest : FigureTest {
    ProjectPicture picture{doc};
    RecordingSurfaces surfaces;
    std::unique_ptr<RecordingCanvas> canvas;

    std::vector<const RecordedCall*> draw() {
        picture.recompute();
        canvas = std::make_unique<RecordingCanvas>(200, 200);
        picture.draw(*canvas, surfaces);
        std::vector<const RecordedCall*> shown;
        collectShown(*canvas, shown);
        return shown;
    }
    static std::vector<Rect> ellipses(const std::vector<const RecordedCall*>& calls) {
        std::vector<Rect> out;
        for (const RecordedCall* c : calls)
            if (c->kind == CanvasCall::Ellipse) out.push_back(c->rect);
        std::sort(out.begin(), out.end(), [](Rect a, Rect b) {
            return std::pair{a.top, a.left} < std::pair{b.top, b.left};
        });
        return out;
    }
    static std::vector<std::pair<Point, Point>> lines(const std::vector<const RecordedCall*>& calls,
                                                      int width) {
        std::vector<std::pair<Point, Point>> out;
        for (const RecordedCall* c : calls)
            if (c->kind == CanvasCall::LineTo && c->pen.width == width)
                out.emplace_back(c->points[0], c->points[1]);
        return out;
    }
    static int countTexts(const std::vector<const RecordedCall*>& calls, const std::string& t) {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](auto* c) {
            return c->kind == CanvasCall::TextOut && c->text == t;
        }));
    }
};

} // namespace

// P = (1, a) and y1 = P.y: after a step of a the point and the function both show at the new
// height, and nothing stays at the old one.
TEST_F(FigurePictureTest, FiguresAndTheFunctionsReadingThemFollowAParameter) {
    store(1, figure(1, FigureKind::Point, "1", "a"));
    store(2, figure(2, FigureKind::Point, "-1", "-1")); // unchanged by a
    storeY(1, "P.y");
    auto shown = draw();
    EXPECT_EQ(ellipses(shown), (std::vector<Rect>{{118, 78, 123, 83}, {78, 118, 83, 123}}));
    setParameterValue(ctx, 1, 2);
    shown = draw();
    EXPECT_EQ(ellipses(shown), (std::vector<Rect>{{118, 58, 123, 63}, {78, 118, 83, 123}}));
    std::vector<std::vector<Point>> functionLines = canvas->shownPolylines();
    ASSERT_FALSE(functionLines.empty());
    for (const auto& line : functionLines)
        for (const Point& p : line) EXPECT_EQ(p.y, 60);
}

TEST_F(FigurePictureTest, HollowRingsComeLastAndCurvesAreDrawn) {
    FigureEntry hollow = figure(1, FigureKind::Point, "0", "0");
    hollow.hollow = true;
    store(1, hollow);
    FigureEntry filled = figure(2, FigureKind::Circle, "0", "0", "1");
    filled.fillColor = 0x00FFFF;
    store(2, filled);
    store(3, curve(3, "cos t", "sin t", 0.5));
    const auto shown = draw();
    const auto last = std::find_if(shown.rbegin(), shown.rend(), [](auto* c) {
        return c->kind == CanvasCall::Ellipse || c->kind == CanvasCall::Polyline;
    });
    ASSERT_NE(last, shown.rend());
    EXPECT_EQ((*last)->kind, CanvasCall::Ellipse);
    EXPECT_EQ((*last)->pen.mode, PenMode::Copy);
    EXPECT_EQ((*last)->brush.color, kWhite);
    EXPECT_EQ(canvas->shownPolylines().size(), 1u);
    EXPECT_EQ(canvas->shownPolylines()[0].size(), 14u);
}

TEST_F(FigurePictureTest, ALabelledPointOTakesTheOriginLabelsPlace) {
    EXPECT_EQ(countTexts(draw(), "O"), 1) << "the axes' own origin label";
    FigureEntry o = figure(kFigures, FigureKind::Point, "0", "0");
    o.labelPosition = 2;
    store(kFigures, o);
    const auto shown = draw();
    ASSERT_EQ(countTexts(shown, "O"), 1);
    const auto label = std::find_if(shown.begin(), shown.end(), [](auto* c) {
        return c->kind == CanvasCall::TextOut && c->text == "O";
    });
    EXPECT_GT((*label)->points[0].y, 100) << "below left of the origin: the figure's label";
}

// P = (a, 0) with a trace of width 2: every step of a adds the piece it moved along. When the
// view moves, the afterimages hold the places P was drawn at, and the path is drawn again at
// the new scale.
TEST_F(FigurePictureTest, AMovingPointLeavesItsTraceThatAMovedViewDrawsAgain) {
    FigureEntry p = figure(1, FigureKind::Point, "a", "0");
    p.locusWidth = 2;
    store(1, p);
    draw();
    setParameterValue(ctx, 1, 2);
    EXPECT_EQ(lines(draw(), 2), (std::vector<std::pair<Point, Point>>{{{120, 100}, {140, 100}}}));
    setParameterValue(ctx, 1, 3);
    EXPECT_EQ(lines(draw(), 2), (std::vector<std::pair<Point, Point>>{{{120, 100}, {140, 100}},
                                                                      {{140, 100}, {160, 100}}}));
    EXPECT_EQ(lines(draw(), 2).size(), 2u) << "a redraw that is no step keeps the trace";
    view.setView(-4, 6, -5, 5);
    EXPECT_EQ(lines(draw(), 2), (std::vector<std::pair<Point, Point>>{{{100, 100}, {120, 100}},
                                                                      {{120, 100}, {140, 100}}}));
}

// A random point moves at every redraw though nothing marks it: it is drawn where it is now,
// also after another figure's change left it in the picture's base.
TEST_F(FigurePictureTest, APointThatMovesOfItselfIsNotLeftBehind) {
    store(1, figure(1, FigureKind::Point, "4rnd(1)-2", "4"));
    store(2, figure(2, FigureKind::Point, "a", "-4"));
    draw();
    setParameterValue(ctx, 1, 2);
    draw();
    const auto shown = draw();
    const Point p{view.xAxis.toPixel(at(1).x), view.yAxis.toPixel(at(1).y)};
    EXPECT_EQ(ellipses(shown),
              (std::vector<Rect>{{p.x - 2, p.y - 2, p.x + 3, p.y + 3}, {138, 178, 143, 183}}));
}
