#include "document/FunctionValues.h"

#include "document/DocumentEvaluator.h"
#include "expression/eval/NumberText.h"

namespace tarlix {

namespace {
constexpr int kPrecision = 14;
constexpr int kDecimals = 12;
} // namespace

std::optional<Extended> valueWindowX(const Document& ctx) {
    DocumentEvaluator eval(ctx);
    return eval.realValue(ctx.project.valueWindow.x, 0);
}

ValueRows valueRows(const Document& ctx, std::optional<Extended> x) {
    ValueRows rows;
    DocumentEvaluator eval(ctx);
    const Value at = x ? makeReal(*x) : makeUndefined(ValueKind::Real);
    for (int i = 1; i <= kValueFunctions; ++i) {
        const CompiledExpression& e = ctx.project.valueWindow.valueFunctions[i];
        if (e.code.empty()) continue;
        const Value v = eval.evaluator().evaluate(e, at);
        if (isDefinedReal(v)) rows[static_cast<std::size_t>(i)] = v.x;
    }
    return rows;
}

std::string valueRowText(std::optional<Extended> value, char decimalChar) {
    return value ? formatFixed(*value, kPrecision, kDecimals, decimalChar) : "---";
}

} // namespace tarlix
