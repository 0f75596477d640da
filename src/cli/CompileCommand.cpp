// tarlix-cli compile: shows the cleaned text and the postfix code of an expression.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "expression/Calc.h"

#include <ostream>

namespace tarlix::cli {

namespace {
std::string codeNames(const CompiledExpression& record, const EngineSettings& settings) {
    std::string out;
    for (char ch : record.code) {
        if (!out.empty()) out += ' ';
        out += detokenize(std::string(1, ch), settings, &record.constText);
    }
    return out;
}
} // namespace

int runCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto parsed = CliArgs::parse(args, {{"--mode", true}}, err);
    if (!parsed) return kExitUsage;
    int mode = kModePlain;
    if (auto text = parsed->value("--mode")) {
        const auto n = parseInteger(*text);
        if (!n || *n < -2 || *n > 22) {
            err << "tarlix-cli compile: --mode must be a whole number from -2 to 22\n";
            return kExitUsage;
        }
        mode = static_cast<int>(*n);
    }
    if (parsed->positional().size() != 1) {
        err << "tarlix-cli compile: give one expression\n";
        return kExitUsage;
    }
    const EngineSettings& settings = parsed->settings();
    RecordingMessageBox box;
    const CompileEnv env{settings, box};
    CompiledExpression record;
    setSource(record, utf8ToText(parsed->positional().front()), kModePlain - 1, env);
    const bool ok = compile(record, mode, true, env);
    if (!ok) {
        for (const auto& e : box.entries) err << textToUtf8(e.text, true) << "\n";
        return kExitFailure;
    }
    out << textToUtf8(record.source, true) << "\n";
    out << textToUtf8(codeNames(record, settings), true) << "\n";
    return kExitOk;
}

} // namespace tarlix::cli
