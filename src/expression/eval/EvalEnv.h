#pragma once
// What an evaluation reads besides the compiled record: the settings, the document's other
// expressions, the parameter table (which loops write while they run), and the sources of
// "rnd" and "area", and the budget of the work it is part of.

#include "base/WorkBudget.h"
#include "expression/DocumentExpressions.h"
#include "expression/EngineSettings.h"
#include "expression/eval/ParameterValues.h"
#include "expression/functions/EngineQueries.h"
#include "expression/functions/Random.h"

namespace tarlix {

struct EvalEnv {
    const EngineSettings& settings;
    const DocumentExpressions& document;
    ParameterValues& parameters;
    RandomState* random = nullptr;
    const ViewArea* view = nullptr;
    // The budget of the whole work the evaluation is part of (a redraw, a command); none lets
    // each value take its own step budget.
    WorkBudget* budget = nullptr;
};

// The four arguments of one evaluation, read by the tokens "x", "y", "z", "w".
struct Arguments {
    Value x;
    Value y;
    Value z;
    Value w;
};

} // namespace tarlix
