#pragma once
// A small document with its own settings and parameter table, and helpers that compile a text
// and evaluate it as the calculator and the plotter do.

#include "expression/Calc.h"
#include "expression/eval/Evaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace tarlix {

class EvalFixture : public ::testing::Test {
protected:
    EngineSettings settings;
    RecordingMessageBox box;
    CompileEnv compileEnv{settings, box};
    ExpressionTable document;
    ParameterValues parameters;
    RandomState random{7};
    EvalEnv env{settings, document, parameters, &random, nullptr};
    Evaluator evaluator{env};

    CompiledExpression compiled(const std::string& text, int mode = kModePlain) {
        CompiledExpression record;
        setSource(record, text, mode, compileEnv);
        EXPECT_FALSE(record.code.empty()) << text;
        return record;
    }
    // As the calculator evaluates: x undefined.
    Value calc(const std::string& text) {
        return evaluator.evaluate(compiled(text), makeUndefined(ValueKind::Real));
    }
    Value at(const std::string& text, Extended x) {
        return evaluator.evaluate(compiled(text), makeReal(x));
    }
    void defineUser(int number, const std::string& text) {
        setSource(document.userFunctions[static_cast<std::size_t>(number - 1)], text, kModeRelation,
                  compileEnv);
    }
    void defineExplicit(int n, const std::string& text) {
        setSource(document.explicitFunctions[static_cast<std::size_t>(n - 1)], text, kModeExplicit,
                  compileEnv);
    }
    // A point figure n from its whole-point text.
    void definePoint(int n, const std::string& whole) {
        ExpressionTable::Figure& f = document.figures[static_cast<std::size_t>(n - 1)];
        f.defined = true;
        std::string xText, yText;
        splitWholePoint(whole, settings.listSeparatorChar, xText, yText);
        setSource(f.whole, whole, kModePlain - 1, compileEnv);
        setSource(f.x, xText, kModePlain - 1, compileEnv);
        setSource(f.y, yText, kModePlain - 1, compileEnv);
        compileFigureParts(f, n, compileEnv);
    }
};

} // namespace tarlix
