// Figures in an animation: a project of 22 figures (12 points built from each other with mid,
// intr and rot, 4 circles, 2 lines, 2 parametric and 2 polar curves) at 800 x 600, six of them
// depending on the parameter a. One step of a (the figures that use it recomputed, the picture
// drawn) next to a full redraw of the same project (the view moved: everything recomputed and
// drawn afresh). Then the sampling of a parametric curve (t, f(t)) per sample next to the
// sampling of the explicit function f(x) per column.
//
// TARLIX_FIGURE_PROJECT=PATH writes the project file, so that it can be opened in the program.
#include "BenchPicture.h"
#include "document/ObjectTokens.h"
#include "document/ParameterStepping.h"
#include "document/ProjectFile.h"
#include "expression/Vocabulary.h"
#include "render/explicit/EvaluatorSampler.h"
#include "render/explicit/FunctionSamples.h"
#include "render/explicit/SampleRow.h"
#include "render/figures/CurveSampling.h"

#include <cstdlib>
#include <string>

using namespace tarlix;
using namespace tarlix::bench;

namespace {

constexpr const char* kCurveFunction = "sin x+cos(2x)/2";
constexpr const char* kCurveY = "sin t+cos(2t)/2";

struct FigureText {
    int kind;
    const char* x;
    const char* y;
    const char* r;
};

// P Q R S T U V A B C D E F G H I J K L M N O; a is used by A, B, C, E, G and M.
const FigureText kFigureTexts[] = {
    {1, "-3", "-2", ""},                           // P
    {1, "3", "-1", ""},                            // Q
    {1, "1", "3", ""},                             // R
    {1, "mid(P,Q).x", "mid(P,Q).y", ""},           // S
    {1, "mid(Q,R).x", "mid(Q,R).y", ""},           // T
    {1, "intr(P,T,R,S).x", "intr(P,T,R,S).y", ""}, // U, the centroid
    {1, "rot(R,U,1).x", "rot(R,U,1).y", ""},       // V
    {1, "a", "1", ""},                             // A
    {1, "mid(A,R).x", "mid(A,R).y", ""},           // B
    {1, "rot(A,U,0.5).x", "rot(A,U,0.5).y", ""},   // C
    {1, "mid(P,R).x", "mid(P,R).y", ""},           // D
    {1, "intr(P,R,Q,A).x", "intr(P,R,Q,A).y", ""}, // E
    {2, "U.x", "U.y", "1"},                        // F
    {2, "A.x", "A.y", "a/2"},                      // G
    {2, "D.x", "D.y", "0.5"},                      // H
    {2, "0", "0", "4"},                            // I
    {3, "", "-4", "0.3"},                          // J
    {4, "4", "", "0"},                             // K
    {6, "2cos(3t)", "2sin(2t)", ""},               // L
    {6, "t", "a sin t", ""},                       // M
    {5, "r cos@", "r sin@", "1+cos@"},             // N
    {5, "r cos@", "r sin@", "2sin(3@)"},           // O
};

FigureEntry figureOf(int n, const FigureText& t) {
    FigureEntry f = blankFigure(n);
    f.kind = static_cast<FigureKind>(t.kind);
    f.x.source = t.x;
    f.y.source = t.y;
    f.radius.source = t.r;
    f.pointColor = 0xFF0000;
    f.lineColor = 0x00A000;
    f.lineWidth = 2;
    f.pointSize = 2;
    f.labelPosition = 3;
    if (t.kind == 3 || n == 9) f.fillColor = 0xE0E0FF;
    if (t.kind >= 5) {
        f.paramLetter = t.kind == 5 ? '@' : 't';
        f.paramStep = 0.01L;
        f.curveStyle = 1;
        if (n == 20) {
            f.paramLow.source = "-5";
            f.paramHigh.source = "5";
        }
    }
    return f;
}

struct FigureProject : BenchPicture {
    int direction = 1;

