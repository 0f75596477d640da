#pragma once
// Which explicit function or relation passes under the mouse. Four samples around the pointer,
// two pixels off in each direction, are taken of f(x) - y or of the relation's F(x, y); the
// curve passes between them when at least two are defined and their signs are not all alike.

#include "expression/ExpressionRecords.h"
#include "expression/eval/Evaluator.h"
#include "render/explicit/FunctionSamples.h"
#include "render/relation/RelationLayers.h"
#include "view/View.h"

#include <span>

namespace tarlix {

struct CurveUnderPointer {
    int number = 0; // 1..20 for a function, 1..9 for a relation; 0 when none
    Extended x = 0; // the point of the curve nearest the pointer, as far as it is known
    Extended y = 0;
};

// Whether the curve passes between the samples: at least two defined, and their signs not all
// the same. Undefined samples are given as NaN.
bool passesBetween(const Extended (&samples)[4]);

// From y20 down to y1, the first function with text that passes under the pointer; its point
// is the pointer's x and the function's value there.
CurveUnderPointer functionAt(const View& view, const ExplicitFunctionStore& functions,
                             Evaluator& evaluator, int px, int py);

// From C9 down to C1, the first relation with text one of whose parts passes under the pointer;
// its point is one Newton step from the pointer towards that part's curve.
CurveUnderPointer relationAt(const View& view, std::span<const RelationEntry> relations, int px,
                             int py);

} // namespace tarlix
