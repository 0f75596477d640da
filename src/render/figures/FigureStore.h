#pragma once
// The figures of the document, numbered 1..22, as the figure drawing and hit tests read them.

#include "base/Store.h"
#include "document/DocumentRecords.h"
#include "expression/eval/RowCaches.h"

namespace tarlix {

using FigureStore = Store<FigureEntry, figureCount>;

// The locus width of a position that leaves no trace in this redraw.
inline constexpr std::uint8_t noTraceThisRedraw = 255;

} // namespace tarlix
