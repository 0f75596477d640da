#include "FigureFixture.h"

#include "render/figures/FigureLabel.h"

using namespace tarlix;
using namespace tarlix::testing;

namespace {

// The recording canvas measures the labels' size 13 font 17 pixels high and 8 wide a
// character: "AB" is 16 x 17. With the font size 12, a = 12 / 5 = 2 and b = 12 / 3 = 4.
constexpr int w = 16, h = 17, a = 2, b = 4;

Point labelAt(FigureTest& t, int position, FigureKind kind, Point anchor) {
    RecordingCanvas c(200, 200);
    drawFigureLabel(t.view, c, FigureLabel{position, "AB", 1, kind, anchor});
    const auto texts = c.callsOf(CanvasCall::TextOut);
    EXPECT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.front()->brush.style, BrushStyle::Clear);
    return texts.front()->points.front();
}

} // namespace

TEST_F(FigureTest, ALabelSitsAtOneOfNinePlacesAroundItsPoint) {
    const Point p{100, 60};
    const struct {
        int position;
        Point at;
    } cases[] = {
        {1, {p.x - w - a, p.y - h - a}}, {2, {p.x - w - a, p.y + a}},
        {3, {p.x + a, p.y - h - a}},     {4, {p.x + a, p.y + a}},
        {5, {p.x - w / 2, p.y - h / 2}}, {6, {p.x - w / 2, p.y - h - b}},
        {7, {p.x - w / 2, p.y + b}},     {8, {p.x - w - b, p.y - h / 2}},
        {9, {p.x + b, p.y - h / 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(labelAt(*this, c.position, FigureKind::Point, p), c.at) << c.position;
}

TEST_F(FigureTest, ALineCarriesItsLabelToTheEdgeOrTheMiddleOfTheDrawing) {
    const Point p{100, 60};
    const struct {
        int position;
        FigureKind kind;
        Point at;
    } cases[] = {
        {1, FigureKind::HorizontalLine, {a, p.y - h - a}},
        {9, FigureKind::HorizontalLine, {200 - w, p.y - h / 2}},
        {5, FigureKind::HorizontalLine, {100 - w / 2, p.y - h / 2}},
        {7, FigureKind::HorizontalLine, {100 - w / 2, p.y + b}},
        {6, FigureKind::VerticalLine, {p.x - w / 2, a}},
        {4, FigureKind::VerticalLine, {p.x + a, 200 - h - a}},
        {8, FigureKind::VerticalLine, {p.x - w - b, 100 - h / 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(labelAt(*this, c.position, c.kind, p), c.at)
            << c.position << " " << static_cast<int>(c.kind);
}

TEST_F(FigureTest, FiguresAreLabelledOnTheMainCanvasOnly) {
    FigureEntry f = figure(1, FigureKind::Point, "0", "0");
    f.labelPosition = 4;
    f.pointAfterimage = true;
    store(1, f);
    FigureEntry unlabelled = figure(2, FigureKind::Point, "1", "1");
    unlabelled.labelPosition = 0;
    store(2, unlabelled);
    FigureEntry empty = figure(3, FigureKind::Point, "2", "2");
    empty.labelPosition = 3;
    empty.label.clear();
    store(3, empty);
    update();
    RecordingCanvas main(200, 200), second(200, 200);
    drawFigures(drawing(&main, &second), project.figures, view.positions);
    EXPECT_EQ(main.texts(), std::vector<std::string>{"P"});
    EXPECT_EQ(main.callsOf(CanvasCall::TextOut)[0]->points[0], (Point{100 + a, 100 + a}));
    EXPECT_TRUE(second.texts().empty());
}

// With the project's markup, a label's tags style it and its live fields show values: the
// tags are not written out, and the field shows the parameter's value.
TEST_F(FigureTest, ALabelIsDrawnAsMemoMarkup) {
    project.parameters[1].value = 3;
    copyToEvaluator(project.parameters, parameters);
    const MarkupEnv markup{project.engine, project, parameters, {}};
    RecordingCanvas c(200, 200);
    drawFigureLabel(view, c, FigureLabel{4, "<B>P a=!{a}", 1, FigureKind::Point, Point{50, 50}},
                    &markup);
    std::string written;
    for (const RecordedCall* call : c.callsOf(CanvasCall::TextOut)) written += call->text;
    EXPECT_EQ(written.find('<'), std::string::npos) << written;
    EXPECT_NE(written.find('3'), std::string::npos) << written;
    EXPECT_EQ(written.find('!'), std::string::npos) << written;
}
