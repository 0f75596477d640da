// The options dialog as the user drives it: opened from the graph window's button, a preset
// taken with Enter as one undo step, refusals that keep it open, Cancel, the exclusion of
// degrees and complex mode, and its place kept between showings.
#include "shell/dialogs/OptionsDialog.h"
#include "ProgramFixture.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct OptionsDialogTest : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    Project& project() { return shown.project(); }
    View& view() { return shown.program->objects().document.view; }
    OptionsDialog* dialog() { return shown.program->optionsDialog(); }
    QAction* undo() { return shown.program->dataPanel()->action("EditUndo"); }
    std::string lastMessage() const {
        return shown.messages.entries.empty() ? std::string() : shown.messages.entries.back().text;
    }
    void openFromGraphWindow() {
        QAction* button = shown.program->graph()->optionsButton();
        ASSERT_TRUE(button->isEnabled());
        button->trigger();
        ASSERT_TRUE(dialog()->isVisible());
    }
    void pressEnter() {
        QWidget* target = dialog()->focusWidget() ? dialog()->focusWidget() : dialog();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }
};

TEST_F(OptionsDialogTest, DegreePresetWithEnterIsOneUndoStep) {
    openFromGraphWindow();
    dialog()->control<QToolButton>("SB3")->click();
    EXPECT_TRUE(dialog()->control<QToolButton>("SBDeg")->isChecked());
    pressEnter();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(project().engine.angleMode, AngleMode::Degrees);
    EXPECT_EQ(view().xAxis.base, 90);
    EXPECT_TRUE(project().modified);
    ASSERT_TRUE(undo()->isEnabled());
    undo()->trigger();
    EXPECT_EQ(project().engine.angleMode, AngleMode::Radians);
    EXPECT_EQ(view().xAxis.base, 1);
}

// Every page's tab is in sight when the dialog opens: none hides behind scroll arrows.
TEST_F(OptionsDialogTest, EveryPagesTabIsInSight) {
    openFromGraphWindow();
    QTabBar* tabs = dialog()->pages()->tabBar();
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_LE(tabs->tabRect(i).right(), tabs->width()) << tabs->tabText(i).toStdString();
}

// A refused OK shows its message and leaves the dialog open with what was typed; Cancel then
// leaves the project as it was.
TEST_F(OptionsDialogTest, RefusedOkStaysOpenAndCancelDiscards) {
    const DataHistory& history = shown.program->objects().document.dataHistory;
    const int steps = history.steps().count();
    openFromGraphWindow();
    const int width = view().xAxis.pixelLength;
    dialog()->control<QLineEdit>("Edit3")->setText("149");
    dialog()->okButton()->click();
    EXPECT_EQ(lastMessage(), kMsgDrawingSize);
    EXPECT_TRUE(dialog()->isVisible());
    dialog()->control<QLineEdit>("Edit3")->setText("400");
    dialog()->control<QLineEdit>("Xedit2")->setText("-5");
    dialog()->okButton()->click();
    EXPECT_EQ(lastMessage(), kMsgInvalidArea);
    EXPECT_TRUE(dialog()->isVisible());
    dialog()->control<QCheckBox>("cbDrawOnDrag")->click();
    dialog()->cancelButton()->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(view().xAxis.pixelLength, width);
    EXPECT_FALSE(project().settings.drawWhileDragging);
    EXPECT_FALSE(project().modified);
    EXPECT_EQ(history.steps().count(), steps);
}

// Complex mode checked while degrees are chosen warns and goes back to radians; the imaginary
// unit box follows complex mode.
TEST_F(OptionsDialogTest, ComplexModeWithDegreesSwitchesToRadians) {
    openFromGraphWindow();
    auto* unit = dialog()->control<QCheckBox>("cbIunit");
    EXPECT_FALSE(unit->isEnabled());
    dialog()->control<QToolButton>("SBDeg")->click();
    dialog()->control<QCheckBox>("cbComplex")->click();
    EXPECT_EQ(lastMessage(), kMsgDegreesInComplexMode);
    EXPECT_TRUE(dialog()->control<QToolButton>("SBRad")->isChecked());
    EXPECT_TRUE(dialog()->control<QCheckBox>("cbComplex")->isChecked());
    EXPECT_TRUE(unit->isEnabled());
    dialog()->okButton()->click();
    EXPECT_TRUE(project().engine.complexMode);
    EXPECT_EQ(project().engine.angleMode, AngleMode::Radians);
}

TEST_F(OptionsDialogTest, OpensWhereItLastClosed) {
    openFromGraphWindow();
    dialog()->move(137, 91);
    const QPoint at = dialog()->pos();
    dialog()->cancelButton()->click();
    shown.program->dataPanel()->action("EditOptions")->trigger();
    EXPECT_EQ(dialog()->pos(), at);
    dialog()->cancelButton()->click();
}

} // namespace
