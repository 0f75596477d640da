#include "document/Calculator.h"

#include "document/DocumentEvaluator.h"
#include "expression/Calc.h"
#include "expression/eval/NumberText.h"
#include "expression/functions/Operators.h"

namespace tarlix {

Calculator::Edit Calculator::edit(const std::string& text, int cursor,
                                  const EngineSettings& settings) {
    Edit e{text, cursor};
    // What the compiler will read, so that the preview shows «sqrt» as the radical.
    nameRadicals(e.text);
    record_.tokens = tokenize(e.text, e.cursor, settings);
    record_.source = e.text;
    result_.reset();
    resultText_.clear();
    if (text.size() > e.text.size() + 4)
        ++typing_;
    else
        typing_ = 0;
    return e;
}

bool Calculator::swallowsKey() {
    if (typing_ % 4 != 3) return false;
    ++typing_;
    return true;
}

std::optional<Value> calculate(Document& ctx, const std::string& text) {
    CompiledExpression record;
    const CompileEnv env = ctx.compileEnv();
    setSource(record, text, kModePlain - 1, env);
    if (!compile(record, kModePlain, true, env)) return std::nullopt;
    // "area" answers the bounds of the view the calculator belongs to.
    DocumentEvaluator evaluator(ctx);
    return evaluator.evaluator().evaluate(record, makeUndefined(ValueKind::Real));
}

const std::string& Calculator::equal(Document& ctx) {
    result_ = calculate(ctx, record_.source);
    resultText_ = result_ ? calcResultText(*result_, ctx.project.engine) : std::string();
    return resultText_;
}

bool Calculator::resultIsUndefined() const {
    return result_ && !result_->valid;
}

bool Calculator::resultIsNumber() const {
    return result_ && isDefinedReal(*result_);
}

std::string Calculator::textToSend() const {
    return resultIsNumber() ? resultText_ : record_.source;
}

} // namespace tarlix
