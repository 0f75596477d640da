// One animation step (a parameter stepped, the functions that use it recomputed, the picture
// drawn into an 800 x 600 image) next to a full redraw of the same project (every function
// recomputed and drawn). Eight explicit functions, four of which use the parameter a.
#include "BenchPicture.h"
#include "document/ObjectTokens.h"
#include "document/ParameterStepping.h"

using namespace tarlix;
using namespace tarlix::bench;

namespace {

const char* const kFunctions[] = {
    "a sin x", "x^2/4-a", "a x^3/10-x", "exp(-x^2/2)a+1",
    "cos(2x)", "x^2/4-2", "Sqrt(x+5)",  "1/(x^2+1)",
};

struct AnimationProject : BenchPicture {
    int direction = 1;

    AnimationProject() : BenchPicture(-5, 5, -5, 5) {
        for (int n = 1; n <= 8; ++n) storeFunction(n, kFunctions[n - 1]);
        picture.recompute();
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
    return runBenchmarks(argc, argv);
}
