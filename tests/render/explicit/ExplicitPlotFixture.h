#pragma once
// A 400 x 400 view of -5..5 on both axes (one unit is 40 pixels, x = 0 at column 200), explicit
// functions given as C++ functions, and recording canvases for the picture and the afterimages.

#include "platform/RecordingCanvas.h"
#include "render/explicit/DrawFunction.h"
#include "render/explicit/FunctionSamples.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>

namespace tarlix::test {

using Curve = std::function<Value(Extended)>;

inline Value definedIf(bool defined, Extended y) {
    return defined ? makeReal(y) : makeUndefined(ValueKind::Real);
}

struct ExplicitPlot : ::testing::Test {
    RedrawState rs;
    View view{rs, [] {
                  ViewDefaults d;
                  d.sizes.width = 400;
                  d.sizes.height = 400;
                  return d;
              }()};
    ExplicitFunctionStore functions;
    std::array<Curve, functionCount + 1> curves;
    std::array<int, functionCount + 1> evaluations{};
    ColumnwiseSampler sampler{[this](int n, const EquationEntry&, const Value& x) {
        ++evaluations[static_cast<std::size_t>(n)];
        return curves[static_cast<std::size_t>(n)](x.x);
    }};
    FunctionDrawSettings settings;
    PolylineBuffer buffer;
    RecordingCanvas canvas{400, 400};
    RecordingCanvas afterimages{400, 400};

    // Thin solid lines reach the canvas as one polyline each, which keeps the shapes readable.
    EquationEntry& define(int n, Curve curve, int width = 1) {
        curves[static_cast<std::size_t>(n)] = std::move(curve);
        EquationEntry& f = functions[n];
        f.expr.source = "y" + std::to_string(n);
        f.penWidth = static_cast<std::uint8_t>(width);
        rs.markDirty(functionToken(n));
        return f;
    }

    FunctionDrawing drawing(bool skipMain = false, bool force = false) {
        return FunctionDrawing{view, buffer, settings, &canvas, &afterimages, skipMain, force};
    }

    FunctionAfterimageColours plot(bool skipMain = false, bool force = false) {
        updateFunctionSamples(view, functions, sampler);
        return drawFunctions(drawing(skipMain, force), functions);
    }

    int rowOf(Extended y) const { return view.yAxis.toPixel(y); }
};

} // namespace tarlix::test
