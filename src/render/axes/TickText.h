#pragma once
// The text of a tick value: a decimal number, or on an angle axis a multiple of pi written with
// the letter "p" of the "Symbol" font, as a stacked fraction when it is not whole.

#include "view/Axis.h"

#include <string>

namespace tarlix {

struct TickText {
    bool shown = true; // false: a multiple of pi with no small fraction
    bool zero = false;
    bool negative = false;
    bool fraction = false;
    std::string text; // with its sign; for a fraction the text whose width the value takes
    std::string numerator;
    std::string denominator;
};

// The magnitude in fixed point with 9 decimals, trailing zeros and point removed.
std::string decimalTickText(Extended magnitude);

TickText tickText(const Axis& axis, Extended v);

} // namespace tarlix
