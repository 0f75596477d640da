#include "ProgramFixture.h"
#include "shell/ControlPalette.h"
#include "shell/DataPanel.h"
#include "shell/GraphContextMenu.h"
#include "shell/GraphWindow.h"
#include "shell/dialogs/OptionsDialog.h"
#include "shell/dialogs/PenPalette.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

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

// Ctrl+Z and Ctrl+Y, and the platform's own undo and redo keys, undo and redo from every window
// of the program, and the menu items show them.
TEST_F(UndoCommands, UndoAndRedoKeysWorkInEveryWindow) {
    EXPECT_TRUE(undo()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_TRUE(redo()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::Undo))
        EXPECT_TRUE(undo()->shortcuts().contains(k)) << k.toString().toStdString();
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::Redo))
        EXPECT_TRUE(redo()->shortcuts().contains(k)) << k.toString().toStdString();
    EXPECT_FALSE(undo()->shortcut().isEmpty()); // what the menu item shows beside its text

    QWidget* windows[] = {shown.program->graph(), shown.program->dataPanel(),
                          shown.program->palette()};
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        storeY(2, "x^2");
        window->show();
        window->activateWindow();
        QApplication::processEvents();
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(y(2), "");
        QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(y(2), "x^2");
        undo()->trigger();
    }
}

// The area row of the graph window's palette keeps the domain history buttons in sight at the
// window's own width, beside the scale row, which gives way.
TEST_F(UndoCommands, TheDomainHistoryButtonsStayOutOfTheOverflow) {
    GraphWindow* graph = shown.program->graph();
    QApplication::processEvents();
    ASSERT_TRUE(graph->palette()->merged());
    QToolBar* area = graph->palette()->row(ControlPalette::Row::Area);
    for (const char* name : {"tbUndo", "tbRedo", "btnOption"}) {
        auto* action = graph->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        QWidget* button = area->widgetForAction(action);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(button->isVisible()) << name;
    }
}

// Buttons that cannot act are drawn faded (the style leaves a disabled black line picture as
// it is), and buttons whose window the program does not have yet are disabled with the menu
// item that opens that window.
TEST_F(UndoCommands, ButtonsThatCannotActLookDisabled) {
    const auto ink = [](const QPixmap& p) {
        const QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                sum += c.alphaF() * (1.0 - c.valueF() * 0.5);
            }
        return sum;
    };
    QToolBar* bar = shown.program->dataPanel()->toolBar();
    int disabled = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator() || a->isEnabled()) continue;
        ++disabled;
        const QIcon icon = a->icon();
        EXPECT_LT(ink(icon.pixmap(24, QIcon::Disabled)), 0.5 * ink(icon.pixmap(24, QIcon::Normal)))
            << a->toolTip().toStdString();
    }
    EXPECT_GE(disabled, 2); // the stop of continuous saving, and undo or redo
    EXPECT_FALSE(shown.program->dataPanel()->action("Toolbar.stopContinuousSave")->isEnabled());
    // The graph's menu offers printing exactly when the toolbar does.
    auto* graphMenu = shown.program->graph()->findChild<GraphContextMenu*>();
    QAction* print = shown.program->dataPanel()->action("FilePrint");
    EXPECT_TRUE(print->isEnabled());
    print->setEnabled(false);
    EXPECT_FALSE(graphMenu->menuAt(10, 10)->findChild<QAction*>("ppmprint")->isEnabled());
    print->setEnabled(true);
    EXPECT_TRUE(graphMenu->menuAt(10, 10)->findChild<QAction*>("ppmprint")->isEnabled());

    DataPanel* console = shown.program->dataPanel();
    QAction* editMemo = console->action("EditMemo");
    QPushButton* memoButton = console->panel(CategoryPanel::Memo)->createButton();
    QAction* options = console->action("EditOptions");
    QAction* optionButton = shown.program->graph()->findChild<QAction*>("btnOption");
    ASSERT_FALSE(editMemo->isEnabled());
    // The options dialog exists, so its item starts enabled; the button still follows it.
    ASSERT_TRUE(options->isEnabled());
    ASSERT_TRUE(optionButton->isEnabled());
    options->setEnabled(false);
    EXPECT_FALSE(memoButton->isEnabled());
    EXPECT_FALSE(optionButton->isEnabled());
    // Once the windows come, the buttons open them.
    int memoOpened = 0, optionsOpened = 0;
    QObject::connect(editMemo, &QAction::triggered, [&] { ++memoOpened; });
    QObject::connect(options, &QAction::triggered, [&] { ++optionsOpened; });
    editMemo->setEnabled(true);
    options->setEnabled(true);
    EXPECT_TRUE(memoButton->isEnabled());
    EXPECT_TRUE(optionButton->isEnabled());
    memoButton->click();
    optionButton->trigger();
    EXPECT_EQ(memoOpened, 1);
    EXPECT_EQ(optionsOpened, 1);
    EXPECT_TRUE(shown.program->optionsDialog()->isVisible());
    shown.program->optionsDialog()->reject();
}
