#pragma once
// What a tarlix-cli command is given with --param, --def and --figure, held in a new project as
// the calculator sees it when the program starts: every parameter at its initial value, user
// functions, explicit functions and figures compiled as the data panel compiles them.

#include "document/Document.h"
#include "expression/eval/ParameterValues.h"
#include "platform/MessageBox.h"

#include <iosfwd>
#include <memory>
#include <optional>
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
    // What the calculator's "=" gives for the text; nothing (messages printed) when it does
    // not compile.
    std::optional<Value> calculate(const std::string& text);

    const EngineSettings& settings() const { return project_.engine; }
    const Project& document() const { return project_; }
    // The new project itself, for the operations that work on a document.
    Document& context() { return *document_; }
    // The project's parameter values, as the evaluator reads them.
    ParameterValues& parameters();

private:
    int badDefinition(const std::string& option);
    int definePoint(int n, const std::string& whole);
    int printMessages();

    std::ostream& err_;
    std::string prefix_;
    RecordingMessageBox box_;
    std::unique_ptr<Document> document_; // the calculator's new project
    Project& project_;
    ParameterValues parameters_;
};

} // namespace tarlix::cli
