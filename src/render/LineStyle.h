#pragma once
// Line style codes of functions, curves and connected figures, and the dash patterns that
// thick lines are stroked with, so that every kind of object dashes the same way.

#include "platform/Canvas.h"

#include <vector>

namespace tarlix {

// Drawing settings that decide how lines are finished; the caller passes the project's.
struct LineDrawOptions {
    // The CapStyle setting: false round line ends (0), true flat line ends (1).
    bool capStyle = false;
    // The afterimageFills setting: fills also go to the afterimage canvas.
    bool afterimageFills = false;
};

// Stored line style codes: 0 none, 1 solid, 2 dash, 3 dot, 4 dash-dot; other codes are solid.
PenStyle penStyleOfLineStyle(int code);

// Alternating dash and gap lengths in units of the pen width, used cyclically from the first.
using DashPattern = std::vector<double>;

// The dash pattern of the pen: a clear pen gets a pattern of total length 0 (nothing is
// stroked). Gaps are shorter with flat ends because round ends eat into them.
DashPattern makeDashPattern(const Pen& pen, const LineDrawOptions& options);

} // namespace tarlix
