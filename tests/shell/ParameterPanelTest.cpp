#include "shell/ParameterPanel.h"
#include "shell/DataPanel.h"
#include "shell/Program.h"
#include "shell/ProgramFixture.h"

#include "platform/Timer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
// The row of a is on show.
struct ParameterProgram : tarlix::testing::ProgramShowingAx {
    ParameterPanel* panel = program->dataPanel()->parameterPanel();
    Extended a() { return project().parameters[1].value; }
};

void key(QWidget* w, int code, const QString& text = {},
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(w, &press);
}

void mouse(QWidget* w, QEvent::Type type) {
    const QPointF at = QRectF(w->rect()).center();
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(ParameterPanel, ATypedValueCommittedWithEnterChangesTheParameterAndSetsModified) {
    ParameterProgram p;
    ParameterPanelRow& row = p.panel->row(1);
    ASSERT_TRUE(row.shown);
    EXPECT_FALSE(p.panel->row(2).shown); // b is not used
    EXPECT_EQ(row.letter->text(), " a =");

    row.value->selectAll();
    for (QChar c : QString("2a+0.5")) key(row.value, c.toUpper().unicode(), QString(c));
    EXPECT_EQ(row.value->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(p.a(), 1); // typing alone changes nothing
    key(row.value, Qt::Key_Return);
    EXPECT_EQ(p.a(), 2.5L); // evaluated with the value a had
    EXPECT_EQ(row.value->text(), "2.5");
    EXPECT_EQ(row.value->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_TRUE(p.project().modified);

    // A text that gives no number leaves the value, and the edit shows it again.
    p.project().modified = false;
    key(row.value, Qt::Key_ParenLeft, "(");
    key(row.value, Qt::Key_Return);
    EXPECT_EQ(p.a(), 2.5L);
    EXPECT_EQ(row.value->text(), "2.5");
    EXPECT_FALSE(p.project().modified);

    // Ctrl+Right and Ctrl+Left in the value edit step the parameter.
    key(row.value, Qt::Key_Right, {}, Qt::ControlModifier);
    key(row.value, Qt::Key_Right, {}, Qt::ControlModifier);
    key(row.value, Qt::Key_Left, {}, Qt::ControlModifier);
    EXPECT_NEAR(static_cast<double>(p.a()), 2.6, 1e-15);
    EXPECT_EQ(row.value->text(), "2.6");
    EXPECT_TRUE(p.project().modified);
}

TEST(ParameterPanel, AHeldStepButtonRepeatsUntilReleasedAndOnlyOnceWithoutRepetition) {
    FakeClock clock;
    FakeTimer timer(clock);
    ParameterProgram p;
    p.panel->animation().setTimeSource(clock, timer);
    QToolButton* increment = p.panel->row(1).increment;
    p.project().settings.animationPeriod = 80;
    mouse(increment, QEvent::MouseButtonPress);
    EXPECT_NEAR(static_cast<double>(p.a()), 1.1, 1e-15); // the first step at once
    EXPECT_TRUE(p.panel->animating());
    timer.advance(firstDelay - 1);
    EXPECT_NEAR(static_cast<double>(p.a()), 1.1, 1e-15);
    timer.advance(201); // steps at firstDelay, then 80 and 160 ms later
    EXPECT_NEAR(static_cast<double>(p.a()), 1.4, 1e-12);
    mouse(increment, QEvent::MouseButtonRelease);
    EXPECT_FALSE(p.panel->animating());
    const Extended released = p.a();
    timer.advance(200);
    EXPECT_EQ(p.a(), released);

    p.project().settings.animationPeriod = 0;
    mouse(increment, QEvent::MouseButtonPress);
    timer.advance(700);
    EXPECT_NEAR(static_cast<double>(p.a()), static_cast<double>(released + 0.1L), 1e-12);
    mouse(increment, QEvent::MouseButtonRelease);
}

TEST(ParameterPanel, InitialisingParametersAsksFirst) {
    ParameterProgram p;
    p.project().parameters[1].value = 7;
    p.project().settings.animationPeriod = 8;
    QAction* reset = p.program->dataPanel()->action("EditResetParameters");
    ASSERT_TRUE(reset->isEnabled());
    reset->trigger(); // answered "&Cancelar"
    ASSERT_EQ(p.messages.entries.size(), 1u);
    EXPECT_EQ(p.messages.entries[0].text, "Inicializar todos los par\xE1metros usando [OK]");
    EXPECT_EQ(p.messages.entries[0].kind, MessageKind::Warning);
    EXPECT_TRUE(p.messages.entries[0].withCancel);
    EXPECT_EQ(p.a(), 7);

    p.messages.setAnswer(true);
    reset->trigger();
    EXPECT_EQ(p.a(), 1);
    EXPECT_EQ(p.project().settings.animationPeriod, 80);
    EXPECT_EQ(p.panel->row(1).value->text(), "1");
    EXPECT_EQ(p.panel->speedBar()->value(), 10);
}
