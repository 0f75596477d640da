#pragma once
// A curve's increment handed to its parameter's increment box on the data panel.

#include "base/Extended.h"

namespace tarlix {

class ParameterPanel;

// When the increment box of the parameter with this letter is on show, it takes the increment
// as a typed text: Enter or leaving the box makes it the parameter's step, as typing would.
// False when the letter names no parameter or its box is not shown.
bool offerCurveIncrement(ParameterPanel& panel, char letter, Extended increment, char decimalChar);

} // namespace tarlix
