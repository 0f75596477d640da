#pragma once
// A 500 x 500 picture of -5..5 on both axes (50 pixels a unit, the origin at (250, 250)), with
// figure positions set by hand and connected figures through them, drawn on a recording canvas.

#include "document/Project.h"
#include "platform/RecordingCanvas.h"
#include "render/segments/SegmentDrawing.h"
#include "render/segments/SegmentScene.h"
#include "view/View.h"

#include <gtest/gtest.h>

#include <string>

namespace tarlix::testing {

struct SegmentTest : ::testing::Test {
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};
    Project project;
    FigurePositions positions;
    SegmentScene scene{view, positions, project};

    SegmentTest() {
        view.fontSize = 12;
        setAxis(view.xAxis, 500, -5, 5);
        setAxis(view.yAxis, 500, -5, 5);
    }
    static void setAxis(Axis& axis, int pixels, Extended low, Extended high) {
        axis.pixelLength = pixels;
        axis.setRange(high, low);
        axis.recompute();
    }

    // Figure n as a point, or as a horizontal or vertical line at c.
    void place(int n, Extended x, Extended y, FigureKind kind = FigureKind::Point) {
        FigurePosition& p = positions[n];
        p.kind = kind;
        p.x = x;
        p.y = y;
        project.figures[n].kind = kind;
    }
    // Adds a connected figure through the vertices (figure numbers, 250 and 251 the axes): thin
    // solid black lines, so that they come out as plain polylines.
    SegmentRecord& add(SegmentKind kind, std::initializer_list<int> vertices) {
        SegmentRecord r;
        r.kind = kind;
        std::size_t k = 0;
        for (int v : vertices) r.vertices[k++] = static_cast<std::uint8_t>(v);
        r.width = 1;
        r.penColor = kBlack;
        project.segments.add(r);
        return project.segments[project.segments.count];
    }
    RecordingCanvas drawn(int index, bool full = true) {
        RecordingCanvas canvas(500, 500);
        drawSegment(canvas, scene, index, full);
        return canvas;
    }
    static Point at(Extended x, Extended y) {
        return {static_cast<int>(250 + 50 * x), static_cast<int>(250 - 50 * y)};
    }
};

} // namespace tarlix::testing
