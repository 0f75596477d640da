#pragma once
// The controls of one parameter row: the letter button that fixes the parameter, the value
// edit, the step buttons, the sync and mode buttons, the step edit and the ratio buttons.

#include "document/ParamTable.h"
#include "shell/CategoryPanelWidget.h"

class QLineEdit;
class QToolButton;
class QWidget;

namespace tarlix {

struct ParameterPanelRow {
    int index = 0; // 1..14
    QToolButton* letter = nullptr;
    QLineEdit* value = nullptr;
    QToolButton* decrement = nullptr;
    QToolButton* increment = nullptr;
    QToolButton* sync = nullptr;
    QToolButton* mode = nullptr;
    QLineEdit* step = nullptr;
    QToolButton* ratioUp = nullptr;
    QToolButton* ratioDown = nullptr;
    bool shown = false;
    bool valuePending = false; // typed and not yet committed (blue text)
    bool stepPending = false;

    static ParameterPanelRow create(QWidget* parent, int index);

    // Shows the row at top, or hides it; a fixed row keeps only the letter and a read-only
    // value.
    void place(bool show, int top, int panelWidth, const RowGeometry& geometry, bool fixed);
    // Fixed, sync and mode from the record; the value and step texts unless they are being typed.
    void showRecord(const ParameterRec& p, char decimalChar);
    void showValue(Extended v, int digits, char decimalChar);
    void showStep(Extended step, char decimalChar);
    void setValuePending(bool pending);
};

} // namespace tarlix
