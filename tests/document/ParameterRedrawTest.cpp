#include "ProjectFixture.h"
#include "document/ObjectTokens.h"
#include "document/ParameterStepping.h"
#include "platform/RecordingCanvas.h"
#include "platform/RecordingPicture.h"
#include "render/ProjectPicture.h"

using namespace tarlix;

namespace {
struct ParameterRedrawTest : tarlix::testing::ProjectTest {
    ProjectPicture picture{project, view, redraw};
    std::vector<std::vector<Point>> drawn() {
        picture.recompute();
        RecordingCanvas canvas(view.XAxis.PixelLength, view.YAxis.PixelLength);
        RecordingSurfaces surfaces;
        picture.draw(canvas, surfaces);
        return canvas.polylines();
    }
};
} // namespace

// A function drawn from random numbers would change if it were computed again, so it shows
// that a step leaves the functions that do not use the parameter as they were.
TEST_F(ParameterRedrawTest, AStepRecomputesOnlyTheFunctionsThatUseTheParameter) {
    storeY(1, "a x");
    storeY(2, "x + rnd(1)"); // random in every column: drawn in many pieces
    auto randomPieces = [](std::vector<std::vector<Point>> lines) {
        lines.erase(lines.begin()); // y1's line comes first
        return lines;
    };
    const auto before = drawn();
    ASSERT_GT(before.size(), 2u);
    ASSERT_EQ(drawn(), before); // nothing dirty: nothing recomputed

    stepParameter(project, redraw, 1, 1, false);
    const auto after = drawn();
    EXPECT_NE(after[0], before[0]);
    EXPECT_EQ(randomPieces(after), randomPieces(before));

    // Marking the random function recomputes it: the comparison above can tell.
    markChanged(project, redraw, explicitFunctionToken(2));
    EXPECT_NE(randomPieces(drawn()), randomPieces(before));
}
