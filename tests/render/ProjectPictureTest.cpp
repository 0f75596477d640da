#include "base/WorkBudget.h"
#include "document/ObjectTokens.h"
#include "render/PictureFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarlix;

namespace {
struct ProjectPictureTest : tarlix::testing::PictureTest {};
} // namespace

TEST_F(ProjectPictureTest, DrawsTheProjectsFunctionsAndFollowsParameters) {
    EXPECT_TRUE(drawn().empty()); // only the axes
    storeY(1, "a x^2");
    storeY(2, "1/x");
    const auto first = drawn();
    EXPECT_EQ(first.size(), 3u); // the parabola, and 1/x in two pieces
    EXPECT_FALSE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(1))));

    // A parameter change marks only its users; their samples follow the new value.
    project.parameters[1].value = 0; // a = 0: y1 lies on the x axis
    markChanged(project, redraw, Token::ParamA);
    EXPECT_TRUE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(1))));
    EXPECT_FALSE(redraw.isDirty(static_cast<std::uint8_t>(explicitFunctionToken(2))));
    const auto second = drawn();
    ASSERT_EQ(second.size(), 3u);
    // Exactly one line changed: the parabola became a line along the x axis; the two pieces
    // of 1/x kept their samples.
    const auto missingFrom = [](const auto& lines, const auto& others) {
        std::vector<std::vector<Point>> out;
        for (const auto& l : lines)
            if (std::find(others.begin(), others.end(), l) == others.end()) out.push_back(l);
        return out;
    };
    ASSERT_EQ(missingFrom(first, second).size(), 1u);
    const auto changed = missingFrom(second, first);
    ASSERT_EQ(changed.size(), 1u);
    const int axisRow = view.yAxis.toPixel(0);
    for (const Point& p : changed[0]) EXPECT_EQ(p.y, axisRow);
}

// Changed ticks alone (a scale button, a grid setting) draw the axes and grid again; forced
// relations are split and scanned again though none of them changed.
TEST_F(ProjectPictureTest, ChangedTicksAndForcedRelationsAreDrawnAgain) {
    struct CountingSurfaces : RecordingSurfaces {
        int images = 0;
        std::unique_ptr<Canvas> createImage(int width, int height, Color fill) override {
            ++images;
            return RecordingSurfaces::createImage(width, height, fill);
        }
    };
    const auto imagesDrawn = [&] {
        picture.recompute();
        RecordingCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength);
        CountingSurfaces surfaces;
        picture.draw(canvas, surfaces);
        return surfaces.images;
    };
    storeY(1, "x^2");
    imagesDrawn();
    const int unchanged = imagesDrawn();
    view.gridStyle = GridStyle::Crosses;
    redraw.ticksChanged = true;
    EXPECT_GT(imagesDrawn(), unchanged) << "the axes and grid were not drawn again";

    storeRelation(ctx, 1, equation("x^2+y^2<4"));
    picture.recompute();
    int rescans = 0;
    picture.observeRelationScans([&](int n) { rescans += n == 1; });
    picture.recompute();
    EXPECT_EQ(rescans, 0);
    redraw.relationsForced = true;
    picture.recompute();
    EXPECT_EQ(rescans, 1);
}

// A label's live field reads the picture's own view: «area(0)» is its smallest x.
TEST_F(ProjectPictureTest, LabelFieldsReadTheViewsArea) {
    view.setView(-7, 5, -5, 5);
    FigureEntry p = point(1, "1", "1");
    p.label = "x>!{area(0)}";
    p.labelPosition = 3;
    storeFigure(ctx, 1, p);
    picture.recompute();
    RecordingCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength);
    RecordingSurfaces surfaces;
    picture.draw(canvas, surfaces);
    std::string written;
    for (const RecordedCall* call : canvas.callsOf(CanvasCall::TextOut)) written += call->text;
    EXPECT_NE(written.find("-7"), std::string::npos) << written;
}

// A redraw has a budget of its own beside each value's step budget: once it runs out, every
// value still to come is undefined at once, so the redraw ends with what it had computed.
TEST_F(ProjectPictureTest, ARedrawWhoseBudgetRunsOutEndsWithWhatItComputed) {
    storeY(1, "x");
    storeY(2, "Sum(k,1,10000,Sum(n,1,10000,k n x))"); // each value takes its whole step budget
    storeY(3, "sin x");
    CountedBudget budget(5);
    picture.setBudget(&budget);
    std::vector<int> sampled;
    picture.observeSampling([&](int n) { sampled.push_back(n); });
    const auto lines = drawn();
    EXPECT_TRUE(budget.ranOut());
    EXPECT_EQ(sampled, (std::vector<int>{1, 2, 3})) << "every function was visited";
    EXPECT_EQ(lines.size(), 1u) << "only y1 was computed before the budget ran out";
}
