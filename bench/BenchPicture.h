#pragma once
// What the drawing benchmarks share: a project with its view, context and picture at
// 800 x 600 pixels over a given range, one drawing of the picture into a fresh image, and a
// main that gives Qt's fonts a headless application.
#include "document/ProjectEdit.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtSurfaces.h"
#include "render/ProjectPicture.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

namespace tarlix::bench {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

struct BenchPicture {
    Document doc;
    Project& project = doc.project;
    RedrawState& redraw = doc.redraw;
    View& view = doc.view;
    Document& ctx = doc;
    ProjectPicture picture{doc};
    QtSurfaces surfaces;

    BenchPicture(Extended xLow, Extended xHigh, Extended yLow, Extended yHigh) {
        view.areaRectify = false;
        view.xAxis.pixelLength = kWidth;
        view.yAxis.pixelLength = kHeight;
        view.setView(xLow, xHigh, yLow, yHigh);
    }

    void storeFunction(int n, const char* text) {
        EquationEntry f = blankEquation();
        f.expr.source = text;
        storeExplicitFunction(ctx, n, f);
    }

    void drawPicture() {
        QtImageCanvas canvas(kWidth, kHeight);
        picture.draw(canvas, surfaces);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
};

// Runs the registered benchmarks with an offscreen application; before, when given, may set
// up what the run needs and return false to stop with exit code 1.
inline int runBenchmarks(int argc, char** argv, const std::function<bool()>& before = {}) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv); // text is drawn through Qt's fonts
    if (before && !before()) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tarlix::bench
