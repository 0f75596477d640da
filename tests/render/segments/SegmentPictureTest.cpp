// The project's picture draws its connected figures over everything else.
#include "render/PictureFixture.h"

#include <algorithm>
#include <tuple>

namespace tarlix::testing {

TEST_F(PictureTest, ConnectedFiguresAreDrawnThroughTheFigurePositions) {
    view.xAxis.pixelLength = view.yAxis.pixelLength = 400;
    view.setView(-5, 5, -5, 5);
    storeFigure(ctx, 1, point(1, "1", "2"));
    storeFigure(ctx, 2, point(2, "-2", "-1"));
    // The positions the figures evaluate to.
    for (const auto& [n, x, y] : {std::tuple{1, 1.0L, 2.0L}, std::tuple{2, -2.0L, -1.0L}}) {
        view.positions[n].kind = FigureKind::Point;
        view.positions[n].x = x;
        view.positions[n].y = y;
    }
    SegmentRecord r;
    r.kind = SegmentKind::Segment;
    r.vertices = {1, 2};
    r.width = 1;
    project.segments.add(r);
    const auto lines = drawn();
    const std::vector<Point> expected{{240, 120}, {120, 240}}; // 40 pixels a unit
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end());
}

} // namespace tarlix::testing
