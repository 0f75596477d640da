#include "ProjectFixture.h"
#include "document/UndoHistories.h"

#include <string>

using namespace tarlix;

namespace {

// The document's own data history takes every edit's undo step.
struct UndoHistory : tarlix::testing::ProjectTest {
    DataHistory& history = doc.dataHistory;
    Document& undoCtx = doc;

    void edit(const std::string& y1) { storeExplicitFunction(undoCtx, 1, equation(y1)); }
    std::string y1() const { return project.explicitFunctions[1].expr.source; }
};

} // namespace

TEST_F(UndoHistory, UndoAndRedoWalkBetweenTheEdits) {
    edit("x");
    edit("x^2");
    ASSERT_TRUE(history.undo(undoCtx));
    EXPECT_EQ(y1(), "x");
    EXPECT_TRUE(project.modified);
    EXPECT_TRUE(history.canRedo());
    ASSERT_TRUE(history.redo(undoCtx));
    EXPECT_EQ(y1(), "x^2");
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo(undoCtx));

    ASSERT_TRUE(history.undo(undoCtx));
    ASSERT_TRUE(history.undo(undoCtx));
    EXPECT_EQ(y1(), "");
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(undoCtx));
    // The compiled code follows the restored text.
    ASSERT_TRUE(history.redo(undoCtx));
    EXPECT_EQ(y1(), "x");
    EXPECT_FALSE(project.explicitFunctions[1].expr.code.empty());
}

TEST_F(UndoHistory, AnEditThatChangesNothingAddsNoStep) {
    edit("x");
    edit("x");
    edit("x");
    EXPECT_EQ(history.steps().count(), 2); // before the first edit, and after it
}

// Sixty edits: the present state stored at the first undo pushes out the oldest of fifty, so
// undo reaches back 49 states, to the one after the eleventh edit.
TEST_F(UndoHistory, AFullHistoryKeepsTheNewestFiftySteps) {
    for (int i = 1; i <= 60; ++i) edit("x+" + std::to_string(i));
    int undone = 0;
    while (history.undo(undoCtx)) ++undone;
    EXPECT_EQ(undone, 49);
    EXPECT_EQ(y1(), "x+11");
}

TEST_F(UndoHistory, ANewEditDiscardsTheRedoSteps) {
    edit("x");
    edit("x^2");
    history.undo(undoCtx);
    edit("x^3");
    EXPECT_FALSE(history.canRedo());
    history.undo(undoCtx);
    EXPECT_EQ(y1(), "x");
}

// Consecutive snapshots share the blocks of lines that did not change, so a long history of
// small edits holds little more than one copy of the project.
TEST_F(UndoHistory, SnapshotsShareUnchangedLines) {
    edit("x");
    const ProjectSnapshot first = takeSnapshot(project, view, nullptr);
    edit("x^2");
    const ProjectSnapshot second = takeSnapshot(project, view, &first);
    std::size_t shared = 0;
    for (std::size_t i = 0; i < first.blocks().size(); ++i)
        if (first.blocks()[i] == second.blocks()[i]) ++shared;
    EXPECT_GE(shared + 2, first.blocks().size());
    EXPECT_FALSE(sameStep(first, second));
    EXPECT_TRUE(sameStep(second, takeSnapshot(project, view, nullptr))); // by content
}

// The view history: a change of divisions alone is no step; undo restores ranges and sizes.
TEST_F(UndoHistory, ViewStepsIgnoreTheDivisions) {
    ViewHistory views;
    view.setView(-5, 5, -5, 5);
    const ViewStep before = captureViewStep(view);
    views.push(view);
    view.xAxis.divisions = 12;
    views.push(view);
    EXPECT_FALSE(views.canRedo());
    view.setView(0, 20, -1, 1);
    ASSERT_TRUE(views.undo(view, [&](const ViewStep& s) { applyViewStep(view, s); }));
    EXPECT_TRUE(sameStep(captureViewStep(view), before));
    EXPECT_EQ(view.xAxis.divisions, 7);
    ASSERT_TRUE(views.redo([&](const ViewStep& s) { applyViewStep(view, s); }));
    EXPECT_NEAR(static_cast<double>(view.xAxis.high), 20, 0.5);
}
