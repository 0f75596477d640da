#include "shell/dialogs/DialogParts.h"

#include "platform/qt/QtText.h"

#include <QEnterEvent>
#include <QLineEdit>

namespace tarlix {

QString editableText(const std::string& text) {
    QString s = toQString(text);
    s.replace('@', QChar(0x03B8));
    return s;
}

std::string typedText(const QString& text) {
    QString s = text;
    s.replace(QChar(0x03B8), '@');
    return fromQString(s);
}

CalculatorRequest fieldRequest(QLineEdit* edit, const QString& label, int mode) {
    CalculatorRequest r;
    r.label = label;
    r.text = typedText(edit->text());
    r.mode = mode;
    r.send = [edit](const std::string& text) {
        edit->setText(editableText(text));
        return true;
    };
    return r;
}

PenButton::PenButton(PenPaletteWindow* palette, PenPanel panel, const QString& hint,
                     QWidget* parent)
    : QToolButton(parent), palette_(palette), panel_(panel) {
    setToolTip(hint);
    setFixedSize(28, 24);
    connect(this, &QToolButton::clicked, this, [this] { popUp(); });
}

void PenButton::setValue(unsigned value) {
    value_ = value;
    showPenValue(*this, panel_, value);
}

void PenButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    if (isEnabled() && palette_ && !palette_->isVisible()) popUp();
}

void PenButton::popUp() {
    if (!palette_) return;
    palette_->popUp(
        this, panel_,
        [this](unsigned v) {
            value_ = v;
            if (changed) changed(v);
        },
        false, dropMode_);
}

} // namespace tarlix
