// Evaluates any text as the calculator does and, compiled as an explicit function, over a
// short row of columns as the renderer does. The first line is the expression; a second line
// defines f and a third y1, so that references and user functions are reached too.
#include "FuzzTarget.h"

#include "expression/Calc.h"
#include "expression/Vocabulary.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/RowEvaluator.h"

#include <array>
#include <vector>

namespace {
using namespace tarlix;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (lines.size() < 3) {
        const auto end = text.find('\n', from);
        lines.push_back(text.substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) break;
        from = end + 1;
    }
    lines.resize(3);
    return lines;
}

bool startsWithYEquals(const std::string& tokens) {
    return tokens.size() > 2 && code(tokens[0]) == Token::Y && code(tokens[1]) == Token::Equal;
}

void evaluateRow(Evaluator& scalar, const CompiledExpression& record) {
    std::array<Value, 8> xs;
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = makeReal(static_cast<Extended>(i) * 1.25L - 4);
    std::array<Value, 8> out;
    RowEvaluator row(scalar);
    RowRequest request;
    request.xs = xs;
    row.evaluateRow(record, request, out);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = linesOf(fuzz::textOf(data, size));
    EngineSettings settings;
    RecordingMessageBox box;
    const CompileEnv compileEnv{settings, box};
    // The table is large and the evaluator only reads it: one for all runs, with the two slots
    // that a run fills emptied first, so that nothing of an earlier run is left in it.
    static ExpressionTable document;
    document.userFunctions[0] = CompiledExpression{};
    document.explicitFunctions[0] = CompiledExpression{};
    setSource(document.userFunctions[0], lines[1], kModeRelation, compileEnv);
    setSource(document.explicitFunctions[0], lines[2], kModeExplicit, compileEnv);
    ParameterValues parameters;
    RandomState random(1); // the same draws every run, so that a finding repeats
    EvalEnv env{settings, document, parameters, &random, nullptr};
    Evaluator scalar(env);
    // A hundredth of the usual budget: an input that spends it all then costs a tenth of a
    // second under the sanitizers instead of ten, and the fuzzer still reaches every way a
    // budget runs out.
    scalar.setStepBudget(kEvaluationSteps / 100);
    CompiledExpression calculator;
    const bool calculatorCompiled = setSource(calculator, lines[0], kModePlain, compileEnv);
    if (calculatorCompiled) scalar.evaluate(calculator, makeUndefined(ValueKind::Real));
    // The explicit mode compiles a text as the plain mode does once a leading "y=" is dropped,
    // so only a text that starts so is compiled again; the compile harness covers both modes.
    if (startsWithYEquals(calculator.tokens)) {
        CompiledExpression function;
        if (setSource(function, lines[0], kModeExplicit, compileEnv)) evaluateRow(scalar, function);
    } else if (calculatorCompiled) {
        evaluateRow(scalar, calculator);
    }
    return 0;
}
