// The property dialogs and the pen palette as the user drives them from the data panel: what
// OK stores (one undo step), what Cancel leaves, what is refused, and colours from the palette.
#include "shell/dialogs/PropertyDialogs.h"
#include "ProgramFixture.h"
#include "document/ParamTable.h"
#include "document/PropertyEdits.h"
#include "document/SegmentEdit.h"
#include "expression/CompileMessages.h"
#include "shell/CalculatorWindow.h"
#include "shell/CategoryPanelWidget.h"
#include "shell/DataPanel.h"
#include "shell/MessageWindow.h"
#include "shell/ParameterPanel.h"
#include "shell/dialogs/EquationDialog.h"
#include "shell/dialogs/FigureDialog.h"
#include "shell/dialogs/PenPalette.h"
#include "shell/dialogs/SegmentDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {

struct PropertyDialogsTest : ::testing::Test {
    tarlix::testing::ProgramShowingAx shown;
    Project& project() { return shown.project(); }
    PropertyDialogs* dialogs() { return shown.program->dialogs(); }
    CategoryPanelWidget* panel(CategoryPanel p) {
        return static_cast<CategoryPanelWidget*>(shown.program->dataPanel()->panel(p));
    }
    QAction* undo() { return shown.program->dataPanel()->action("EditUndo"); }
    std::string lastMessage() const {
        return shown.messages.entries.empty() ? std::string() : shown.messages.entries.back().text;
    }
    static void doubleClick(QWidget* w) {
        const QPointF at(2, 2);
        QMouseEvent e(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // A point P = (x, y) made through the basic figures' letter strip.
    void makePoint(const QString& x, const QString& y) {
        panel(CategoryPanel::BasicFigures)->letterButton(1)->click();
        FigureDialog* d = dialogs()->figureDialog();
        d->kindButton(FigureKind::Point)->click();
        d->field("x")->setText(x);
        d->field("y")->setText(y);
        d->okButton()->click();
    }
};

} // namespace

// The letter strip opens the figure dialog for that letter; OK stores the figure as one undo
// step, which takes the figure away again, leaving the step before it in place.
TEST_F(PropertyDialogsTest, ALetterOfTheStripCreatesAFigureInOneUndoStep) {
    ASSERT_NE(panel(CategoryPanel::BasicFigures)->letterButton(1), nullptr);
    EXPECT_FALSE(panel(CategoryPanel::BasicFigures)->letterButton(1)->isHidden());
    makePoint("1", "2");
    FigureDialog* d = dialogs()->figureDialog();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Figura P Propiedades");
    ASSERT_EQ(project().figures[1].kind, FigureKind::Point);
    EXPECT_EQ(project().figures[1].x.source, "1");
    EXPECT_TRUE(panel(CategoryPanel::BasicFigures)->letterButton(1)->isHidden()); // P is taken
    EXPECT_TRUE(panel(CategoryPanel::BasicFigures)
                    ->rowButton(1)
                    ->isVisibleTo(panel(CategoryPanel::BasicFigures)));

    undo()->trigger();
    EXPECT_EQ(project().figures[1].kind, FigureKind::Empty);
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x"); // the fixture's step is left
}

TEST_F(PropertyDialogsTest, CancelStoresNothingAndLeavesNoStep) {
    makePoint("1", "2");
    doubleClick(panel(CategoryPanel::BasicFigures)->rowText(1));
    FigureDialog* d = dialogs()->figureDialog();
    ASSERT_TRUE(d->isVisible());
    d->field("x")->setText("5");
    d->reject();
    EXPECT_EQ(project().figures[1].x.source, "1");
    undo()->trigger(); // the point's own step
    EXPECT_EQ(project().figures[1].kind, FigureKind::Empty);
}

// Refusals keep the dialog open with its message, and the project as it was.
TEST_F(PropertyDialogsTest, FigureRefusalsKeepTheDialogOpen) {
    makePoint("1", "2");
    FigureDialog* d = dialogs()->figureDialog();
    struct Case {
        FigureKind kind;
        const char* x;
        const char* y;
        const char* r;
        const char* message;
    } cases[] = {
        {FigureKind::Circle, "1", "2", "", msg::kNotFinished}, // a circle without radius
        {FigureKind::Point, "P.x+1", "2", "", msg::kCircular}, // a point through itself
        // x and y without the letter t
        {FigureKind::Parametric, "cos s", "sin s", "", kMsgBadCurveParameter},
    };
    for (const Case& c : cases) {
        shown.messages.entries.clear();
        doubleClick(panel(CategoryPanel::BasicFigures)->rowText(1));
        if (c.kind == FigureKind::Parametric) d->open(1, FigureKinds::All);
        d->kindButton(c.kind)->click();
        d->field("x")->setText(c.x);
        d->field("y")->setText(c.y);
        d->field("r")->setText(c.r);
        d->okButton()->click();
        EXPECT_TRUE(d->isVisible()) << c.x;
        EXPECT_EQ(lastMessage(), c.message) << c.x;
        EXPECT_EQ(project().figures[1].kind, FigureKind::Point) << c.x;
        EXPECT_EQ(project().figures[1].x.source, "1") << c.x;
        d->reject();
    }
}

TEST_F(PropertyDialogsTest, KindCaptionsAndIncrementSteps) {
    panel(CategoryPanel::Curves)->letterButton(2)->click();
    FigureDialog* d = dialogs()->figureDialog();
    EXPECT_FALSE(d->kindButton(FigureKind::Point)->isEnabled()); // the curve category: curves only
    EXPECT_TRUE(d->kindButton(FigureKind::Parametric)->isChecked());
    EXPECT_EQ(d->field("low")->text(), "0");
    EXPECT_EQ(d->field("high")->text(), "2Pi");
    d->open(2, FigureKinds::All);
    d->kindButton(FigureKind::Circle)->click();
    EXPECT_EQ(d->caption()->text(), "Centro");
    EXPECT_EQ(d->radiusButton()->toolTip(), "Radio");
    d->kindButton(FigureKind::Polar)->click();
    EXPECT_EQ(d->radiusButton()->toolTip(), "Ecuación polar");
    d->kindButton(FigureKind::HorizontalLine)->click();
    EXPECT_EQ(d->caption()->text(), "Línea");
    EXPECT_TRUE(d->field("r")->isVisibleTo(d));
    EXPECT_FALSE(d->field("x")->isVisibleTo(d));

    const struct {
        const char* from;
        bool up;
        const char* to;
    } steps[] = {{"1000", true, "1000"},
                 {"0.3", true, "0.5"},
                 {"0.001", false, "0.001"},
                 {"0.5", false, "0.2"}};
    for (const auto& s : steps) {
        d->field("step")->setText(s.from);
        d->findChild<QToolButton*>(s.up ? "sbPrmDup" : "sbPrmDDwn")->click();
        EXPECT_EQ(d->field("step")->text(), s.to) << s.from;
    }
    d->reject();
}

TEST_F(PropertyDialogsTest, LabelChoicesFollowTheKind) {
    panel(CategoryPanel::BasicFigures)->letterButton(1)->click();
    FigureDialog* d = dialogs()->figureDialog();
    d->kindButton(FigureKind::VerticalLine)->click();
    ASSERT_EQ(d->labelBox()->count(), 2);
    EXPECT_EQ(d->labelBox()->itemText(1), "{x=!{x}}//Ecuación");
    d->kindButton(FigureKind::Point)->click();
    ASSERT_EQ(d->labelBox()->count(), 5);
    EXPECT_EQ(d->labelBox()->itemText(2), "P!{(x,y)}//Coordenadas");
    // Choosing an entry without a position shows it at the third.
    EXPECT_EQ(d->labelButton(3)->isChecked(), false);
    d->labelBox()->activated(2);
    EXPECT_TRUE(d->labelButton(3)->isChecked());
    d->reject();
}

// Functions: y and r are refused, a circular definition restores the old one with its
// message, OK is one undo step; the same text is a relation.
TEST_F(PropertyDialogsTest, FunctionDialogRefusalsAndOneStep) {
    doubleClick(panel(CategoryPanel::Explicit)->rowText(1));
    EquationDialog* d = dialogs()->equationDialog();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "y1 Propiedades");
    EXPECT_EQ(d->expressionBox()->text(), "a x");
    for (const auto& [text, message] :
         {std::pair{"x+y", kMsgNoYInFunctions}, std::pair{"y1+1", msg::kCircular}}) {
        d->expressionBox()->setText(text);
        d->okButton()->click();
        EXPECT_TRUE(d->isVisible()) << text;
        EXPECT_EQ(lastMessage(), message) << text;
        EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x") << text;
    }
    d->expressionBox()->setText("x^2");
    d->fastPolynomial()->setChecked(false);
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "x^2");
    EXPECT_FALSE(project().explicitFunctions[1].fastPolynomial);
    undo()->trigger();
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x");

    Document& ctx = shown.program->context();
    storeRelation(ctx, 1, EquationEntry{});
    d->openRelation(1);
    EXPECT_EQ(d->windowTitle(), "C1 Propiedades");
    d->expressionBox()->setText("x+y>1");
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project().relations[1].expr.source, "x+y>1");

    d->openFunction(1);
    d->deleteButton()->click();
    d->okButton()->click();
    EXPECT_TRUE(project().explicitFunctions[1].expr.source.empty());
}

