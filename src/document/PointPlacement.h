#pragma once
// A figure slot not in use becomes a point where the user clicked on the graph.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"

#include <string>

namespace tarlix {

// Figure n (1..22), empty, becomes a shown, draggable point at the coordinate texts, with the
// colours, sizes and style that new figures take; stored with undo. False when the slot is in
// use.
bool placePoint(Document& ctx, int n, const std::string& x, const std::string& y,
                const FigureDefaults& defaults);

} // namespace tarlix
