#pragma once
// The expressions and parameter values a tarlix-cli command is given with --param and --def:
// parameters set to numbers, user functions, explicit functions and points defined by
// expressions, compiled as the data panel compiles them.

#include "expression/Calc.h"
#include "expression/eval/ParameterValues.h"
#include "platform/MessageBox.h"

#include <iosfwd>
#include <string>

namespace tarlix::cli {

class EvalSession {
public:
    // prefix begins each message, e.g. "tarlix-cli eval: ".
    EvalSession(const EngineSettings& settings, std::ostream& err, std::string prefix);

    // "L=VALUE"; false (message on err) when L is no parameter letter or VALUE no number.
    bool setParameter(const std::string& option);
    // "NAME=EXPR": 0 stored, 1 compile error (messages printed), 2 bad option.
    int define(const std::string& option);
    // The --figure option (see FigureOption.h), with the same statuses.
    int defineFigureOption(const std::string& option);
    // Compiles text into record in mode: 0, or 1 with the messages printed.
    int compiled(CompiledExpression& record, const std::string& text, int mode);

    const EngineSettings& settings() const { return settings_; }
    const ExpressionTable& document() const { return document_; }
    ParameterValues& parameters() { return parameters_; }

private:
    int badDefinition(const std::string& option);
    int definePoint(int n, const std::string& whole);

    const EngineSettings& settings_;
    std::ostream& err_;
    std::string prefix_;
    RecordingMessageBox box_;
    CompileEnv compileEnv_;
    ExpressionTable document_;
    ParameterValues parameters_;
};

} // namespace tarlix::cli
