// Compile time of 15,000-token expressions of several shapes, each against the time to
// tokenize the same text in the same run. Prints milliseconds and the ratio, which is held to
// at most 20.
#include "expression/Calc.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

using namespace tarlix;

namespace {
std::string repeated(const std::string& piece, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += piece;
    return out;
}

template <typename F> double bestMilliseconds(F f) {
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

struct Shape {
    const char* name;
    std::string text;
};
} // namespace

int main() {
    const Shape shapes[] = {
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
        {"nested products",
         repeated("(x ", 200) + repeated("sin x cos x ", 3600) + repeated(")", 200)},
        {"quotient chain", "x" + repeated("/x", 7500)},
        {"powers of factorials", "x" + repeated("^x!", 5000)},
        {"quotients of powers", repeated("x/x^", 3750) + "x"},
        {"calls of factorials", repeated("sin x!", 5000)},
        {"point components", repeated("P.x+", 3750) + "x"},
        // Chains that also leave a bracket open: the operands are then bracketed on the text
        // as it grows, since the brackets added at the end close the innermost open group.
        {"powers of factorials, open", "x" + repeated("^x!", 5000) + "("},
        {"factorial powers, open", repeated("x!^", 5000) + "x("},
        {"power-prefix calls", repeated("sin^(x)", 3000)},
        {"power-prefix calls, open", repeated("sin^(x)", 3000) + "("},
    };
    EngineSettings settings;
    RecordingMessageBox box;
    const CompileEnv env{settings, box};
    std::printf("%-20s %10s %10s %7s\n", "shape", "tokenize", "compile", "ratio");
    for (const Shape& s : shapes) {
        CompiledExpression record;
        const double tokenizeMs = bestMilliseconds([&] {
            std::string source = s.text;
            int cursor = 0;
            record.tokens = tokenize(source, cursor, settings);
        });
        const double compileMs = bestMilliseconds([&] { compile(record, kModePlain, true, env); });
        std::printf("%-20s %8.2fms %8.2fms %7.1f\n", s.name, tokenizeMs, compileMs,
                    compileMs / tokenizeMs);
    }
    return 0;
}
