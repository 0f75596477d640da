// One animation step (a parameter stepped, the functions that use it recomputed, the picture
// drawn into an 800 x 600 image) next to a full redraw of the same project (every function
// recomputed and drawn). Eight explicit functions, four of which use the parameter a.
#include "document/ObjectTokens.h"
#include "document/ParameterStepping.h"
#include "document/ProjectEdit.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtSurfaces.h"
#include "render/ProjectPicture.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace tarlix;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

const char* const kFunctions[] = {
    "a sin x", "x^2/4-a", "a x^3/10-x", "exp(-x^2/2)a+1",
    "cos(2x)", "x^2/4-2", "Sqrt(x+5)",  "1/(x^2+1)",
};

struct AnimationProject {
    Project project;
    RedrawState redraw;
    View view{redraw, ViewDefaults{}};
    RecordingMessageBox messages;
    DocumentHooks hooks;
    ProjectContext ctx{project, view, messages, hooks};
    ProjectPicture picture{project, view, redraw};
    QtSurfaces surfaces;
    int direction = 1;

    AnimationProject() {
        view.areaRectify = false;
        view.xAxis.pixelLength = kWidth;
        view.yAxis.pixelLength = kHeight;
        view.setView(nullptr, -5, 5, -5, 5);
        for (int n = 1; n <= 8; ++n) {
            EquationEntry f = blankEquation();
            f.expr.source = kFunctions[n - 1];
            storeExplicitFunction(ctx, n, f);
        }
        picture.recompute();
    }

    void drawPicture() {
        QtImageCanvas canvas(kWidth, kHeight);
        picture.draw(canvas, surfaces);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
};

AnimationProject& animationProject() {
    static AnimationProject p;
    return p;
}

void animationStep(benchmark::State& state) {
    AnimationProject& p = animationProject();
    for (auto _ : state) {
        // Up and down in turn, so that a stays in view.
        stepParameter(p.project, p.redraw, 1, p.direction, false);
        p.direction = -p.direction;
        p.picture.recompute();
        p.drawPicture();
    }
}

void fullRedraw(benchmark::State& state) {
    AnimationProject& p = animationProject();
    for (auto _ : state) {
        for (int n = 1; n <= 8; ++n) markChanged(p.project, p.redraw, explicitFunctionToken(n));
        p.picture.recompute();
        p.drawPicture();
    }
}

// The two halves of a step apart: what recomputing costs, and what drawing costs.
void recomputeAfterStep(benchmark::State& state) {
    AnimationProject& p = animationProject();
    for (auto _ : state) {
        stepParameter(p.project, p.redraw, 1, p.direction, false);
        p.direction = -p.direction;
        p.picture.recompute();
    }
}

void recomputeAll(benchmark::State& state) {
    AnimationProject& p = animationProject();
    for (auto _ : state) {
        for (int n = 1; n <= 8; ++n) markChanged(p.project, p.redraw, explicitFunctionToken(n));
        p.picture.recompute();
    }
}

void drawOnly(benchmark::State& state) {
    AnimationProject& p = animationProject();
    for (auto _ : state) p.drawPicture();
}

} // namespace

BENCHMARK(recomputeAfterStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(recomputeAll)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(animationStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullRedraw)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv); // text is drawn through Qt's fonts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
