#include "shell/ParameterPanelRow.h"

#include "expression/eval/NumberText.h"
#include "platform/qt/QtText.h"
#include "shell/ShownTexts.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace tarlix {

namespace {
constexpr int kValueDigits = 9;
constexpr int kStepDigits = 15;

QToolButton* flatButton(QWidget* parent, const char* hint) {
    auto* b = new QToolButton(parent);
    b->setToolTip(shownText(hint));
    b->setFocusPolicy(Qt::NoFocus);
    b->hide();
    return b;
}

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* hint) {
    QToolButton* b = flatButton(parent, hint);
    b->setArrowType(arrow);
    return b;
}

QLineEdit* edit(QWidget* parent, const char* hint) {
    auto* e = new QLineEdit(parent);
    e->setToolTip(shownText(hint));
    e->hide();
    return e;
}

// " a =" ... " k ="; theta is written as the Greek letter.
QString letterCaption(int index) {
    const char c = parameterLetter(index);
    const QChar letter = c == '@' ? QChar(0x03B8) : QChar(QLatin1Char(c));
    return QStringLiteral(" ") + letter + QStringLiteral(" =");
}

QString numberText(Extended v, int digits, char decimalChar) {
    return toQString(formatGeneral(v, digits, decimalChar));
}
} // namespace

ParameterPanelRow ParameterPanelRow::create(QWidget* parent, int index) {
    ParameterPanelRow r;
    r.index = index;
    r.letter = flatButton(parent, "Parameter.letter");
    r.letter->setCheckable(true);
    r.letter->setText(letterCaption(index));
    r.value = edit(parent, "Parameter.value");
    r.decrement = arrowButton(parent, Qt::LeftArrow, "Parameter.decrement");
    r.increment = arrowButton(parent, Qt::RightArrow, "Parameter.increment");
    r.sync = flatButton(parent, "Parameter.sync");
    r.sync->setCheckable(true);
    r.sync->setText(shownText("Parameter.syncCaption"));
    r.mode = flatButton(parent, "Parameter.mode");
    r.step = edit(parent, "Parameter.step");
    r.ratioUp = arrowButton(parent, Qt::UpArrow, "Parameter.ratioUp");
    r.ratioDown = arrowButton(parent, Qt::DownArrow, "Parameter.ratioDown");
    return r;
}

void ParameterPanelRow::place(bool show, int top, int panelWidth, const RowGeometry& g,
                              bool fixed) {
    shown = show;
    const double s = g.fontSize / 12.0;
    auto w = [s](int width) { return static_cast<int>(width * s); };
    const int h = g.rowHeight - 4;
    QFont font("Arial");
    font.setPointSize(g.fontSize);
    QFont italic = font;
    italic.setItalic(true);

    // The value edit takes what the buttons leave of the panel's width, within bounds.
    const int letterWidth = g.fontSize > 12 ? 60 : 36;
    const int controls = 4 * w(20) + w(50) + w(16) + 14;
    const int valueWidth = std::clamp(panelWidth - letterWidth - controls - 6, w(40), w(120));
    int x = 2;
    auto put = [&](QWidget* widget, int width, bool visible) {
        widget->setVisible(show && visible);
        widget->setFont(font);
        widget->setGeometry(x, top, width, h);
        x += width + 1;
    };
    put(letter, letterWidth, true);
    letter->setFont(italic);
    put(value, valueWidth, true);
    value->setReadOnly(fixed);
    put(decrement, w(20), !fixed);
    put(increment, w(20), !fixed);
    x += 2;
    put(sync, w(20), !fixed);
    put(mode, w(20), !fixed);
    x += 2;
    put(step, w(50), !fixed);
    put(ratioUp, w(16), !fixed);
    ratioUp->setGeometry(ratioUp->x(), top, w(16), h / 2);
    ratioDown->setVisible(show && !fixed);
    ratioDown->setGeometry(ratioUp->x(), top + h / 2, w(16), h - h / 2);
}

void ParameterPanelRow::showRecord(const ParameterRec& p, char decimalChar) {
    letter->setChecked(!p.unfixed);
    sync->setChecked(p.sync);
    mode->setText(p.additive ? QStringLiteral("+") : QString(QChar(0x00D7)));
    if (!valuePending) showValue(p.value, kValueDigits, decimalChar);
    if (!stepPending) showStep(p.step, decimalChar);
}

void ParameterPanelRow::showValue(Extended v, int digits, char decimalChar) {
    value->setText(numberText(v, digits, decimalChar));
    setValuePending(false);
}

void ParameterPanelRow::showStep(Extended s, char decimalChar) {
    step->setText(numberText(s, kStepDigits, decimalChar));
    stepPending = false;
}

void ParameterPanelRow::setValuePending(bool pending) {
    valuePending = pending;
    QPalette palette = value->palette();
    palette.setColor(QPalette::Text, pending ? Qt::blue : Qt::black);
    value->setPalette(palette);
}

} // namespace tarlix
