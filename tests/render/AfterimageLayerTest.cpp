#include "document/ParameterStepping.h"
#include "render/PictureFixture.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

using namespace tarlix;

namespace {

// A recording canvas that takes in what a copied canvas shows at the moment of the copy, as an
// image would, so that layers drawn afresh later do not change what was copied before.
// Lines drawn with moveTo and lineTo (traces) are taken in as two-point polylines when asked.
class CopyingCanvas : public RecordingCanvas {
public:
    CopyingCanvas(int width, int height, Color fill = kWhite, bool withLines = false)
        : RecordingCanvas(width, height, fill), withLines_(withLines) {}
    void copyFrom(const Canvas& source, const Rect&, const Rect&, RasterOp) override {
        const auto* r = dynamic_cast<const RecordingCanvas*>(&source);
        if (!r) return;
        for (const auto& l : r->shownPolylines()) polyline(l.data(), l.size());
        if (!withLines_) return;
        for (const auto& [a, b] : r->lines()) {
            const Point ends[2] = {a, b};
            polyline(ends, 2);
        }
    }

private:
    bool withLines_;
};

struct CopyingSurfaces : RecordingSurfaces {
    bool withLines = false;
    std::unique_ptr<Canvas> createImage(int width, int height, Color fill) override {
        return std::make_unique<CopyingCanvas>(width, height, fill, withLines);
    }
};

using Polyline = std::vector<std::pair<int, int>>; // x and y of each point
using Polylines = std::set<Polyline>;

// Every polyline a picture shows, lines included.
Polylines shownBy(ProjectPicture& picture, const View& view) {
    picture.recompute();
    CopyingCanvas canvas(view.xAxis.pixelLength, view.yAxis.pixelLength, kWhite, true);
    CopyingSurfaces surfaces;
    surfaces.withLines = true;
    picture.draw(canvas, surfaces);
    Polylines out;
    for (const auto& l : canvas.shownPolylines()) {
        Polyline points;
        for (const Point& p : l) points.emplace_back(p.x, p.y);
        out.insert(points);
    }
    return out;
}

struct AfterimageLayerTest : tarlix::testing::PictureTest {
    void SetUp() override {
        project.settings.afterimagesOn = true;
        view.setView(-5, 5, -5, 5);
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
        AfterimageStore none;
        ProjectPicture plain(project, view, redraw, none);
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
    view.setView(-10, 10, -10, 10);
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

// A relation with the afterimage flag leaves its whole layer behind at each step, and a moved
// view draws those layers again from the snapshots: each earlier state of C1 is in the picture
// as a plain picture draws it at that value of a.
TEST_F(AfterimageLayerTest, RelationsLeaveAfterimagesThatAMovedViewRebuilds) {
    EquationEntry c = equation("y=a x/4+1");
    c.afterimage = true;
    storeRelation(ctx, 1, c);
    shownBy(picture, view);
    for (int i = 0; i < 3; ++i) {
        stepParameter(project, redraw, 1, 1, false);
        shownBy(picture, view);
    }
    ASSERT_EQ(picture.afterimageStore().size(), 3u);
    EXPECT_NE(picture.afterimageStore()[0].relations[0], kWhite);

    const auto plainAt = [&](Extended a) {
        const Extended kept = project.parameters[1].value;
        setParameter(project, redraw, 1, a);
        AfterimageStore none;
        ProjectPicture plain(project, view, redraw, none);
        const Polylines lines = shownBy(plain, view);
        setParameter(project, redraw, 1, kept);
        redraw.traceRedraw = false;
        return lines;
    };
    const auto holdsAll = [](const Polylines& all, const Polylines& part) {
        return std::includes(all.begin(), all.end(), part.begin(), part.end());
    };
    shownBy(picture, view);
    view.setView(-6, 6, -6, 6);
    const Polylines rebuilt = shownBy(picture, view);
    for (Extended a : {1.0L, 1.1L, 1.2L}) {
        SCOPED_TRACE(static_cast<double>(a));
        EXPECT_TRUE(holdsAll(rebuilt, plainAt(a)));
    }
    // Without the flag the relation is recorded white, that is not at all (a picture of its
    // own: recording canvases keep what a cleared image loses, so its lines cannot show it).
    c.afterimage = false;
    storeRelation(ctx, 1, c);
    AfterimageStore unflaggedStore;
    ProjectPicture unflagged(project, view, redraw, unflaggedStore);
    shownBy(unflagged, view);
    stepParameter(project, redraw, 1, 1, false);
    shownBy(unflagged, view);
    ASSERT_EQ(unflagged.afterimageStore().size(), 1u);
    EXPECT_EQ(unflagged.afterimageStore()[0].relations[0], kWhite);
}

// A point with a trace leaves the path it moved along; after the view moves the path between
// the recorded places is drawn again, at the new scale.
TEST_F(AfterimageLayerTest, TracesAreDrawnAgainFromTheSnapshotsAfterTheViewMoves) {
    FigureEntry p = blankFigure(1);
    p.kind = FigureKind::Point;
    p.x.source = "a";
    p.y.source = "1";
    p.locusWidth = 2;
    storeFigure(ctx, 1, p);
    shownBy(picture, view);
    for (int i = 0; i < 3; ++i) {
        stepParameter(project, redraw, 1, 1, false);
        shownBy(picture, view);
    }
    view.setView(-3, 3, -3, 3);
    const Polylines rebuilt = shownBy(picture, view);
    const int y = view.yAxis.toPixel(1);
    for (const auto& [from, to] : {std::pair{1.0L, 1.1L}, std::pair{1.1L, 1.2L}}) {
        SCOPED_TRACE(static_cast<double>(from));
        const Polyline trace{{view.xAxis.toPixel(from), y}, {view.xAxis.toPixel(to), y}};
        EXPECT_TRUE(rebuilt.count(trace));
    }
}

// Rebuilding the afterimages computes each recorded function for the oldest snapshot and then
// only where a snapshot changed what it reads: y2 does not use a and is sampled once, while y1
// and y3 (which reads y1) follow every step.
TEST_F(AfterimageLayerTest, ARebuildSamplesOnlyTheFunctionsAStepChanged) {
    for (const auto& [n, text] : {std::pair{2, "b x/2"}, std::pair{3, "y1+1"}}) {
        EquationEntry f = equation(text);
        f.afterimage = true;
        storeExplicitFunction(ctx, n, f);
    }
    fullLines();
    for (int i = 0; i < 3; ++i) {
        stepParameter(project, redraw, 1, 1, false);
        fullLines();
    }
    std::map<int, int> sampled;
    picture.observeSampling([&](int n) { ++sampled[n]; });
    view.setView(-10, 10, -10, 10);
    fullLines();
    // Each is sampled for the present when the view moved and once more when the present comes
    // back after the rebuild; in between y1 and y3 three times (one per snapshot), y2 once.
    EXPECT_EQ(sampled, (std::map<int, int>{{1, 5}, {2, 3}, {3, 5}}));

    // A step samples only what uses a.
    sampled.clear();
    stepParameter(project, redraw, 1, 1, false);
    fullLines();
    EXPECT_EQ(sampled, (std::map<int, int>{{1, 1}, {3, 1}}));
}
