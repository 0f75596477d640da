// tarlix-cli sound: the sound a script's Play makes of an expression, written as a WAV file
// instead of played.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/EvalSession.h"
#include "document/ParamTable.h"
#include "document/SoundPlayback.h"

#include <ostream>

namespace tarlix::cli {

namespace {

constexpr const char* kPrefix = "tarlix-cli sound: ";

// The swept variable: x, y or a parameter letter (θ written as itself or "@").
std::optional<int> sweptVariable(const std::string& name) {
    const std::string letter = utf8ToText(name);
    if (letter == "x") return kSweepX;
    if (letter == "y") return 0;
    if (letter.size() != 1) return std::nullopt;
    const int k = parameterOfLetter(letter[0]);
    return k != 0 ? std::optional<int>(k) : std::nullopt;
}

int usage(std::ostream& err, const std::string& text) {
    err << kPrefix << text << "\n";
    return kExitUsage;
}

int sound(const CliArgs& args, std::ostream& err) {
    const auto& pos = args.positional();
    if (pos.size() != 4) return usage(err, "give VAR FROM TO EXPR");
    const auto output = args.value("-o");
    if (!output) return usage(err, "give the WAV file to write with -o");
    const auto variable = sweptVariable(pos[0]);
    if (!variable)
        return usage(err, "VAR must be x, y or a parameter letter, got \"" + pos[0] + "\"");
    SoundState state;
    if (const auto rate = args.value("--rate")) {
        const auto r = parseNumber(*rate);
        if (!r || !setSamplingRate(state, *r))
            return usage(err, "--rate must be a number from 200 to 200000, got \"" + *rate + "\"");
    }
    EvalSession session(args.settings(), err, kPrefix);
    for (const auto& p : args.values("--param"))
        if (!session.setParameter(p)) return kExitUsage;
    for (const auto& d : args.values("--def"))
        if (const int status = session.define(d)) return status;
    CompiledExpression from, to, expr;
    if (session.compiled(from, utf8ToText(pos[1]), kModePlain) ||
        session.compiled(to, utf8ToText(pos[2]), kModePlain) ||
        session.compiled(expr, utf8ToText(pos[3]), kModeExplicit))
        return kExitFailure;

    Document& ctx = session.context();
    RecordingMessageBox messages; // the distortion question is answered "keep it"
    ctx.setMessageBox(&messages);
    DeadlineBudget budget(args.timeout());
    const SynthesisResult result =
        synthesise(ctx, state, {*variable, &from, &to, &expr}, SoundPath::Automatic, &budget);
    for (const auto& m : messages.entries) err << kPrefix << textToUtf8(m.text, true) << "\n";
    if (budget.ranOut()) {
        err << kPrefix << timeoutMessage(budget.seconds()) << "\n";
        return kExitFailure;
    }
    if (result == SynthesisResult::NoInterval) {
        err << kPrefix << "FROM and TO must be defined with FROM <= TO; nothing written\n";
        return kExitFailure;
    }
    messages.entries.clear();
    if (!saveSound(ctx, state, *output)) {
        err << kPrefix << "cannot write " << *output << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int runSound(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
    const auto parsed = CliArgs::parse(
        args, {{"--rate", true}, {"--param", true}, {"--def", true}, {"-o", true}}, err);
    if (!parsed) return kExitUsage;
    return sound(*parsed, err);
}

} // namespace tarlix::cli
