#pragma once
// What the function-value and integral windows change in the project: their expressions (the
// value window's x and rows, the integral's limits), whether each marker is shown, and the
// integral's function, subtracted function, mode and partitions. Each change marks the
// project modified (the file keeps them all) and redraws the graph.

#include "document/MarkerEdit.h"

#include <string>

namespace tarlix {

// The marker's expression takes text, compiled with its messages shown; a text that does not
// compile is kept (its marker and values are undefined then, as the window shows).
void setMarkerText(Document& ctx, Marker marker, const std::string& text);
// Row 1..9 of the value window takes text, compiled as an explicit function.
void setValueRowText(Document& ctx, int row, const std::string& text);
// Shows the marker's line when it is hidden and hides it when shown.
void toggleMarkerShown(Document& ctx, Marker marker);

// The function whose region is shaded (1..20), and the function subtracted from every row
// (0: none).
void setIntegratedFunction(Document& ctx, int k);
void setSubtractedFunction(Document& ctx, int k);
void setIntegralAreaMode(Document& ctx, bool areaMode);
// n: even, within 2..200; any other is ignored and false returned.
bool setIntegralPartitions(Document& ctx, int n);

} // namespace tarlix
