#include "document/ObjectTokens.h"
#include "document/ParameterStepping.h"
#include "render/PictureFixture.h"

#include <algorithm>

using namespace tarlix;

namespace {
struct ParameterRedrawTest : tarlix::testing::PictureTest {};
} // namespace

// A function drawn from random numbers would change if it were computed again, so it shows
// that a step leaves the functions that do not use the parameter as they were.
TEST_F(ParameterRedrawTest, AStepRecomputesOnlyTheFunctionsThatUseTheParameter) {
    storeY(1, "a x");
    storeY(2, "x + rnd(1)"); // random in every column: drawn in many pieces
    // y1 is one straight segment across the view; the random function comes in pieces.
    const int width = view.xAxis.pixelLength;
    auto isY1 = [&](const std::vector<Point>& l) {
        return l.size() == 2 && l.front().x <= 0 && l.back().x >= width - 1;
    };
    auto y1Line = [&](const std::vector<std::vector<Point>>& lines) {
        return *std::find_if(lines.begin(), lines.end(), isY1);
    };
    auto randomPieces = [&](std::vector<std::vector<Point>> lines) {
        lines.erase(std::remove_if(lines.begin(), lines.end(), isY1), lines.end());
        std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(),
                [](Point p, Point q) { return p.x != q.x ? p.x < q.x : p.y < q.y; });
        });
        return lines;
    };
    const auto before = drawn();
    ASSERT_GT(before.size(), 2u);
    ASSERT_EQ(randomPieces(drawn()), randomPieces(before)); // nothing dirty: nothing recomputed

    stepParameter(project, redraw, 1, 1, false);
    const auto after = drawn();
    EXPECT_NE(y1Line(after), y1Line(before));
    EXPECT_EQ(randomPieces(after), randomPieces(before));

    // Marking the random function recomputes it: the comparison above can tell.
    markChanged(project, redraw, explicitFunctionToken(2));
    EXPECT_NE(randomPieces(drawn()), randomPieces(before));
}
