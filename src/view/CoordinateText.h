#pragma once
// World coordinates as the graph window writes them: in its status bar, its coordinate label
// and a figure's coordinate set by the mouse.

#include "view/View.h"

#include <string>

namespace tarlix {

// A value of the axis: general format with 6 significant digits when very small or very large,
// else fixed with the axis's label decimals (at most 9) and 10 significant digits; a blank in
// front when there is no minus sign. A positive width pads with blanks and cuts to that width.
std::string formatAxisValue(const Axis& axis, Extended value, int width, char decimalChar);

// One axis's range around its name: low, " < ", caption, " < ", high.
std::string axisRangeText(const Axis& axis, char decimalChar);

// Both ranges, x first, joined by between (a blank, the list separator and a blank in the
// status bar).
std::string domainText(const View& view, const std::string& between, char decimalChar);

} // namespace tarlix
