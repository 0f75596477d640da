#include "ProgramFixture.h"
#include "shell/DataPanel.h"

#include <QAction>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct UndoCommands : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    QAction* undo() { return shown.program->dataPanel()->action("EditUndo"); }
    QAction* redo() { return shown.program->dataPanel()->action("EditRedo"); }
    std::string y(int n) { return shown.project().explicitFunctions[n].expr.source; }
    void storeY(int n, const std::string& text) {
        Document& ctx = shown.program->context();
        EquationEntry f;
        f.expr.source = text;
        storeExplicitFunction(ctx, n, f);
    }
};

} // namespace

// The data panel's undo and redo take the steps of the store edits, and are enabled exactly
// when there is a step to take.
TEST_F(UndoCommands, UndoAndRedoFollowTheEdits) {
    storeY(2, "x^2");
    EXPECT_TRUE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());
    undo()->trigger();
    EXPECT_EQ(y(2), "");
    EXPECT_EQ(y(1), "a x");
    EXPECT_TRUE(redo()->isEnabled());
    redo()->trigger();
    EXPECT_EQ(y(2), "x^2");
    EXPECT_FALSE(redo()->isEnabled());

    shown.messages.setAnswer(true); // to the question before a modified project is cleared
    shown.program->dataPanel()->action("FileNew")->trigger();
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_FALSE(redo()->isEnabled());
}
