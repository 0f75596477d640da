#pragma once
// The vertical markers of the function-value window (its x) and of the definite-integral
// window (its lower and upper limits), as the graph's mouse finds and drags them. Each marker
// is an expression of the project; a marker may be dragged when its window is open, the
// marker is shown and its expression is a plain number.

#include "document/ProjectEdit.h"

#include <optional>

namespace tarlix {

enum class Marker { ValueX = 2, LowerLimit = 3, UpperLimit = 4 };

// Which of the two windows are open (the markers of a closed window are not on the graph).
struct MarkerWindows {
    bool valueWindow = false;
    bool integralWindow = false;
};

// The expression a marker stands at.
const CompiledExpression& markerExpression(const Project& project, Marker marker);
CompiledExpression& markerExpression(Project& project, Marker marker);

// The world x of the marker when it may be dragged.
std::optional<Extended> draggableMarkerX(const Project& project, MarkerWindows open, Marker marker);

// The first marker, in the order value x, lower limit, upper limit, whose pixel column is
// within 2 pixels of px.
std::optional<Marker> markerAt(const Document& ctx, MarkerWindows open, int px);

// The marker's expression becomes x in the general 15-digit format, is compiled afresh, the
// project is modified and the graph redrawn. False when nothing changed.
bool setMarkerX(Document& ctx, Marker marker, Extended x);

} // namespace tarlix
