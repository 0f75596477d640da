#include "shell/dialogs/CurveIncrement.h"

#include "document/ParamTable.h"
#include "shell/ParameterPanel.h"

#include <QLineEdit>

namespace tarlix {

bool offerCurveIncrement(ParameterPanel& panel, char letter, Extended increment, char decimalChar) {
    const int index = parameterOfLetter(letter);
    if (index < 1 || index > kParameterCount) return false;
    ParameterPanelRow& row = panel.row(index);
    if (!row.step || !row.step->isVisibleTo(panel.window())) return false;
    row.showStep(increment, decimalChar);
    row.stepPending = true;
    return true;
}

} // namespace tarlix
