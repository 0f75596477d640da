#include "cli/EvalSession.h"

#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/FigureOption.h"
#include "cli/PictureOutput.h"
#include "document/Calculator.h"
#include "expression/Calc.h"

#include <ostream>

namespace tarlix::cli {

namespace {

// Splits "NAME=VALUE"; false when there is no "=" or no name.
bool splitDefinition(const std::string& text, std::string& name, std::string& value) {
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    name = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

int explicitFunctionSlot(const std::string& name) {
    if (name.size() < 2 || name.size() > 3 || name[0] != 'y') return 0;
    const auto n = parseInteger(name.substr(1));
    return n && *n >= 1 && *n <= kExplicitFunctions && std::to_string(*n) == name.substr(1)
               ? static_cast<int>(*n)
               : 0;
}

} // namespace

EvalSession::EvalSession(const EngineSettings& settings, std::ostream& err, std::string prefix)
    : err_(err), prefix_(std::move(prefix)), document_(std::make_unique<Document>()),
      project_(document_->project) {
    document_->setMessageBox(&box_);
    project_.engine = settings;
}

bool EvalSession::setParameter(const std::string& option) {
    const auto parameter = parseParameterValue(option);
    if (!parameter) {
        err_ << prefix_ << parameterOptionHelp() << ", got \"" << option << "\"\n";
        return false;
    }
    project_.parameters[parameter->first].value = parameter->second;
    return true;
}

int EvalSession::define(const std::string& option) {
    std::string name, text;
    if (!splitDefinition(option, name, text)) return badDefinition(option);
    text = utf8ToText(text);
    if (const int n = userFunctionOfName(name))
        return compiled(project_.userFunctions[n], text, kModeRelation);
    if (const int n = explicitFunctionSlot(name))
        return compiled(project_.explicitFunctions[n].expr, text, kModeExplicit);
    const int figure = name.size() == 1 ? figureOfLetter(name[0]) : 0;
    if (figure == 0) return badDefinition(option);
    return definePoint(figure, text);
}

int EvalSession::defineFigureOption(const std::string& option) {
    const auto figure = parseFigureOption(option, prefix_, err_);
    if (!figure) return kExitUsage;
    return defineFigure(project_.figures[figure->figure], *figure, project_.engine, err_)
               ? kExitOk
               : kExitFailure;
}

std::optional<Value> EvalSession::calculate(const std::string& text) {
    const auto result = tarlix::calculate(*document_, text);
    if (!result) printMessages();
    return result;
}

ParameterValues& EvalSession::parameters() {
    copyToEvaluator(project_.parameters, parameters_);
    return parameters_;
}

int EvalSession::badDefinition(const std::string& option) {
    err_ << prefix_
         << "--def expects NAME=EXPR with NAME one of f g h f1..f5, y1..y20 or a figure letter P "
            "Q R S T U V A..O, got \""
         << option << "\"\n";
    return kExitUsage;
}

int EvalSession::printMessages() {
    for (const auto& e : box_.entries) err_ << textToUtf8(e.text, true) << "\n";
    box_.entries.clear();
    return kExitFailure;
}

int EvalSession::compiled(CompiledExpression& record, const std::string& text, int mode) {
    const CompileEnv env{project_.engine, box_};
    setSource(record, text, kModePlain - 1, env);
    if (compile(record, mode, true, env) && box_.entries.empty()) return kExitOk;
    return printMessages();
}

int EvalSession::definePoint(int n, const std::string& whole) {
    FigureEntry& figure = project_.figures[n];
    figure.kind = FigureKind::Point;
    std::string xText, yText;
    splitWholePoint(whole, project_.engine.listSeparatorChar, xText, yText);
    if (const int status = compiled(figure.whole, whole, n)) return status;
    if (const int status = compiled(figure.x, xText, n)) return status;
    return compiled(figure.y, yText, n);
}

} // namespace tarlix::cli
