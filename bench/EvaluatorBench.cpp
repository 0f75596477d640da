// The row form of the evaluator next to the stack machine column by column, muparser's scalar
// Eval and hand-written long double loops, over 1400 columns of [-5, 5]. Prints nanoseconds
// per sample and the ratios the evaluator is held to.
#include "CpuTimes.h"
#include "expression/Calc.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/RowEvaluator.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace tarlix;

namespace {

constexpr int kColumns = 1400;
constexpr long double kA = 1.5L, kB = -2, kC = 0.5L;

struct Case {
    const char* name;
    const char* tarlix;
    const char* muparser;
    long double (*hand)(long double);
};

const Case kCases[] = {
    {"E1", "x^2-3x+1", "x^2-3*x+1", [](long double x) { return x * x - 3 * x + 1; }},
    {"E2", "2sin x", "2*sin(x)", [](long double x) { return 2 * std::sin(x); }},
    {"E3", "sin x cos x", "sin(x)*cos(x)", [](long double x) { return std::sin(x) * std::cos(x); }},
    {"E4", "Sqrt(x+1)/(x^2+1)", "sqrt(x+1)/(x^2+1)",
     [](long double x) { return std::sqrt(x + 1) / (x * x + 1); }},
    {"E5", "exp(-x^2/2)cos(3x)", "exp(-(x^2)/2)*cos(3*x)",
     [](long double x) { return std::exp(-(x * x) / 2) * std::cos(3 * x); }},
    {"E6", "x^5-4x^3+2x-1", "x^5-4*x^3+2*x-1",
     [](long double x) {
         const long double x2 = x * x;
         return x2 * x2 * x - 4 * x2 * x + 2 * x - 1;
     }},
    {"E7", "abs(x)+int(x)", "abs(x)+int(x)",
     [](long double x) { return std::fabs(x) + std::floor(x + 1e-8L); }},
    {"E8", "a x^2+b x+c", "a*x^2+b*x+c", [](long double x) { return kA * x * x + kB * x + kC; }},
};

struct Engine {
    EngineSettings settings;
    RecordingMessageBox box;
    CompileEnv compileEnv{settings, box};
    ExpressionTable document;
    ParameterValues parameters;
    RandomState random{1};
    EvalEnv env{settings, document, parameters, &random, nullptr};
    Evaluator evaluator{env};
    std::vector<Value> xs;
    std::vector<long double> xl;

    Engine() {
        parameters.value(1) = kA;
        parameters.value(2) = kB;
        parameters.value(3) = kC;
        for (int i = 0; i < kColumns; ++i) {
            const long double x = -5 + 10.0L * i / (kColumns - 1);
            xs.push_back(makeReal(x));
            xl.push_back(x);
        }
    }
    CompiledExpression compiled(const char* text) {
        CompiledExpression record;
        setSource(record, text, kModeExplicit, compileEnv);
        return record;
    }
};

Engine& engine() {
    static Engine e;
    return e;
}

void rowForm(benchmark::State& state, const Case& c) {
    Engine& e = engine();
    const CompiledExpression record = e.compiled(c.tarlix);
    RowEvaluator rows(e.evaluator);
    std::vector<Value> out(kColumns);
    const RowRequest request{e.xs, 0, false, 0, {}};
    for (auto _ : state) {
        rows.evaluateRow(record, request, out);
        benchmark::DoNotOptimize(out.data());
    }
}

void scalarForm(benchmark::State& state, const Case& c) {
    Engine& e = engine();
    const CompiledExpression record = e.compiled(c.tarlix);
    std::vector<Value> out(kColumns);
    for (auto _ : state) {
        for (int i = 0; i < kColumns; ++i)
            out[static_cast<std::size_t>(i)] =
                e.evaluator.evaluate(record, e.xs[static_cast<std::size_t>(i)]);
        benchmark::DoNotOptimize(out.data());
    }
}

void muparserForm(benchmark::State& state, const Case& c) {
    Engine& e = engine();
    double x = 0, a = static_cast<double>(kA), b = static_cast<double>(kB),
           cc = static_cast<double>(kC);
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.DefineVar("a", &a);
    parser.DefineVar("b", &b);
    parser.DefineVar("c", &cc);
    parser.DefineFun("int", [](double v) { return std::floor(v + 1e-8); });
    parser.SetExpr(c.muparser);
    std::vector<double> out(kColumns);
    for (auto _ : state) {
        for (int i = 0; i < kColumns; ++i) {
            x = static_cast<double>(e.xl[static_cast<std::size_t>(i)]);
            out[static_cast<std::size_t>(i)] = parser.Eval();
        }
        benchmark::DoNotOptimize(out.data());
    }
}

void handForm(benchmark::State& state, const Case& c) {
    Engine& e = engine();
    std::vector<long double> out(kColumns);
    for (auto _ : state) {
        for (int i = 0; i < kColumns; ++i)
            out[static_cast<std::size_t>(i)] = c.hand(e.xl[static_cast<std::size_t>(i)]);
        benchmark::DoNotOptimize(out.data());
    }
}

const char* const kForms[] = {"row", "scalar", "muparser", "longdouble"};

} // namespace

int main(int argc, char** argv) {
    using Form = void (*)(benchmark::State&, const Case&);
    const Form forms[] = {rowForm, scalarForm, muparserForm, handForm};
    for (const Case& c : kCases)
        for (int f = 0; f < 4; ++f)
            benchmark::RegisterBenchmark((std::string(kForms[f]) + "/" + c.name).c_str(), forms[f],
                                         c)
                ->Unit(benchmark::kNanosecond);
    benchmark::Initialize(&argc, argv);
    tarlix::bench::CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);

    auto ns = [&](const char* form, const char* name) {
        return times[std::string(form) + "/" + name] / kColumns; // ns per sample
    };
    std::printf(
        "\nns per sample    row   scalar  muparser  longdouble  row/mup  row/ld  scalar/row\n");
    double logSum = 0, worst = 0;
    for (const Case& c : kCases) {
        const double row = ns("row", c.name), mup = ns("muparser", c.name);
        const double ld = ns("longdouble", c.name), sc = ns("scalar", c.name);
        std::printf("%-4s %-22s %6.1f %7.1f %8.1f %10.1f %8.2f %7.2f %9.1f\n", c.name, c.tarlix,
                    row, sc, mup, ld, row / mup, row / ld, sc / row);
    }
    for (const char* name : {"E1", "E6", "E7", "E8"}) {
        const double r = ns("row", name) / ns("muparser", name);
        logSum += std::log(r);
        worst = std::max(worst, r);
    }
    std::printf("\nrow / muparser on E1 E6 E7 E8: geometric mean %.2f (goal <= 1.0), worst %.2f "
                "(goal <= 1.25)\n",
                std::exp(logSum / 4), worst);
    for (const char* name : {"E2", "E3", "E4", "E5"})
        std::printf("row / long double %s: %.2f (goal <= 1.3)\n", name,
                    ns("row", name) / ns("longdouble", name));
    for (const char* name : {"E1", "E6", "E8"})
        std::printf("scalar / row %s: %.1f (goal >= 2)\n", name,
                    ns("scalar", name) / ns("row", name));
    return 0;
}
