// The definite-integral window's work against what the picture does in the same run: working
// out the rows of 20 functions at 200 partitions against a full redraw of the benchmark project
// (eight functions recomputed and drawn at 800 x 600; goal: at most 1/10), and shading one
// function over the whole view against drawing that function (goal: at most 1/4).
#include "BenchPicture.h"
#include "CpuTimes.h"
#include "document/IntegralValues.h"
#include "document/ObjectTokens.h"

#include <cstdio>

using namespace tarlix;
using namespace tarlix::bench;

namespace {

const char* const kFunctions[] = {
    "a sin x", "x^2/4-a", "a x^3/10-x", "exp(-x^2/2)a+1",
    "cos(2x)", "x^2/4-2", "Sqrt(x+5)",  "1/(x^2+1)",
};

struct IntegralProject : BenchPicture {
    explicit IntegralProject(int functions) : BenchPicture(-5, 5, -5, 5) {
        for (int n = 1; n <= functions; ++n) storeFunction(n, kFunctions[(n - 1) % 8]);
        picture.recompute();
    }
};

IntegralProject& benchmarkProject() {
    static IntegralProject p(8);
    return p;
}

void fullRedraw(benchmark::State& state) {
    IntegralProject& p = benchmarkProject();
    for (auto _ : state) {
        for (int n = 1; n <= 8; ++n) markChanged(p.project, p.redraw, explicitFunctionToken(n));
        p.picture.recompute();
        p.drawPicture();
    }
}

void integralRows(benchmark::State& state) {
    static IntegralProject p(20);
    IntegralRequest request;
    request.limits = {-4.5L, 4.5L};
    request.partitions = 200;
    for (auto _ : state) benchmark::DoNotOptimize(integralTable(p.doc, request));
}

// One function drawn, and the same function shaded between -5 and 5, on a white picture.
struct OneFunction {
    IntegralProject& p = benchmarkProject();
    QtImageCanvas canvas{kWidth, kHeight};
    PolylineBuffer buffer;
    FunctionDrawSettings settings;
};

void drawOneFunction(benchmark::State& state) {
    OneFunction f;
    FunctionSet first;
    first.set(1);
    for (auto _ : state)
        drawFunctions(FunctionDrawing{f.p.view, f.buffer, f.settings, &f.canvas},
                      f.p.project.explicitFunctions, first);
}

void shadeOneFunction(benchmark::State& state) {
    OneFunction f;
    const IntegralShading shading{true, -5, 5, 1, 0, false};
    for (auto _ : state) drawIntegralArea(f.p.view, f.canvas, shading);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("fullRedraw", fullRedraw)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("integralRows/20x200", integralRows)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("drawOneFunction", drawOneFunction)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("shadeOneFunction", shadeOneFunction)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    const auto ratio = [&](const char* what, const char* reference, double goal) {
        if (times[what] == 0 || times[reference] == 0) return;
        std::printf("%-22s / %-16s %6.3f (goal <= %.2f)\n", what, reference,
                    times[what] / times[reference], goal);
    };
    std::printf("\n");
    ratio("integralRows/20x200", "fullRedraw", 0.1);
    ratio("shadeOneFunction", "drawOneFunction", 0.25);
    benchmark::Shutdown();
    return 0;
}
