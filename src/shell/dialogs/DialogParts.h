#pragma once
// Controls the property dialogs share: an expression box with its button for the formula
// editor, and a pen button that shows a value and pops the pen palette up to change it.

#include "shell/CalculatorWindow.h"
#include "shell/dialogs/PenPalette.h"

#include <QToolButton>

#include <functional>
#include <string>

class QLineEdit;

namespace tarlix {

// Program text in an edit box and back ("@" shows as theta).
QString editableText(const std::string& text);
std::string typedText(const QString& text);

// The formula editor's request for an edit box: sending fills the box, nothing is stored.
CalculatorRequest fieldRequest(QLineEdit* edit, const QString& label, int mode);

// A button showing a pen value; a click (or the pointer moving onto it) pops the palette up
// with its panel, and the value chosen there is handed to changed.
class PenButton : public QToolButton {
    Q_OBJECT
public:
    PenButton(PenPaletteWindow* palette, PenPanel panel, const QString& hint,
              QWidget* parent = nullptr);
    void setValue(unsigned value);
    unsigned value() const { return value_; }
    // Which colour of an object a swatch dragged from this button's picker sets.
    void setDropMode(ColourTarget mode) { dropMode_ = mode; }
    std::function<void(unsigned)> changed;

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    void popUp();
    PenPaletteWindow* palette_;
    PenPanel panel_;
    unsigned value_ = 0;
    ColourTarget dropMode_ = ColourTarget::Main;
};

} // namespace tarlix