TEST_F(PropertyDialogsTest, SegmentDialogChecksItsVertices) {
    makePoint("1", "2");
    panel(CategoryPanel::BasicFigures)->letterButton(2)->click(); // Q
    FigureDialog* f = dialogs()->figureDialog();
    f->kindButton(FigureKind::Point)->click();
    f->field("x")->setText("3");
    f->field("y")->setText("4");
    f->okButton()->click();
    Document& ctx = shown.program->context();
    ASSERT_EQ(addSegment(ctx, PenDefaults{}, 1, 2), 1);

    doubleClick(panel(CategoryPanel::ConnectedFigures)->rowText(1));
    SegmentDialog* d = dialogs()->segmentDialog();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->vertexBox()->text(), "PQ");
    EXPECT_EQ(d->labelBox()->itemText(0), "!{len(P,Q)|3}//Longitud");
    d->kindButton(SegmentKind::Polygon)->click();
    d->okButton()->click();
    EXPECT_EQ(lastMessage(), kMsgTooFewVertices);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(project().segments[1].kind, SegmentKind::Segment);
    d->kindButton(SegmentKind::Vector)->click();
    d->vertexBox()->setText("q p");
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project().segments[1].kind, SegmentKind::Vector);
    EXPECT_EQ(project().segments[1].vertices[0], 2);
}

