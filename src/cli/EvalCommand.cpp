// tarlix-cli eval: evaluates an expression as the calculator does and prints its result.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/FigureOption.h"
#include "cli/PictureOutput.h"
#include "document/Calculator.h"
#include "expression/Calc.h"
#include "expression/eval/NumberText.h"

#include <ostream>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli eval: ";

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

// A new project, as the calculator sees it when the program starts: every parameter at its
// initial value, the definitions of the options in its stores.
class EvalSession {
public:
    EvalSession(const EngineSettings& settings, std::ostream& err) : err_(err) {
        project_.engine = settings;
    }

    bool setParameter(const std::string& option) {
        const auto parameter = parseParameterValue(option);
        if (!parameter) {
            err_ << kPrefix << parameterOptionHelp() << ", got \"" << option << "\"\n";
            return false;
        }
        project_.parameters[parameter->first].value = parameter->second;
        return true;
    }

    // 0 stored, 1 compile error (messages printed), 2 bad option.
    int define(const std::string& option) {
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

    // 0 stored, 1 compile error (messages printed), 2 bad option.
    int defineFigureOption(const std::string& option) {
        const auto figure = parseFigureOption(option, kPrefix, err_);
        if (!figure) return kExitUsage;
        return defineFigure(project_.figures[figure->figure], *figure, project_.engine, err_)
                   ? kExitOk
                   : kExitFailure;
    }

    // What the calculator's "=" shows.
    int evaluate(const std::string& expression, std::ostream& out) {
        ProjectContext ctx{project_, view_, box_, hooks_};
        const auto result = calculate(ctx, utf8ToText(expression));
        if (!result) return printMessages();
        out << textToUtf8(calcResultText(*result, project_.engine), true) << "\n";
        return kExitOk;
    }

private:
    int badDefinition(const std::string& option) {
        err_ << kPrefix
             << "--def expects NAME=EXPR with NAME one of f g h f1..f5, y1..y20 "
                "or a figure letter P Q R S T U V A..O, got \""
             << option << "\"\n";
        return kExitUsage;
    }

    int printMessages() {
        for (const auto& e : box_.entries) err_ << textToUtf8(e.text, true) << "\n";
        return kExitFailure;
    }

    int compiled(CompiledExpression& record, const std::string& text, int mode) {
        const CompileEnv env{project_.engine, box_};
        setSource(record, text, kModePlain - 1, env);
        if (compile(record, mode, true, env) && box_.entries.empty()) return kExitOk;
        return printMessages();
    }

    int definePoint(int n, const std::string& whole) {
        FigureEntry& figure = project_.figures[n];
        figure.kind = 1;
        std::string xText, yText;
        splitWholePoint(whole, project_.engine.listSeparatorChar, xText, yText);
        if (const int status = compiled(figure.whole, whole, n)) return status;
        if (const int status = compiled(figure.x, xText, n)) return status;
        return compiled(figure.y, yText, n);
    }

    std::ostream& err_;
    RecordingMessageBox box_;
    DocumentHooks hooks_;
    Project project_;
    RedrawState redraw_;
    View view_{redraw_, ViewDefaults{}};
};
} // namespace

int runEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto parsed =
        CliArgs::parse(args, {{"--param", true}, {"--def", true}, {"--figure", true}}, err);
    if (!parsed) return kExitUsage;
    if (parsed->positional().size() != 1) {
        err << "tarlix-cli eval: give one expression\n";
        return kExitUsage;
    }
    EvalSession session(parsed->settings(), err);
    for (const auto& p : parsed->values("--param"))
        if (!session.setParameter(p)) return kExitUsage;
    for (const auto& d : parsed->values("--def"))
        if (const int status = session.define(d)) return status;
    for (const auto& f : parsed->values("--figure"))
        if (const int status = session.defineFigureOption(f)) return status;
    return session.evaluate(parsed->positional().front(), out);
}

} // namespace tarlix::cli
