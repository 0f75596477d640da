#pragma once
// Evaluating every figure once into its position record in the view, before the figures, the
// functions that read them and the connected figures are drawn.

#include "expression/eval/Evaluator.h"
#include "render/figures/FigureStore.h"
#include "view/View.h"

namespace tarlix {

// Figure n evaluated: kind 0 when it cannot be drawn; curves become points at the current
// value of their parameter. traceRedraw: this redraw follows a parameter change, so moving
// points keep their locus width and leave a trace.
FigurePosition evaluatePosition(const FigureEntry& figure, int n, Evaluator& evaluator,
                                bool traceRedraw);

// Every figure of the store into view.positions.
void updatePositions(View& view, const FigureStore& figures, Evaluator& evaluator,
                     bool traceRedraw);

} // namespace tarlix
