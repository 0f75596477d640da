#pragma once
// An evaluator over the document as it stands: the project's parameter values, a random
// source of its own and "area" answered by the document's view. The calculator and the
// integral and value windows evaluate through one; the picture keeps its own.

#include "document/Document.h"
#include "expression/eval/EvalEnv.h"
#include "expression/eval/Evaluator.h"
#include "view/ViewAreaSource.h"

namespace tarlix {

class DocumentEvaluator {
public:
    // budget: the work the evaluations are part of (none: each value has its own steps).
    explicit DocumentEvaluator(const Document& ctx, WorkBudget* budget = nullptr);
    DocumentEvaluator(const DocumentEvaluator&) = delete;
    DocumentEvaluator& operator=(const DocumentEvaluator&) = delete;

    Evaluator& evaluator() { return evaluator_; }
    // The expression's value with the argument x, as far as it is a defined real.
    std::optional<Extended> realValue(const CompiledExpression& e, Extended x);

private:
    ParameterValues parameters_;
    RandomState random_;
    ViewAreaSource area_;
    EvalEnv env_;
    Evaluator evaluator_;
};

} // namespace tarlix
