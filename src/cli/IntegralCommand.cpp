// tarlix-cli integral: the definite-integral window's rows without the window: for every
// function of a project (or every function given with -y) its integral or area between the
// limits by Simpson's rule, as the window shows it.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/PictureOutput.h"
#include "cli/ProjectSession.h"
#include "document/EntryCompile.h"
#include "document/IntegralValues.h"
#include "document/ProjectEdit.h"

#include <memory>
#include <ostream>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli integral: ";

// Compiles text into record in mode; false with the compiler's messages on err.
bool compileInto(CompiledExpression& record, const std::string& text, int mode,
                 const std::string& what, Project& project, std::ostream& err) {
    RecordingMessageBox box;
    const CompileEnv env{project.engine, box};
    setSource(record, utf8ToText(text), kModePlain - 1, env);
    if (compile(record, mode, true, env)) return true;
    for (const auto& e : box.entries) err << kPrefix << what << ": " << textToUtf8(e.text, true) << "\n";
    return false;
}

// The functions given with -y replace the project's, as y1, y2, ...
bool storeFunctions(const std::vector<std::string>& texts, Project& project, std::ostream& err) {
    if (texts.empty()) return true;
    if (texts.size() > static_cast<std::size_t>(kExplicitFunctions)) {
        err << kPrefix << "at most " << kExplicitFunctions << " functions (-y)\n";
        return false;
    }
    for (EquationEntry& f : project.explicitFunctions) f = blankEquation();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        if (!compileInto(project.explicitFunctions[n].expr, texts[i], kModeExplicit,
                         "y" + std::to_string(n), project, err))
            return false;
    }
    return true;
}

// The limits, the partitions, the subtracted function and the mode from the options; the
// project's own settings where none is given. -1 on a refused value (message on err).
int applyOptions(const CliArgs& args, Project& project, std::ostream& err) {
    IntegralWindowState& w = project.integralWindow;
    if (auto from = args.value("--from"))
        if (!compileInto(w.bounds.low, *from, kModePlain, "--from", project, err)) return kExitFailure;
    if (auto to = args.value("--to"))
        if (!compileInto(w.bounds.high, *to, kModePlain, "--to", project, err)) return kExitFailure;
    if (auto n = args.value("--partitions")) {
        const auto partitions = partitionsFromText(*n);
        if (!partitions) {
            err << kPrefix << textToUtf8(kMsgPartitions) << "\n";
            return kExitFailure;
        }
        project.engine.integralPartitions = *partitions;
    }
    if (auto minus = args.value("--minus")) {
        const auto k = parseInteger(*minus);
        if (!k || *k < 0 || *k > kExplicitFunctions) {
            err << kPrefix << "--minus must be a function number from 0 (none) to "
                << kExplicitFunctions << ", got \"" << *minus << "\"\n";
            return kExitUsage;
        }
        w.secondFunction = static_cast<int>(*k);
    }
    if (args.has("--area")) w.areaMode = true;
    for (const std::string& p : args.values("--param")) {
        const auto parameter = parseParameterValue(p);
        if (!parameter) {
            err << kPrefix << parameterOptionHelp() << ", got \"" << p << "\"\n";
            return kExitUsage;
        }
        project.parameters[parameter->first].value = parameter->second;
    }
    return kExitOk;
}

int integral(const CliArgs& args, std::ostream& out, std::ostream& err) {
    auto session = std::make_unique<ProjectSession>();
    Document& document = session->document;
    Project& project = document.project;
    if (args.positional().size() > 1) {
        err << kPrefix << "give at most one project file\n";
        return kExitUsage;
    }
    if (args.positional().empty()) {
        project.engine = args.settings();
        compileWindowTexts(project, false, document.compileEnv());
    } else if (!session->open(args.positional().front(), err)) {
        return kExitFailure;
    }
    if (!storeFunctions(args.values("-y"), project, err)) return kExitFailure;
    if (const int status = applyOptions(args, project, err); status != kExitOk) return status;

    DeadlineBudget budget(args.timeout());
    const IntegralTable table = integralTable(document, integralRequestOf(document), &budget);
    if (budget.ranOut()) {
        err << kPrefix << timeoutMessage(budget.seconds()) << "\n";
        return kExitFailure;
    }
    for (int k = 1; k <= kExplicitFunctions; ++k) {
        const IntegralRow& row = table[static_cast<std::size_t>(k)];
        if (row.state == IntegralRowState::Missing) continue;
        out << integralRowLabel(k) << " " << integralRowText(row, project.engine.decimalChar)
            << "\n";
    }
    return kExitOk;
}

} // namespace

int runIntegral(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = CliArgs::parse(args,
                                       {{"-y", true},
                                        {"--from", true},
                                        {"--to", true},
                                        {"--partitions", true},
                                        {"--area", false},
                                        {"--minus", true},
                                        {"--param", true}},
                                       err);
    if (!parsed) return kExitUsage;
    return integral(*parsed, out, err);
}

} // namespace tarlix::cli
