#include "shell/CalculatorWindow.h"
#include "ProgramFixture.h"
#include "shell/CategoryPanelWidget.h"
#include "shell/DataPanel.h"
#include "shell/dialogs/EquationDialog.h"
#include "shell/dialogs/PropertyDialogs.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct CalculatorWindowTest : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    CalculatorWindow* calc() { return shown.program->calculator(); }
    Project& project() { return shown.project(); }
    CategoryPanelWidget* panel(CategoryPanel p) {
        return static_cast<CategoryPanelWidget*>(shown.program->console()->panel(p));
    }
    // Keys as the user presses them, so that the edit box reports its edits.
    void key(int code, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(calc()->editBox(), &press);
    }
    void type(const QString& text) {
        for (QChar c : text) key(0, QString(c));
    }
    static void doubleClick(QWidget* w) {
        const QPointF at(2, 2);
        QMouseEvent e(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

} // namespace

// The data panel's create button opens the calculator on the first free function; what is
// typed and sent with Enter is stored there, drawn, and can be undone.
TEST_F(CalculatorWindowTest, CreateButtonEditsTheFirstFreeFunction) {
    panel(cpExplicit)->createButton()->click();
    ASSERT_TRUE(calc()->isVisible());
    EXPECT_EQ(calc()->findChild<QLabel*>("LblFunction")->text(), "y2=");
    EXPECT_EQ(calc()->sendButton()->text(), "DefFin");
    type("x^2");
    EXPECT_FALSE(calc()->preview()->pixmap().isNull());
    key(Qt::Key_Return);
    EXPECT_FALSE(calc()->isVisible());
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2");
    EXPECT_FALSE(project().explicitFunctions[2].expr.code.empty());
    EXPECT_TRUE(shown.program->console()->action("EditUndo")->isEnabled());
}

// A double click on a row opens its properties, whose expression picture edits it in the
// calculator; a text that does not compile is refused with the compiler's message and the
// window stays open.
TEST_F(CalculatorWindowTest, DoubleClickEditsTheRowAndBadTextStaysInTheWindow) {
    doubleClick(panel(cpExplicit)->rowText(1));
    shown.program->dialogs()->equationDialog()->formulaButton()->click();
    ASSERT_TRUE(calc()->isVisible());
    EXPECT_EQ(calc()->editBox()->text(), "a x");
    calc()->editBox()->end(false);
    type("+");
    calc()->sendExpression();
    EXPECT_TRUE(calc()->isVisible());
    EXPECT_FALSE(shown.messages.entries.empty());
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x");
}

// "=" shows the result; templates put the cursor in their first place; Escape asks first.
TEST_F(CalculatorWindowTest, EqualTemplatesAndEscape) {
    calc()->open(CalculatorRequest{});
    type("1/4");
    calc()->equalButton()->click();
    EXPECT_EQ(calc()->calculator().resultText(), "0.25");
    EXPECT_FALSE(calc()->result()->pixmap().isNull());

    calc()->editBox()->clear();
    calc()->paletteButton("SBMid")->click();
    EXPECT_EQ(calc()->editBox()->text(), "mid(,)");
    EXPECT_EQ(calc()->editBox()->cursorPosition(), 4);
    calc()->paletteButton("sbtheta")->click();
    EXPECT_EQ(calc()->editBox()->text(), "mid(θ,)");
    EXPECT_EQ(calc()->calculator().record().source, "mid(@,)");

    shown.messages.setAnswer(false);
    key(Qt::Key_Escape);
    EXPECT_TRUE(calc()->isVisible());
    EXPECT_EQ(shown.messages.entries.back().text, "Salir con [OK]");
    shown.messages.setAnswer(true);
    key(Qt::Key_Escape);
    EXPECT_FALSE(calc()->isVisible());
}
