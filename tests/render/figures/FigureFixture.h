#pragma once
// A project whose figures are stored through the document operation, on a 200 x 200 view of
// -5..5 (20 pixels a unit, the origin at pixel 100), with the evaluator the picture uses.

#include "document/ProjectFixture.h"
#include "expression/Vocabulary.h"
#include "expression/eval/Evaluator.h"
#include "platform/RecordingCanvas.h"
#include "render/figures/CurveSampling.h"
#include "render/figures/FigureDrawing.h"
#include "render/figures/FigurePositions.h"

#include <memory>
#include <string>

namespace tarlix::testing {

struct FigureTest : ProjectTest {
    ParameterValues parameters;
    EvalEnv env{project.engine, project, parameters};
    Evaluator evaluator{env};
    CurveSampler curves{view, evaluator};
    FunctionDrawSettings settings;
    std::unique_ptr<PolylineBuffer> buffer = std::make_unique<PolylineBuffer>();

    FigureTest() {
        view.areaRectify = false;
        view.xAxis.pixelLength = 200;
        view.yAxis.pixelLength = 200;
        view.setView(-5, 5, -5, 5);
    }

    FigureEntry figure(int n, FigureKind kind, const std::string& x, const std::string& y,
                       const std::string& r = "") {
        FigureEntry f = blankFigure(n);
        f.kind = kind;
        f.x.source = x;
        f.y.source = y;
        f.radius.source = r;
        f.pointColor = 0x0000FF;
        f.lineColor = 0x00FF00;
        f.fillColor = kWhite;
        f.labelPosition = 0;
        return f;
    }
    FigureEntry curve(int n, const std::string& x, const std::string& y, Extended step,
                      const std::string& low = "0", const std::string& high = "2Pi") {
        FigureEntry f = figure(n, FigureKind::Parametric, x, y);
        f.paramStep = step;
        f.paramLow.source = low;
        f.paramHigh.source = high;
        return f;
    }
    FigureEntry polar(int n, const std::string& r, Extended step) {
        FigureEntry f = curve(n, "r cos@", "r sin@", step);
        f.kind = FigureKind::Polar;
        f.radius.source = r;
        f.paramLetter = '@';
        return f;
    }
    void store(int n, const FigureEntry& f) { storeFigure(ctx, n, f); }

    // Positions and curves as the picture computes them before drawing.
    void update(bool traceRedraw = false) {
        copyToEvaluator(project.parameters, parameters);
        updatePositions(view, project.figures, evaluator, traceRedraw);
        curves.update(project.figures, true);
    }
    const FigurePosition& at(int n) const { return view.positions[n]; }

    FigureDrawing drawing(Canvas* canvas, Canvas* second = nullptr) {
        return FigureDrawing{view, *buffer, settings, canvas, second};
    }
    RecordingCanvas drawn() {
        RecordingCanvas c(200, 200);
        drawCurves(drawing(&c), project.figures);
        drawFigures(drawing(&c), project.figures, view.positions);
        return c;
    }
};

} // namespace tarlix::testing