// The palette: "quitar" stores white and shows it on the target; the favourite colour is kept
// only when the colour question returns one; a button at the right screen edge gets a picker
// aligned to that edge.
TEST_F(PropertyDialogsTest, PaletteChoicesAndPlacement) {
    doubleClick(panel(CategoryPanel::Explicit)->rowText(1));
    EquationDialog* d = dialogs()->equationDialog();
    PenPaletteWindow* palette = shown.program->palette();
    PenButton* colour = d->pen("colour");
    EXPECT_EQ(colour->value(), 0xFF0000u);
    colour->click();
    ASSERT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->entry(PenPanel::Colour, 0)->toolTip(), "quitar");
    palette->entry(PenPanel::Colour, 0)->click();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(colour->value(), 0xFFFFFFu);
    EXPECT_EQ(colour->icon().pixmap(18, 18).toImage().pixelColor(9, 9), QColor(Qt::white));

    palette->chooseUserColour = [](unsigned&) { return false; };
    colour->click();
    palette->entry(PenPanel::Colour, 16)->click();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(colour->value(), 0xFFFFFFu);
    palette->chooseUserColour = [](unsigned& c) {
        c = 0x123456;
        return true;
    };
    colour->click();
    palette->entry(PenPanel::Colour, 16)->click();
    EXPECT_EQ(colour->value(), 0x123456u);

    d->okButton()->click();
    EXPECT_EQ(project().explicitFunctions[1].penColor, 0x123456u);

    QToolButton edge;
    edge.resize(20, 20);
    const QRect area = edge.screen()->availableGeometry();
    edge.move(area.right() - 20, area.top() + 10);
    edge.show();
    palette->popUp(&edge, PenPanel::Colour, nullptr);
    EXPECT_EQ(palette->geometry().right(), area.right());
    palette->hide();

    // Black-and-white mode switches the palette to its monochrome set, and back.
    shown.program->setBlackAndWhite(true);
    EXPECT_TRUE(palette->monochrome());
    shown.program->setBlackAndWhite(false);
    EXPECT_FALSE(palette->monochrome());
}

