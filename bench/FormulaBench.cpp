// Drawing the formulas of 29 data-panel rows (fractions, roots, powers and plain sums at 24
// points, a panel row high) against Qt's QTextDocument drawing the same texts as rich text
// (HTML with sup and sub) into images of the same size, side by side in one run. Prints both
// times and the ratio, which is held to at most 1.
#include "CpuTimes.h"
#include "expression/Calc.h"
#include "expression/formula/DrawFormula.h"
#include "expression/formula/FormulaPainter.h"
#include "platform/qt/QtHeadless.h"
#include "platform/qt/QtImageCanvas.h"

#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace tarlix;

namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 73; // a data-panel row at 24 points

struct Row {
    const char* typed;
    const char* html;
};

const Row kRows[] = {
    {"x^2+2x+1", "x<sup>2</sup>+2x+1"},
    {"1/2x", "1/(2x)"},
    {"Sqrt(x+1)", "&radic;(x+1)"},
    {"a x^2+b x+c", "ax<sup>2</sup>+bx+c"},
    {"(x+1)/(x-1)", "(x+1)/(x-1)"},
    {"2sin x", "2 sin x"},
    {"x^3-3x^2+2", "x<sup>3</sup>-3x<sup>2</sup>+2"},
    {"1/(1+x^2)", "1/(1+x<sup>2</sup>)"},
    {"Sqrt(1-x^2)", "&radic;(1-x<sup>2</sup>)"},
    {"x+1", "x+1"},
    {"e^(-x^2/2)", "e<sup>-x<sup>2</sup>/2</sup>"},
    {"3x-5", "3x-5"},
    {"a/b x+c", "(a/b)x+c"},
    {"Cbrt(x)", "<sup>3</sup>&radic;x"},
    {"x^2+y^2=1", "x<sup>2</sup>+y<sup>2</sup>=1"},
    {"abs(x-2)", "|x-2|"},
    {"sin^2 x+cos^2 x", "sin<sup>2</sup>x+cos<sup>2</sup>x"},
    {"(x^2-1)/(x^2+1)", "(x<sup>2</sup>-1)/(x<sup>2</sup>+1)"},
    {"2x+3y-6", "2x+3y-6"},
    {"Sqrt(x^2+y^2)", "&radic;(x<sup>2</sup>+y<sup>2</sup>)"},
    {"x^4/4-x^2/2", "x<sup>4</sup>/4-x<sup>2</sup>/2"},
    {"m x+n", "mx+n"},
    {"1/x+1/x^2", "1/x+1/x<sup>2</sup>"},
    {"(a+b)^2", "(a+b)<sup>2</sup>"},
    {"x-1/3", "x-1/3"},
    {"Sqrt(2)x", "&radic;2 x"},
    {"y1+y2", "y<sub>1</sub>+y<sub>2</sub>"},
    {"a(x-p)^2+q", "a(x-p)<sup>2</sup>+q"},
    {"5", "5"},
};

std::vector<std::string> rowTokens(const EngineSettings& settings) {
    std::vector<std::string> out;
    for (const Row& r : kRows) {
        std::string source = r.typed;
        int cursor = 0;
        out.push_back(tokenize(source, cursor, settings));
    }
    return out;
}

void formulas(benchmark::State& state) {
    const EngineSettings settings;
    const auto tokens = rowTokens(settings);
    QtImageCanvas image(kWidth, kHeight);
    FormulaMetrics metrics; // as the data panel keeps it between redraws
    FormulaStyle style;
    style.size = 24;
    style.metrics = &metrics;
    for (auto _ : state)
        for (const auto& t : tokens)
            benchmark::DoNotOptimize(drawFormula(image, t, settings, style));
}

void richText(benchmark::State& state, bool antialiased) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QFont font("Liberation Serif");
    font.setPixelSize(32);
    for (auto _ : state) {
        for (const Row& r : kRows) {
            image.fill(Qt::white);
            QTextDocument doc;
            doc.setDefaultFont(font);
            doc.setHtml(QString::fromLatin1(r.html));
            QPainter p(&image);
            p.setRenderHint(QPainter::TextAntialiasing, antialiased);
            doc.drawContents(&p);
        }
        benchmark::DoNotOptimize(image.bits());
    }
}

} // namespace

int main(int argc, char** argv) {
    QtHeadless platform; // fonts need Qt's application object
    benchmark::RegisterBenchmark("formulas/29 rows", formulas)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QTextDocument/29 rows", richText, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("QTextDocument aliased/29 rows", richText, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    tarlix::bench::CpuTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    const double ours = times["formulas/29 rows"];
    const double qt = times["QTextDocument/29 rows"];
    std::printf("\n29 rows: formulas %.3f ms, QTextDocument %.3f ms, ratio %.2f (goal <= 1)\n",
                ours, qt, ours / qt);
    return 0;
}
