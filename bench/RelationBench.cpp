// The relation scan over 1400 x 1000 pixels of [-5, 5] x [-4, 4]: evaluation, signs, marching
// squares and joining (no drawing) at every scan width, for a polynomial and a trigonometric
// relation, the polynomial one also through the interpolation tables; next to a hand-written
// long double grid with a plain marching-squares pass over it, and muparser evaluating the same
// grid point by point. Prints milliseconds per scan and the ratios the scan is held to.
#include "CpuTimes.h"
#include "expression/Calc.h"
#include "expression/eval/Evaluator.h"
#include "render/SegmentJoiner.h"
#include "render/relation/EvaluatorRelationSampler.h"
#include "render/relation/InterpolationTables.h"
#include "render/relation/RelationScan.h"
#include "render/relation/SplitRelation.h"
#include "view/View.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace tarlix;

namespace {

constexpr int kWidth = 1400, kHeight = 1000;

struct Case {
    const char* name;
    const char* tarlix;
    const char* muparser;
    long double (*hand)(long double, long double);
};

const Case kF1{"F1", "x^3+y^3=3x y", "x^3+y^3-3*x*y",
               [](long double x, long double y) { return x * x * x + y * y * y - 3 * x * y; }};
const Case kF2{"F2", "sin(x y)=cos(x+y)", "sin(x*y)-cos(x+y)",
               [](long double x, long double y) { return std::sin(x * y) - std::cos(x + y); }};

// The view, the compiled part and the evaluator of one relation.
struct Scene {
    RedrawState redraw;
    View view{redraw, ViewDefaults{}};
    ScanGeometry grid;
    EngineSettings settings;
    RecordingMessageBox box;
    CompileEnv compileEnv{settings, box};
    ExpressionTable document;
    ParameterValues parameters;
    EvalEnv env{settings, document, parameters, nullptr, nullptr};
    Evaluator evaluator{env};
    SplitRelationResult split;

    explicit Scene(const Case& c) {
        view.xAxis.init('x', kWidth, 5, -5);
        view.yAxis.init('y', kHeight, 4, -4);
        grid.assign(view);
        CompiledExpression relation;
        setSource(relation, c.tarlix, kModePlain - 1, compileEnv);
        split = splitRelation(relation, compileEnv);
    }
    const CompiledExpression& part() const { return split.parts.at(0).f; }
};

ScanOutcome scanOnce(Scene& s, ScanRowSource& source, SegmentJoiner& lines, ScanBuffers& rows) {
    RelationScanHooks hooks;
    bool interrupted = false;
    ScanContext context{s.grid, interrupted, hooks, {}};
    ScanJob job;
    job.source = &source;
    job.lines = &lines;
    lines.reset(nullptr, nullptr, false, true, false, LineDrawOptions{});
    const ScanOutcome outcome = runRelationScan(job, context, rows);
    lines.finish();
    return outcome;
}

void genericScan(benchmark::State& state, const Case& c, int scanWidth) {
    Scene s(c);
    EvaluatorRelationSampler f(s.evaluator, s.part());
    SegmentJoiner lines;
    ScanBuffers rows;
    for (auto _ : state) {
        SampledRows source(f, s.grid, scanWidth);
        benchmark::DoNotOptimize(scanOnce(s, source, lines, rows));
    }
}

void polynomialScan(benchmark::State& state, const Case& c) {
    Scene s(c);
    EvaluatorRelationSampler f(s.evaluator, s.part());
    SegmentJoiner lines;
    ScanBuffers rows;
    InterpolationTables tables;
    for (auto _ : state) {
        if (!tables.build(f, s.view, s.grid) || !tables.matches(f, 20071) || tables.isConic()) {
            state.SkipWithError("not a polynomial of degree 3");
            return;
        }
        PolynomialRows source(tables);
        benchmark::DoNotOptimize(scanOnce(s, source, lines, rows));
    }
}

// The grid of f values at every pixel corner, columns and rows -1 .. length + 1.
struct Grid {
    int columns = 0, rows = 0;
    std::vector<long double> v;
    long double& at(int c, int r) { return v[std::size_t(r) * std::size_t(columns) + c]; }
};

Grid makeGrid(const ScanGeometry& g) {
    Grid grid;
    grid.columns = g.columns();
    grid.rows = g.rows();
    grid.v.resize(std::size_t(grid.columns) * std::size_t(grid.rows));
    return grid;
}

// A plain marching-squares pass: the crossing points of every cell whose corners change sign.
std::size_t marchingPass(Grid& grid, std::vector<std::array<float, 4>>& segments) {
    segments.clear();
    for (int r = 1; r < grid.rows; ++r)
        for (int c = 1; c < grid.columns; ++c) {
            const long double a = grid.at(c - 1, r - 1), b = grid.at(c, r - 1),
                              d = grid.at(c - 1, r), e = grid.at(c, r);
            const int mask = (a > 0) | (b > 0) << 1 | (d > 0) << 2 | (e > 0) << 3;
            if (mask == 0 || mask == 15) continue;
            float pts[8];
            int n = 0;
            const auto edge = [&](long double p, long double q, float x0, float y0, float x1,
                                  float y1) {
                if ((p > 0) == (q > 0)) return;
                const float t = float(p / (p - q));
                pts[n++] = x0 + t * (x1 - x0);
                pts[n++] = y0 + t * (y1 - y0);
            };
            const float x = float(c), y = float(r);
            edge(a, b, x - 1, y - 1, x, y - 1);
            edge(d, e, x - 1, y, x, y);
            edge(a, d, x - 1, y - 1, x - 1, y);
            edge(b, e, x, y - 1, x, y);
            for (int k = 0; k + 3 < n; k += 4)
                segments.push_back({pts[k], pts[k + 1], pts[k + 2], pts[k + 3]});
        }
    return segments.size();
}

void handGrid(benchmark::State& state, const Case& c, bool march) {
    Scene s(c);
    Grid grid = makeGrid(s.grid);
    std::vector<std::array<float, 4>> segments;
    for (auto _ : state) {
        for (int r = -1; r <= s.grid.yLength + 1; ++r) {
            const long double y = s.grid.y(r);
            for (int col = -1; col <= s.grid.xLength + 1; ++col)
                grid.at(col + 1, r + 1) = c.hand(s.grid.x(col), y);
        }
        benchmark::DoNotOptimize(grid.v.data());
        if (march) benchmark::DoNotOptimize(marchingPass(grid, segments));
    }
}

void muparserGrid(benchmark::State& state, const Case& c) {
    Scene s(c);
    Grid grid = makeGrid(s.grid);
    double x = 0, y = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(c.muparser);
    for (auto _ : state) {
        for (int r = -1; r <= s.grid.yLength + 1; ++r) {
            y = double(s.grid.y(r));
            for (int col = -1; col <= s.grid.xLength + 1; ++col) {
                x = double(s.grid.x(col));
                grid.at(col + 1, r + 1) = parser.Eval();
            }
        }
        benchmark::DoNotOptimize(grid.v.data());
    }
}

void marchingOnly(benchmark::State& state, const Case& c) {
    Scene s(c);
    Grid grid = makeGrid(s.grid);
    for (int r = -1; r <= s.grid.yLength + 1; ++r)
        for (int col = -1; col <= s.grid.xLength + 1; ++col)
            grid.at(col + 1, r + 1) = c.hand(s.grid.x(col), s.grid.y(r));
    std::vector<std::array<float, 4>> segments;
    for (auto _ : state) benchmark::DoNotOptimize(marchingPass(grid, segments));
}

void reg(const std::string& name, auto fn) {
    benchmark::RegisterBenchmark(name.c_str(), fn)->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    for (const Case* c : {&kF1, &kF2}) {
        for (int w : {1, 2, 4, 8})
            reg(std::string("scan/") + c->name + "/" + std::to_string(w),
                [c, w](benchmark::State& s) { genericScan(s, *c, w); });
        reg(std::string("longdouble/") + c->name,
            [c](benchmark::State& s) { handGrid(s, *c, false); });
        reg(std::string("longdouble+march/") + c->name,
            [c](benchmark::State& s) { handGrid(s, *c, true); });
        reg(std::string("muparser/") + c->name, [c](benchmark::State& s) { muparserGrid(s, *c); });
        reg(std::string("march/") + c->name, [c](benchmark::State& s) { marchingOnly(s, *c); });
    }
    reg("polynomial/F1", [](benchmark::State& s) { polynomialScan(s, kF1); });
    benchmark::Initialize(&argc, argv);
    tarlix::bench::CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);