TEST_F(PropertyDialogsTest, AColourDroppedOnARowRecoloursThatObject) {
    CategoryPanelWidget* p = panel(CategoryPanel::Explicit);
    const QPoint at = p->rowText(1)->geometry().center();
    QMimeData data;
    data.setData(kColourMimeType, QByteArray::number(swatchColour(3, false)));
    // A drop reaches the widget that accepted the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p, &drop);
    EXPECT_EQ(project().explicitFunctions[1].penColor, 0x00BF00u);
    EXPECT_TRUE(drop.isAccepted());
    undo()->trigger();
    EXPECT_EQ(project().explicitFunctions[1].penColor, 0xFF0000u);

    QDropEvent below(QPoint(at.x(), p->height() + 50), Qt::CopyAction, &data, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(p, &below);
    EXPECT_EQ(project().explicitFunctions[1].penColor, 0xFF0000u);
}

// Delete empties the dialog's copy; OK stores the empty figure, which frees its letter.
TEST_F(PropertyDialogsTest, DeleteThenOkEmptiesTheFigure) {
    makePoint("1", "2");
    doubleClick(panel(CategoryPanel::BasicFigures)->rowText(1));
    FigureDialog* d = dialogs()->figureDialog();
    d->deleteButton()->click();
    EXPECT_EQ(project().figures[1].kind, FigureKind::Point); // only the copy so far
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project().figures[1].kind, FigureKind::Empty);
    EXPECT_FALSE(panel(CategoryPanel::BasicFigures)->letterButton(1)->isHidden());
    undo()->trigger();
    EXPECT_EQ(project().figures[1].kind, FigureKind::Point);
}

// The create buttons open the property dialog on the first empty slot and the formula editor
// at once: a text sent waits in the dialog and OK stores it as one step; leaving the editor
// without sending is Cancel; sending an empty text is OK, which leaves the slot empty.
TEST_F(PropertyDialogsTest, CreateButtonsStartTheDialogInTheFormulaEditor) {
    CalculatorWindow* calc = shown.program->calculator();
    EquationDialog* d = dialogs()->equationDialog();
    panel(CategoryPanel::Explicit)->createButton()->click();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "y2 Propiedades"); // y1 holds a x
    ASSERT_TRUE(calc->isVisible());
    for (QChar c : QString("x^2")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(calc->editBox(), &press);
    }
    calc->sendExpression();
    EXPECT_FALSE(calc->isVisible());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->expressionBox()->text(), "x^2");
    EXPECT_TRUE(project().explicitFunctions[2].expr.source.empty()); // not before OK
    d->okButton()->click();
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2");
    undo()->trigger();
    EXPECT_TRUE(project().explicitFunctions[2].expr.source.empty());
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x");

    panel(CategoryPanel::Relations)->createButton()->click();
    EXPECT_EQ(d->windowTitle(), "C1 Propiedades");
    ASSERT_TRUE(calc->isVisible());
    calc->close();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(project().relations[1].expr.source.empty());

    panel(CategoryPanel::Relations)->createButton()->click();
    calc->editBox()->clear();
    calc->sendExpression();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(project().relations[1].expr.source.empty());
    undo()->trigger(); // the fixture's y1 is the only step left
    EXPECT_TRUE(project().explicitFunctions[1].expr.source.empty());
}

// A click on a row's expression (released where it was pressed) opens its dialog; a press
// that moves on is a drag and opens nothing.
TEST_F(PropertyDialogsTest, AClickOnARowOpensItsDialog) {
    QLabel* row = panel(CategoryPanel::Explicit)->rowText(1);
    auto mouse = [row](QEvent::Type type, QPointF at) {
        QMouseEvent e(type, at, row->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(row, &e);
    };
    EquationDialog* d = dialogs()->equationDialog();
    mouse(QEvent::MouseButtonPress, QPointF(5, 5));
    mouse(QEvent::MouseButtonRelease, QPointF(30, 5));
    EXPECT_FALSE(d->isVisible());
    mouse(QEvent::MouseButtonPress, QPointF(5, 5));
    mouse(QEvent::MouseButtonRelease, QPointF(7, 6));
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "y1 Propiedades");
    d->reject();
}

