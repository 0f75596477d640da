// tarlix-cli eval: evaluates an expression as the calculator does in a new project and prints
// its result.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/EvalSession.h"
#include "expression/eval/NumberText.h"

#include <ostream>

namespace tarlix::cli {

int runEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto parsed =
        CliArgs::parse(args, {{"--param", true}, {"--def", true}, {"--figure", true}}, err);
    if (!parsed) return kExitUsage;
    if (parsed->positional().size() != 1) {
        err << "tarlix-cli eval: give one expression\n";
        return kExitUsage;
    }
    EvalSession session(parsed->settings(), err, "tarlix-cli eval: ");
    for (const auto& p : parsed->values("--param"))
        if (!session.setParameter(p)) return kExitUsage;
    for (const auto& d : parsed->values("--def"))
        if (const int status = session.define(d)) return status;
    for (const auto& f : parsed->values("--figure"))
        if (const int status = session.defineFigureOption(f)) return status;
    const auto result = session.calculate(utf8ToText(parsed->positional().front()));
    if (!result) return kExitFailure;
    out << textToUtf8(calcResultText(*result, session.settings()), true) << "\n";
    return kExitOk;
}

} // namespace tarlix::cli
