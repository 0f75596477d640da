#pragma once
// What a few functions need from outside the expression engine: the view's extent for
// "area" and the parameter table's steps for "Step". The view and the parameter table
// implement these; tests give small fakes.

#include "expression/Value.h"

namespace tarlix {

class ViewArea {
public:
    virtual ~ViewArea() = default;
    // k = 0 x minimum, 1 y minimum, 2 x maximum, 3 y maximum of the visible world.
    virtual Extended areaBound(int k) const = 0;
};

class ParameterSteps {
public:
    virtual ~ParameterSteps() = default;
    // The step of parameter k = 1..14 (a b c d m n p q s t u v theta k).
    virtual Extended parameterStep(int k) const = 0;
};

// area(k): the view bound selected by Int(k + 0.5); a pair is a type error.
Value areaValue(const Value& v, const ViewArea* view);

// Step(k): the step of parameter k, the index the compiler put in place of the parameter.
Value stepValue(const Value& v, const ParameterSteps* steps);

} // namespace tarlix