    FigureProject() : BenchPicture(-6, 6, -4.5, 4.5) {
        project.parameters[1].step = 0.05L;
        for (int n = 1; n <= tarlix::kFigures; ++n)
            storeFigure(ctx, n, figureOf(n, kFigureTexts[n - 1]));
        picture.recompute();
    }
};

FigureProject& figureProject() {
    static FigureProject p;
    return p;
}

void figureStep(benchmark::State& state) {
    FigureProject& p = figureProject();
    for (auto _ : state) {
        // Up and down in turn, so that a stays in view.
        stepParameter(p.project, p.redraw, 1, p.direction, false);
        p.direction = -p.direction;
        p.picture.recompute();
        p.drawPicture();
    }
}

void figureFullRedraw(benchmark::State& state) {
    FigureProject& p = figureProject();
    for (auto _ : state) {
        p.redraw.viewChanged = true;
        p.picture.recompute();
        p.drawPicture();
    }
}

// The two halves of a step apart: what recomputing costs, and what drawing costs.
void figureStepRecompute(benchmark::State& state) {
    FigureProject& p = figureProject();
    for (auto _ : state) {
        stepParameter(p.project, p.redraw, 1, p.direction, false);
        p.direction = -p.direction;
        p.picture.recompute();
    }
}

void figureDrawOnly(benchmark::State& state) {
    FigureProject& p = figureProject();
    for (auto _ : state) p.drawPicture();
}

// One curve (t, f(t)) over -5..5 sampled at as many values as the view has columns.
struct SamplingSetup {
    FigureProject& p = figureProject();
    ParameterValues parameters;
    EvalEnv env{p.project.engine, p.project, parameters};
    Evaluator evaluator{env};
    FigureEntry curve;
    EquationEntry function;

    SamplingSetup() {
        copyToEvaluator(p.project.parameters, parameters);
        RecordingMessageBox quiet;
        const CompileEnv compileEnv{p.project.engine, quiet};
        curve = figureOf(19, {6, "t", kCurveY, ""});
        curve.paramLow.source = "-6";
        curve.paramHigh.source = "6";
        curve.paramStep = 12.0L / kWidth;
        setSource(curve.x, curve.x.source, 19, compileEnv);
        setSource(curve.y, curve.y.source, 19, compileEnv);
        setSource(curve.whole, joinWholePoint(curve.x.source, curve.y.source, ','), 19, compileEnv);
        setSource(curve.paramLow, curve.paramLow.source, kModePlain, compileEnv);
        setSource(curve.paramHigh, curve.paramHigh.source, kModePlain, compileEnv);
        function = blankEquation();
        setSource(function.expr, kCurveFunction, kModeExplicit, compileEnv);
    }
};

void curveSamplingPerSample(benchmark::State& state) {
    SamplingSetup s;
    int samples = 0;
    CurveSampler sampler(s.p.view, s.evaluator);
    for (auto _ : state) {
        sampler.sample(s.curve, 19);
        samples = s.p.view.curveCaches[19].count;
    }
    state.SetItemsProcessed(state.iterations() * samples);
    state.counters["samples"] = samples;
}

// What sampling costs one dirty explicit function: its row and the refinement of its domain
// edges, as the picture's recompute does it.
void functionSamplingPerColumn(benchmark::State& state) {
    SamplingSetup s;
    View& view = s.p.view;
    const ColumnSpan span = drawnColumns(view);
    const int columns = span.last - span.first + 1;
    for (auto _ : state) {
        EvaluatorSampler sampler(s.evaluator, view);
        sampler.fillRow(20, s.function, view.xSamples, span.first, span.last,
                        view.functionSamples[20].samples);
        refineDomainEdges(view, 20, s.function, sampler);
    }
    state.SetItemsProcessed(state.iterations() * columns);
    state.counters["samples"] = columns;
}

} // namespace

BENCHMARK(figureStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(figureFullRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(figureStepRecompute)->Unit(benchmark::kMicrosecond);
BENCHMARK(figureDrawOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(curveSamplingPerSample)->Unit(benchmark::kMicrosecond);
BENCHMARK(functionSamplingPerColumn)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, [] {
        const char* path = std::getenv("TARLIX_FIGURE_PROJECT");
        return !path || writeProjectFile(figureProject().ctx, path);
    });
}
