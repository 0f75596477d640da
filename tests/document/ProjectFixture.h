#pragma once
// A document with its message box and recording hooks, as the program wires them.

#include "document/ProjectEdit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarlix::testing {

// The undo steps the document stored since the last reset.
struct UndoCounter {
    const DataHistory* history = nullptr;
    int baseline = 0;
    int operator()() const { return history->steps().count() - baseline; }
    void reset() { baseline = history->steps().count(); }
};

// Records what the operations tell the windows, and counts the undo steps they store.
struct RecordingHooks : DocumentHooks {
    UndoCounter undoSteps;
    int redraws = 0;
    int replaced = 0;
    std::vector<int> segmentsRemoved;
    std::vector<CategoryPanel> categoriesChanged;
    void categoryChanged(CategoryPanel panel) override { categoriesChanged.push_back(panel); }
    void redraw() override { ++redraws; }
    void projectReplaced() override { ++replaced; }
    void segmentRemoved(int index) override { segmentsRemoved.push_back(index); }
};

// A document as the program wires it, with its parts under their usual names.
struct ProjectTest : ::testing::Test {
    ViewDefaults defaults;
    Document doc;
    Project& project = doc.project;
    RedrawState& redraw = doc.redraw;
    View& view = doc.view;
    RecordingMessageBox messages;
    RecordingHooks hooks;
    Document& ctx = doc;

    ProjectTest() {
        doc.setMessageBox(&messages);
        doc.setHooks(&hooks);
        hooks.undoSteps.history = &doc.dataHistory;
    }

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
