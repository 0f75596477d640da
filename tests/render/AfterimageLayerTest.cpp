#include "document/ParameterStepping.h"
#include "render/PictureFixture.h"

#include <algorithm>
#include <array>
#include <set>

using namespace tarlix;

namespace {

// A recording canvas that takes in what a copied canvas shows at the moment of the copy, as an
// image would, so that layers drawn afresh later do not change what was copied before.
class CopyingCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    void copyFrom(const Canvas& source, const Rect&, const Rect&, RasterOp) override {
        if (const auto* r = dynamic_cast<const RecordingCanvas*>(&source))
            for (const auto& l : r->shownPolylines()) polyline(l.data(), l.size());
    }
};

struct CopyingSurfaces : RecordingSurfaces {
    std::unique_ptr<Canvas> createImage(int width, int height, Color fill) override {
        return std::make_unique<CopyingCanvas>(width, height, fill);
    }
};

struct AfterimageLayerTest : tarlix::testing::PictureTest {
    void SetUp() override {
        project.settings.afterimagesOn = true;
        view.setView(nullptr, -5, 5, -5, 5);
        EquationEntry f = equation("a x");
        f.afterimage = true;
        storeExplicitFunction(ctx, 1, f);
    }
    // The straight lines across the whole view: y1 and its afterimages.
    using Line = std::array<int, 4>; // x and y of both ends
    std::set<Line> fullLines() {
        const int width = view.xAxis.pixelLength;
        picture.recompute();
        CopyingCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength);
        CopyingSurfaces surfaces;
        picture.draw(canvas, surfaces);
        std::set<Line> lines;
        for (const auto& l : canvas.shownPolylines())
            if (l.size() == 2 && l.front().x <= 0 && l.back().x >= width - 1)
                lines.insert({l[0].x, l[0].y, l[1].x, l[1].y});
        return lines;
    }
    // y1 at a, drawn by a picture of its own that holds no afterimages.
    Line lineAt(Extended a) {
        const Extended kept = project.parameters[1].value;
        setParameter(project, redraw, 1, a);
        ProjectPicture plain(project, view, redraw);
        plain.recompute();
        CopyingCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength);
        CopyingSurfaces surfaces;
        plain.draw(canvas, surfaces);
        setParameter(project, redraw, 1, kept);
        redraw.traceRedraw = false;
        const auto lines = canvas.shownPolylines();
        const auto l = std::find_if(lines.begin(), lines.end(),
                                    [](const auto& line) { return line.size() == 2; });
        return l == lines.end() ? Line{} : Line{(*l)[0].x, (*l)[0].y, (*l)[1].x, (*l)[1].y};
    }
};

} // namespace

TEST_F(AfterimageLayerTest, SteppingLeavesEachEarlierStateBehindAndAMovedViewRebuildsThem) {
    fullLines();
    for (int i = 0; i < 3; ++i) {
        stepParameter(project, redraw, 1, 1, false);
        fullLines();
    }
    EXPECT_EQ(picture.afterimageStore().size(), 3u);
    EXPECT_EQ(fullLines().size(), 4u); // a = 1.3 now, and the afterimages of 1, 1.1, 1.2

    const Extended now = project.parameters[1].value;
    view.setView(nullptr, -10, 10, -10, 10);
    const auto rebuilt = fullLines();
    EXPECT_EQ(rebuilt.size(), 4u);
    for (Extended a : {1.0L, 1.1L, 1.2L}) {
        SCOPED_TRACE(static_cast<double>(a));
        EXPECT_TRUE(rebuilt.count(lineAt(a)));
    }
    EXPECT_EQ(project.parameters[1].value, now); // the replay gave the present back
}

TEST_F(AfterimageLayerTest, WithoutTheSwitchOrAfterAClearNothingIsLeftBehind) {
    project.settings.afterimagesOn = false;
    fullLines();
    stepParameter(project, redraw, 1, 1, false);
    EXPECT_EQ(fullLines().size(), 1u);
    EXPECT_TRUE(picture.afterimageStore().empty());

    project.settings.afterimagesOn = true;
    fullLines();
    stepParameter(project, redraw, 1, 1, false);
    EXPECT_EQ(fullLines().size(), 2u);
    picture.afterimageStore().clear();
    EXPECT_EQ(fullLines().size(), 1u);
}

TEST_F(AfterimageLayerTest, LeavingAnAfterimageNowKeepsEveryObjectShown) {
    storeY(2, "x + 1"); // no afterimage flag of its own
    fullLines();
    picture.leaveAfterimageNow();
    ASSERT_EQ(picture.afterimageStore().size(), 1u);
    EXPECT_NE(picture.afterimageStore()[0].functions[1], kWhite);
    stepParameter(project, redraw, 1, 1, false);
    EXPECT_EQ(fullLines().size(), 3u); // y1 now, and y1 and y2 left behind
}
