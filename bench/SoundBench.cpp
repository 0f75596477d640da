// One second of sound at 22,050 Hz of sin(2 pi 440 x) + 0.5 sin(2 pi 660 x), synthesised
// through the row form and one sample at a time, against a native long-double loop that
// computes the same samples. The row form is held to at most 1.5 times the native loop and
// to a hundredth of a second.
#include "CpuTimes.h"
#include "document/SoundSynthesis.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

using namespace tarlix;

namespace {

constexpr const char* kExpression = "sin(2Pi*440x)+0.5sin(2Pi*660x)";

struct Sweep {
    Document doc;
    RecordingMessageBox box;
    SoundState sound;
    CompiledExpression from, to, expr;

    Sweep() {
        doc.setMessageBox(&box);
        from = compiled("0", kModePlain);
        to = compiled("1", kModePlain);
        expr = compiled(kExpression, kModeExplicit);
    }
    CompiledExpression compiled(const char* text, int mode) {
        CompiledExpression e;
        const CompileEnv env = doc.compileEnv();
        setSource(e, text, kModePlain - 1, env);
        compile(e, mode, false, env);
        return e;
    }
};

void synthesis(benchmark::State& state, SoundPath path) {
    Sweep s;
    for (auto _ : state) {
        synthesise(s.doc, s.sound, {kSweepX, &s.from, &s.to, &s.expr}, path);
        benchmark::DoNotOptimize(s.sound.buffer.image().data());
    }
    state.counters["frames"] = double(s.sound.buffer.frames());
}

void nativeLoop(benchmark::State& state) {
    std::vector<std::int16_t> out;
    const long double step = 1.0L / 22050;
    const long double twoPi = 2 * std::numbers::pi_v<long double>;
    for (auto _ : state) {
        out.clear();
        for (long double t = 0; t < 1; t += step) {
            const long double v =
                (std::sin(twoPi * 440 * t) + 0.5L * std::sin(twoPi * 660 * t)) * 3272;
            const auto s =
                static_cast<std::int16_t>(std::lround(std::clamp(v, -32767.0L, 32767.0L)));
            out.push_back(s);
            out.push_back(s);
        }
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("sound/rows", synthesis, SoundPath::Automatic)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sound/one by one", synthesis, SoundPath::OneByOne)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("sound/native", nativeLoop)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    tarlix::bench::CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    const double rows = times["sound/rows"];
    const double single = times["sound/one by one"];
    const double native = times["sound/native"];
    std::printf("\none second at 22050 Hz (goal: rows <= 10 ms and <= 1.5 x native)\n");
    std::printf("%-12s %9.3f ms\n%-12s %9.3f ms\n%-12s %9.3f ms\n", "rows", rows, "one by one",
                single, "native", native);
    if (native > 0 && rows > 0)
        std::printf("rows / native %.2f   one by one / native %.2f   one by one / rows %.2f\n",
                    rows / native, single / native, single / rows);
    return 0;
}