// The picker popped up for a figure's inside colour drags swatches in its third mode: dropped
// on a figure's row they set its inside colour, not its point colour.
TEST_F(PropertyDialogsTest, ThePickersDropModeFollowsTheColourItWasOpenedFor) {
    makePoint("1", "2");
    doubleClick(panel(CategoryPanel::BasicFigures)->rowText(1));
    FigureDialog* d = dialogs()->figureDialog();
    PenPaletteWindow* palette = shown.program->palette();
    for (const auto& [pen, mode] :
         {std::pair{"pointColor", ColourTarget::Main}, std::pair{"lineColor", ColourTarget::Line},
          std::pair{"fillColor", ColourTarget::Inside}}) {
        d->pen(pen)->click();
        EXPECT_EQ(palette->dropMode(), mode) << pen;
        palette->hide();
    }
    d->reject();

    CategoryPanelWidget* p = panel(CategoryPanel::BasicFigures);
    const QPoint at = p->rowText(1)->geometry().center();
    const std::uint32_t pointColour = project().figures[1].pointColor;
    QMimeData data;
    data.setData(kColourMimeType,
                 QByteArray::number(droppedColourValue(0x0000FF, ColourTarget::Inside)));
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(p, &drop);
    EXPECT_EQ(project().figures[1].fillColor, 0x0000FFu);
    EXPECT_EQ(project().figures[1].pointColor, pointColour);
    undo()->trigger();
    EXPECT_EQ(project().figures[1].fillColor, 0xFFFFFFu);
}

// The figure type button opens its own panel and stores its entry; a double click on the
// increment edits it in the formula editor; the dialog opens again where it was closed.
TEST_F(PropertyDialogsTest, FigureTypeIncrementEditorAndPosition) {
    panel(CategoryPanel::Curves)->letterButton(2)->click();
    FigureDialog* d = dialogs()->figureDialog();
    PenPaletteWindow* palette = shown.program->palette();
    d->pen("figureType")->click();
    EXPECT_EQ(palette->shownPanel(), PenPanel::FigureType);
    palette->entry(PenPanel::FigureType, 2)->click();

    CalculatorWindow* calc = shown.program->calculator();
    d->field("step")->clear();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(d->field("step"), &dbl);
    ASSERT_TRUE(calc->isVisible());
    EXPECT_EQ(calc->findChild<QLabel*>("LblFunction")->text(), "Step=");
    for (QChar c : QString("1/4")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(calc->editBox(), &press);
    }
    calc->sendExpression();
    EXPECT_EQ(d->field("step")->text(), "0.25"); // the value, as the box takes numbers

    d->field("x")->setText("cos t");
    d->field("y")->setText("sin t");
    d->move(123, 145);
    d->okButton()->click();
    ASSERT_FALSE(d->isVisible());
    EXPECT_EQ(project().figures[2].curveFill, CurveFill::ToRow);
    EXPECT_EQ(project().figures[2].paramStep, 0.25L);
    d->open(2, FigureKinds::Curves);
    EXPECT_EQ(d->pos(), QPoint(123, 145));
    d->reject();
}

// A curve stored with a parameter whose increment box is on show hands it its increment as a
// typed text, which Enter makes the parameter's step; a parameter not on show gets nothing.
TEST_F(PropertyDialogsTest, ACurvesIncrementGoesToItsParametersBox) {
    ParameterPanel* parameters = shown.program->dataPanel()->parameterPanel();
    const int a = parameterOfLetter('a');
    ASSERT_TRUE(parameters->row(a).step->isVisibleTo(parameters->window()));
    panel(CategoryPanel::Curves)->letterButton(2)->click();
    FigureDialog* d = dialogs()->figureDialog();
    d->field("letter")->setText("a");
    d->field("x")->setText("cos a");
    d->field("y")->setText("sin a");
    d->field("step")->setText("0.05");
    d->okButton()->click();
    ASSERT_EQ(project().figures[2].kind, FigureKind::Parametric);
    EXPECT_EQ(parameters->row(a).step->text(), "0.05");
    EXPECT_NE(project().parameters[a].step, 0.05L); // typed, not yet taken
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(parameters->row(a).step, &enter);
    EXPECT_EQ(project().parameters[a].step, 0.05L);

    parameters->row(a).letter->click(); // fixed: its increment box is hidden
    ASSERT_FALSE(parameters->row(a).step->isVisibleTo(parameters->window()));
    d->open(2, FigureKinds::Curves);
    d->field("step")->setText("0.5");
    d->okButton()->click();
    EXPECT_EQ(project().figures[2].paramStep, 0.5L);
    EXPECT_EQ(parameters->row(a).step->text(), "0.05");
}

