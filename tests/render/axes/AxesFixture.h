#pragma once
// A view with chosen ranges and pixel lengths, drawn by the axes layer on a recording canvas,
// and the texts and lines that came out.

#include "platform/RecordingCanvas.h"
#include "render/axes/Axes.h"
#include "view/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarlix::testing {

struct PlacedText {
    Point at;
    std::string text;
    std::string font;
    friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

struct AxesTest : ::testing::Test {
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};
    AxesStyle style;

    // Default ticks: 7 divisions, so a range of 10 or 11 units ticks every unit.
    static void setAxis(Axis& axis, int pixels, Extended low, Extended high) {
        axis.pixelLength = pixels;
        axis.setRange(high, low);
        axis.recompute();
    }
    void setView(int pixels, Extended low, Extended high) {
        setAxis(view.xAxis, pixels, low, high);
        setAxis(view.yAxis, pixels, low, high);
    }
    RecordingCanvas canvas() const {
        return RecordingCanvas(view.xAxis.pixelLength * view.xAxis.outputScale,
                               view.yAxis.pixelLength * view.yAxis.outputScale);
    }
    RecordingCanvas drawn() {
        RecordingCanvas c = canvas();
        drawAxes(AxesTarget{view, c, style});
        return c;
    }

    static std::vector<PlacedText> textsOf(const RecordingCanvas& c) {
        std::vector<PlacedText> out;
        for (const RecordedCall* call : c.callsOf(CanvasCall::TextOut))
            out.push_back({call->points.front(), call->text, call->font.name});
        return out;
    }
    // The tick values, in drawing order.
    static std::vector<std::string> valuesOf(const RecordingCanvas& c) {
        std::vector<std::string> out;
        for (const PlacedText& t : textsOf(c))
            if (t.font == "Symbol") out.push_back(t.text);
        return out;
    }
    // The tick values written in a row of the picture.
    static std::vector<std::string> valuesAtRow(const RecordingCanvas& c, int row) {
        std::vector<std::string> out;
        for (const PlacedText& t : textsOf(c))
            if (t.font == "Symbol" && t.at.y == row) out.push_back(t.text);
        return out;
    }
};

} // namespace tarlix::testing
