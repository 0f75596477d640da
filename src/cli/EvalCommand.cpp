// tarlix-cli eval: evaluates an expression as the calculator does and prints its result.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/EvalSession.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/NumberText.h"

#include <ostream>

namespace tarlix::cli {

namespace {
int evaluate(EvalSession& session, const std::string& expression, std::ostream& out) {
    CompiledExpression record;
    if (const int status = session.compiled(record, utf8ToText(expression), kModePlain))
        return status;
    RandomState random = RandomState::seededOnce();
    EvalEnv env{session.settings(), session.document(), session.parameters(), &random, nullptr};
    Evaluator evaluator(env);
    const Value result = evaluator.evaluate(record, makeUndefined(vkReal));
    out << textToUtf8(calcResultText(result, session.settings()), true) << "\n";
    return kExitOk;
}
} // namespace

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
    return evaluate(session, parsed->positional().front(), out);
}

} // namespace tarlix::cli