namespace {
// Enter pressed on the widget that has the dialog's focus, as the keyboard delivers it.
void pressEnter(QWidget* dialog) {
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}
// A click as the mouse gives it, which also moves the focus to the button.
void clickWithMouse(QPushButton* button) {
    const QPointF at(3, 3);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, button->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    }
}
} // namespace

// Enter means OK in every dialog, whatever button has the focus: a dialog once left with
// "Cancelar" takes a new function sent from the formula editor with Enter, and neither
// "Borrar" nor "Cancelar" answers Enter when it has the focus.
TEST_F(PropertyDialogsTest, EnterConfirmsEveryDialogWhateverHasTheFocus) {
    EquationDialog* d = dialogs()->equationDialog();
    doubleClick(panel(CategoryPanel::Explicit)->rowText(1));
    ASSERT_TRUE(d->isVisible());
    QPushButton* cancel = nullptr;
    for (QPushButton* b : d->findChildren<QPushButton*>())
        if (b->text() == "&Cancelar") cancel = b;
    ASSERT_NE(cancel, nullptr);
    clickWithMouse(cancel);
    ASSERT_FALSE(d->isVisible());

    CalculatorWindow* calc = shown.program->calculator();
    panel(CategoryPanel::Explicit)->createButton()->click();
    ASSERT_TRUE(calc->isVisible());
    for (QChar c : QString("x^2")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(calc->editBox(), &press);
    }
    QKeyEvent send(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(calc->editBox(), &send);
    ASSERT_FALSE(calc->isVisible());
    pressEnter(d);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(project().explicitFunctions[2].expr.source, "x^2");

    // Each button of each dialog in turn holds the focus when Enter is pressed.
    makePoint("1", "2");
    panel(CategoryPanel::BasicFigures)->letterButton(2)->click(); // Q
    FigureDialog* f = dialogs()->figureDialog();
    f->kindButton(FigureKind::Point)->click();
    f->field("x")->setText("3");
    f->field("y")->setText("4");
    f->okButton()->click();
    Document& ctx = shown.program->context();
    ASSERT_EQ(addSegment(ctx, PenDefaults{}, 1, 2), 1);
    MessageWindow question("Borrar usando [OK]", MessageKind::Warning, true);
    const std::pair<QDialog*, std::function<void()>> opened[] = {
        {d, [&] { d->openFunction(1); }},
        {dialogs()->figureDialog(), [&] { dialogs()->open(CategoryPanel::BasicFigures, 1); }},
        {dialogs()->segmentDialog(), [&] { dialogs()->open(CategoryPanel::ConnectedFigures, 1); }},
        {&question, [&] { question.show(); }},
    };
    for (const auto& [dialog, open] : opened) {
        open();
        for (QPushButton* focused : dialog->findChildren<QPushButton*>()) {
            SCOPED_TRACE(dialog->windowTitle().toStdString() + ": " +
                         focused->text().toStdString());
            if (!dialog->isVisible()) open();
            focused->setFocus();
            pressEnter(dialog);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
        }
    }
    EXPECT_EQ(project().explicitFunctions[1].expr.source, "a x");
    EXPECT_EQ(project().figures[1].x.source, "1");
    EXPECT_EQ(project().segments.count, 1);
}

// A message box asked for by a property dialog, which stays on top, belongs to that dialog and
// stays on top itself, so that it shows in front of the dialog it blocks.
TEST_F(PropertyDialogsTest, AMessageBoxStandsInFrontOfTheDialogThatAsked) {
    shown.program->objects().document.setMessageBox(&shown.program->objects().screenMessages);
    doubleClick(panel(CategoryPanel::Explicit)->rowText(1));
    EquationDialog* d = dialogs()->equationDialog();
    ASSERT_TRUE(d->isVisible());
    ASSERT_TRUE(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    d->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), d);
    QWidget* owner = nullptr;
    bool onTop = false;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<MessageWindow*>(QApplication::activeModalWidget());
        if (!box) return;
        owner = box->parentWidget();
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        for (QLabel* l : box->findChildren<QLabel*>()) text += l->text();
        box->accept();
    });
    d->expressionBox()->setText("a x^2+((#");
    d->okButton()->click();
    EXPECT_EQ(owner, d);
    EXPECT_TRUE(onTop);
    EXPECT_EQ(text, "No ha finalizado el ingreso");
    EXPECT_TRUE(d->isVisible());
    d->reject();
}