    auto ms = [&](const std::string& name) { return times[name]; };
    std::printf("\nms per scan      SW1     SW2     SW4     SW8   longdouble  ld+march  "
                "muparser  march\n");
    for (const Case* c : {&kF1, &kF2}) {
        const std::string n = c->name;
        std::printf("%-8s %8.1f %7.1f %7.1f %7.1f %10.1f %9.1f %9.1f %6.1f\n", c->name,
                    ms("scan/" + n + "/1"), ms("scan/" + n + "/2"), ms("scan/" + n + "/4"),
                    ms("scan/" + n + "/8"), ms("longdouble/" + n), ms("longdouble+march/" + n),
                    ms("muparser/" + n), ms("march/" + n));
    }
    const double f1 = ms("scan/F1/1"), f2 = ms("scan/F2/1");
    std::printf("\nF1 SW1 / (muparser grid + plain march)   %.2f  (goal <= 1.2)\n",
                f1 / (ms("muparser/F1") + ms("march/F1")));
    std::printf("F2 SW1 / long double grid                 %.2f  (goal <= 1.3)\n",
                f2 / ms("longdouble/F2"));
    std::printf("F2 SW1 / (long double grid + plain march) %.2f\n", f2 / ms("longdouble+march/F2"));
    for (const Case* c : {&kF1, &kF2}) {
        const double one = ms(std::string("scan/") + c->name + "/1");
        std::printf("%s SW2, SW4, SW8 / SW1                    %.3f %.3f %.3f  (goals 0.30 0.10 "
                    "0.05)\n",
                    c->name, ms(std::string("scan/") + c->name + "/2") / one,
                    ms(std::string("scan/") + c->name + "/4") / one,
                    ms(std::string("scan/") + c->name + "/8") / one);
    }
    std::printf("F1 polynomial / F1 generic SW1            %.2f  (goal < 1)\n",
                ms("polynomial/F1") / f1);
    return 0;
}
