// Animation with afterimages at 800 x 600: a project of 20 objects (8 explicit functions,
// 2 relations scanned with cells of 2 pixels, 6 figures, 4 connected figures), a quarter of
// them using the parameter a. One step of a (recompute and draw what depends on a) with
// afterimages off and on, next to a full redraw; and the afterimage layer drawn again from 500
// snapshots after the view moved, next to 500 steps.
#include "BenchPicture.h"
#include "document/ObjectTokens.h"
#include "document/ParameterStepping.h"
#include "document/SegmentEdit.h"

using namespace tarlix;
using namespace tarlix::bench;

namespace {

constexpr int kSnapshots = 500;

const char* const kFunctions[] = {
    "a sin x", "x^2/4-a", "cos(2x)", "x^2/4-2", "Sqrt(x+5)", "1/(x^2+1)", "x/3", "exp(-x^2)",
};
const char* const kPoints[][2] = {{"a", "1"}, {"0", "0"}, {"2", "2"}, {"-2", "1"}, {"-1", "-2"}};

struct AfterimageProject : BenchPicture {
    int direction = 1;

    AfterimageProject() : BenchPicture(-5, 5, -5, 5) {
        project.settings.scanWidth = 2;
        for (int n = 1; n <= 8; ++n) {
            EquationEntry f = blankEquation();
            f.expr.source = kFunctions[n - 1];
            f.afterimage = n <= 2;
            storeExplicitFunction(ctx, n, f);
        }
        for (int n = 1; n <= 2; ++n) {
            EquationEntry r = blankEquation();
            r.expr.source = n == 1 ? "x^2/9+y^2/4<1" : "x^2+y^2<a+3";
            storeRelation(ctx, n, r);
        }
        for (int n = 1; n <= 5; ++n) {
            FigureEntry f = blankFigure(n);
            f.kind = FigureKind::Point;
            f.x.source = kPoints[n - 1][0];
            f.y.source = kPoints[n - 1][1];
            f.pointAfterimage = n == 1;
            storeFigure(ctx, n, f);
        }
        FigureEntry circle = blankFigure(6);
        circle.kind = FigureKind::Circle;
        circle.x.source = "1";
        circle.y.source = "-1";
        circle.radius.source = "1";
        storeFigure(ctx, 6, circle);
        const int ends[][2] = {{1, 2}, {2, 3}, {3, 4}, {4, 5}};
        for (const auto& e : ends) addSegment(ctx, PenDefaults{}, e[0], e[1]);
        project.segments[1].afterimage = true;
        picture.recompute();
        drawPicture();
    }

    void step() {
        // Up and down in turn, so that a stays in view.
        stepParameter(project, redraw, 1, direction, false);
        direction = -direction;
        picture.recompute();
        drawPicture();
    }
};

AfterimageProject& afterimageProject() {
    static AfterimageProject p;
    return p;
}

void stepWithoutAfterimages(benchmark::State& state) {
    AfterimageProject& p = afterimageProject();
    p.project.settings.afterimagesOn = false;
    for (auto _ : state) p.step();
}

void stepWithAfterimages(benchmark::State& state) {
    AfterimageProject& p = afterimageProject();
    p.project.settings.afterimagesOn = true;
    for (auto _ : state) p.step();
    p.picture.afterimageStore().clear();
}

void fullRedraw(benchmark::State& state) {
    AfterimageProject& p = afterimageProject();
    for (auto _ : state) {
        p.redraw.markEverything();
        p.picture.recompute();
        p.drawPicture();
    }
}

// The store filled by 500 steps that go one way, then the view moves: the afterimage layer is
// drawn again from every snapshot.
void replay500AfterViewChange(benchmark::State& state) {
    AfterimageProject& p = afterimageProject();
    p.project.settings.afterimagesOn = true;
    p.picture.afterimageStore().clear();
    for (int i = 0; i < kSnapshots; ++i) {
        stepParameter(p.project, p.redraw, 1, i < kSnapshots / 2 ? 1 : -1, false);
        p.picture.recompute();
        p.drawPicture();
    }
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        p.view.setView(wide ? -6 : -5, wide ? 6 : 5, -5, 5);
        p.picture.recompute();
        p.drawPicture();
    }
    p.picture.afterimageStore().clear();
}

void steps500(benchmark::State& state) {
    AfterimageProject& p = afterimageProject();
    p.project.settings.afterimagesOn = true;
    for (auto _ : state)
        for (int i = 0; i < kSnapshots; ++i) p.step();
    p.picture.afterimageStore().clear();
}

} // namespace

BENCHMARK(stepWithoutAfterimages)->Unit(benchmark::kMicrosecond);
BENCHMARK(stepWithAfterimages)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(replay500AfterViewChange)->Unit(benchmark::kMillisecond);
BENCHMARK(steps500)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
