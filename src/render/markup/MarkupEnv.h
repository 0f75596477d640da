#pragma once
// What drawing memo markup reads besides its text: the engine settings, the document's
// expressions and the parameter values that live fields are evaluated against, and the colour
// rule of the output.

#include "base/WorkBudget.h"
#include "expression/DocumentExpressions.h"
#include "expression/EngineSettings.h"
#include "expression/eval/ParameterValues.h"
#include "expression/functions/EngineQueries.h"
#include "platform/Canvas.h"

#include <functional>

namespace tarlix {

class Project;

struct MarkupEnv {
    const EngineSettings& settings;
    const DocumentExpressions& document;
    ParameterValues& parameters;
    // Applied to every text and line colour (the black-and-white output); none keeps them.
    std::function<Color(Color)> colour;
    // The view the text is drawn on, which "area" answers; none leaves it undefined.
    const ViewArea* area = nullptr;
    // The budget of the drawing the text is part of, which its live fields spend; none lets
    // each field take its own step budget.
    WorkBudget* budget = nullptr;
};

// The markup environment of a project: its settings and expressions, and its current parameter
// values copied into values.
MarkupEnv markupEnvOf(const Project& project, ParameterValues& values);

} // namespace tarlix
