// Compile time of 15,000-token expressions of several shapes, each against the time to
// tokenize the same text in the same run. The ratio is held to at most 20.
#include "CpuTimes.h"
#include "expression/Calc.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using namespace tarlix;

namespace {
std::string repeated(const std::string& piece, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += piece;
    return out;
}

struct Shape {
    const char* name;
    std::string text;
};

constexpr std::size_t kShapes = 28;

const Shape& shape(std::size_t i) {
    static const Shape shapes[kShapes] = {
        {"sum", "x" + repeated("+x", 7500)},
        {"groups", repeated("(x)", 5000)},
        {"products", repeated("sin x cos x ", 3750)},
        {"factorials", repeated("x!+", 5000) + "x"},
        {"comparisons", "x" + repeated("<x", 7500)},
        {"postfix chain", "x" + repeated("!", 15000)},
        {"sign chain", repeated("_", 15000) + "x"},
        {"function chain", repeated("sin ", 15000) + "x"},
        {"power chain", "x" + repeated("^x", 7500)},
        {"nested brackets", repeated("(x+", 200) + repeated("x!+", 4800) + repeated(")", 200)},
        {"nested calls", repeated("sin(", 200) + repeated("x!+", 4800) + "x" + repeated(")", 200)},
        // Calls nested 150 deep around a long sum: each call's step must not read its whole
        // group again.
        {"nested factorial groups",
         repeated("(", 150) + repeated("x+", 7000) + "x" + repeated(")!", 150)},
        {"nested max", repeated("max(", 150) + repeated("x+", 7000) + "x" + repeated(",1)", 150)},
        {"nested sol", repeated("sol(", 150) + repeated("x+", 7000) + "x" + repeated("=1)", 150)},
        {"nested log", repeated("log(2,", 150) + repeated("x+", 7000) + "x" + repeated(")", 150)},
        {"nested products",
         repeated("(x ", 200) + repeated("sin x cos x ", 3600) + repeated(")", 200)},
        {"quotient chain", "x" + repeated("/x", 7500)},
        {"powers of factorials", "x" + repeated("^x!", 5000)},
        {"quotients of powers", repeated("x/x^", 3750) + "x"},
        {"calls of factorials", repeated("sin x!", 5000)},
        {"point components", repeated("P.x+", 3750) + "x"},
        // Each pair of point names is the vector between them: three times the tokens.
        {"point pairs", repeated("PQ", 7500)},
        // The ")" that close no group, each before a power that then has no left operand.
        {"stray brackets", repeated("(", 150) + repeated("^,e]", 3750) + repeated(")", 150)},
        {"stray components", repeated(".x_,a]", 2500) + "("},
        // Chains that also leave a bracket open: the brackets the passes add at the end then
        // close the innermost open group instead of their own.
        {"powers of factorials, open", "x" + repeated("^x!", 5000) + "("},
        {"factorial powers, open", repeated("x!^", 5000) + "x("},
        {"power-prefix calls", repeated("sin^(x)", 3000)},
        {"power-prefix calls, open", repeated("sin^(x)", 3000) + "("},
    };
    return shapes[i];
}

void tokenizeShape(benchmark::State& state, std::size_t i) {
    const EngineSettings settings;
    for (auto _ : state) {
        std::string source = shape(i).text;
        int cursor = 0;
        benchmark::DoNotOptimize(tokenize(source, cursor, settings));
    }
}

void compileShape(benchmark::State& state, std::size_t i) {
    const EngineSettings settings;
    RecordingMessageBox box;
    const CompileEnv env{settings, box};
    CompiledExpression record;
    std::string source = shape(i).text;
    int cursor = 0;
    record.tokens = tokenize(source, cursor, settings);
    for (auto _ : state) benchmark::DoNotOptimize(compile(record, kModePlain, true, env));
}
} // namespace

int main(int argc, char** argv) {
    for (std::size_t i = 0; i < kShapes; ++i) {
        const std::string name = shape(i).name;
        benchmark::RegisterBenchmark(("tokenize/" + name).c_str(), tokenizeShape, i)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("compile/" + name).c_str(), compileShape, i)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    tarlix::bench::CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    std::printf("\n%-28s %10s %10s %7s\n", "shape (goal: ratio <= 20)", "tokenize", "compile",
                "ratio");
    for (std::size_t i = 0; i < kShapes; ++i) {
        const std::string name = shape(i).name;
        const double tok = times["tokenize/" + name];
        const double comp = times["compile/" + name];
        if (tok == 0 || comp == 0) continue; // left out by --benchmark_filter
        std::printf("%-28s %8.3fms %8.3fms %7.1f\n", name.c_str(), tok, comp, comp / tok);
    }
    return 0;
}
