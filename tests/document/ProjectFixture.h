#pragma once
// A project with its view, message box and recording hooks, as the program wires them.

#include "document/ProjectEdit.h"
#include "view/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarlix::testing {

// Records the seams the operations call.
struct RecordingHooks : DocumentHooks {
    int undoSteps = 0;
    int redraws = 0;
    int undoHistoriesCleared = 0;
    std::vector<int> segmentsRemoved;
    std::vector<int> shapesChanged;
    std::vector<int> functionsChanged;
    std::vector<CategoryPanel> categoriesChanged;
    void recordUndo() override { ++undoSteps; }
    void categoryChanged(CategoryPanel panel) override { categoriesChanged.push_back(panel); }
    void redraw() override { ++redraws; }
    void clearUndoHistories() override { ++undoHistoriesCleared; }
    void segmentRemoved(int index) override { segmentsRemoved.push_back(index); }
    void figureShapeChanged(int n) override { shapesChanged.push_back(n); }
    void functionTextChanged(int n) override { functionsChanged.push_back(n); }
};

struct ProjectTest : ::testing::Test {
    Project project;
    RedrawState redraw;
    ViewDefaults defaults;
    View view{redraw, defaults};
    RecordingMessageBox messages;
    RecordingHooks hooks;
    ProjectContext ctx{project, view, messages, hooks};

    EquationEntry equation(const std::string& text) {
        EquationEntry f;
        f.expr.source = text;
        return f;
    }
    CompiledExpression expression(const std::string& text) {
        CompiledExpression f;
        f.source = text;
        return f;
    }
    FigureEntry point(int n, const std::string& x, const std::string& y) {
        FigureEntry f = blankFigure(n);
        f.kind = FigureKind::Point;
        f.x.source = x;
        f.y.source = y;
        return f;
    }
    void storeY(int n, const std::string& text) { storeExplicitFunction(ctx, n, equation(text)); }
};

} // namespace tarlix::testing
