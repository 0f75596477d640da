#include "document/DocumentEvaluator.h"

namespace tarlix {

DocumentEvaluator::DocumentEvaluator(const Document& ctx, WorkBudget* budget)
    : random_(RandomState::seededOnce()), area_(ctx.view),
      env_{ctx.project.engine, ctx.project, parameters_, &random_, &area_, budget},
      evaluator_(env_) {
    copyToEvaluator(ctx.project.parameters, parameters_);
}

std::optional<Extended> DocumentEvaluator::realValue(const CompiledExpression& e, Extended x) {
    if (e.code.empty()) return std::nullopt;
    const Value v = evaluator_.evaluate(e, makeReal(x));
    if (!isDefinedReal(v)) return std::nullopt;
    return v.x;
}

} // namespace tarlix
