#include "shell/CalculatorWindow.h"
#include "ProgramFixture.h"
#include "shell/CalculatorRequests.h"
#include "shell/CategoryPanelWidget.h"
#include "shell/DataPanel.h"
#include "shell/ParameterPanel.h"
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
        return static_cast<CategoryPanelWidget*>(shown.program->dataPanel()->panel(p));
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

// The data panel's create button opens the first free function's properties and the
// calculator on it at once; what is typed and sent with Enter is stored there on OK, drawn,
// and can be undone.
TEST_F(CalculatorWindowTest, CreateButtonEditsTheFirstFreeFunction) {
    panel(CategoryPanel::Explicit)->createButton()->click();
    ASSERT_TRUE(calc()->isVisible());
    EXPECT_EQ(calc()->findChild<QLabel*>("LblFunction")->text(), "y2=");
    EXPECT_EQ(calc()->sendButton()->text(), "DefFin");
    type("x^2");
    EXPECT_FALSE(calc()->preview()->pixmap().isNull());
    key(Qt::Key_Return);
    EXPECT_FALSE(calc()->isVisible());
    shown.program->dialogs()->equationDialog()->okButton()->click();
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2");
    EXPECT_FALSE(project().explicitFunctions[2].expr.code.empty());
    EXPECT_TRUE(shown.program->dataPanel()->action("EditUndo")->isEnabled());
}

// A double click on a row opens its properties, whose expression picture edits it in the
// calculator; a text that does not compile is refused with the compiler's message and the
// window stays open.
TEST_F(CalculatorWindowTest, DoubleClickEditsTheRowAndBadTextStaysInTheWindow) {
    doubleClick(panel(CategoryPanel::Explicit)->rowText(1));
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

// An undefined result shows the word "error" as text (typeset, its "or" would read as the
// operator), and «sqrt(4)» typed in small letters previews as the radical, as «Sqrt(4)» does.
TEST_F(CalculatorWindowTest, ErrorIsShownAsAWordAndSqrtAsARadical) {
    calc()->open(CalculatorRequest{});
    type("x+1");
    calc()->equalButton()->click();
    EXPECT_EQ(calc()->result()->text(), "error");
    EXPECT_TRUE(calc()->result()->pixmap().isNull());
    type("+1"); // typing again clears the result
    EXPECT_TRUE(calc()->result()->text().isEmpty());

    const auto preview = [&](const QString& text) {
        calc()->editBox()->clear();
        type(text);
        return calc()->preview()->pixmap().toImage();
    };
    EXPECT_TRUE(preview("sqrt(4)") == preview("Sqrt(4)"));
    EXPECT_FALSE(preview("sqrt(4)") == preview("sqr(4)"));
}

// A numeric field takes the value of what was typed; a text without a real value is refused
// with its message and the window stays open.
TEST_F(CalculatorWindowTest, ANumericFieldTakesTheValue) {
    Extended stored = 0;
    std::string shownValue;
    calc()->open(numberRequest([this]() -> Document& { return shown.program->context(); }, "a=", "",
                               [&](Extended v, const std::string& t) {
                                   stored = v;
                                   shownValue = t;
                               }));
    type("x+1");
    calc()->sendExpression();
    EXPECT_TRUE(calc()->isVisible());
    EXPECT_EQ(shown.messages.entries.back().text, "Tipo de n\xFAmero invalido");
    calc()->editBox()->clear();
    type("Pi/4");
    calc()->sendExpression();
    EXPECT_FALSE(calc()->isVisible());
    EXPECT_NEAR(static_cast<double>(stored), 0.785398163397448, 1e-12);
    EXPECT_EQ(shownValue, "0.785398163397448");
}

// A double click on a parameter's value opens the calculator on it; the value typed there is
// the parameter's new value.
TEST_F(CalculatorWindowTest, AParameterValueIsEditedInTheCalculator) {
    ParameterPanel* parameters = shown.program->dataPanel()->parameterPanel();
    parameters->editValueRequested(1);
    ASSERT_TRUE(calc()->isVisible());
    EXPECT_EQ(calc()->findChild<QLabel*>("LblFunction")->text(), "a=");
    EXPECT_EQ(calc()->editBox()->text(), "1");
    calc()->editBox()->clear();
    type("Pi/2");
    key(Qt::Key_Return);
    EXPECT_NEAR(static_cast<double>(project().parameters[1].value), 1.5707963267949, 1e-12);
    parameters->editStepRequested(1);
    EXPECT_EQ(calc()->findChild<QLabel*>("LblFunction")->text(), "Step=");
}
