#include "cli/EvalSession.h"

#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/FigureOption.h"

#include <array>
#include <ostream>
#include <string_view>

namespace tarlix::cli {

namespace {
constexpr std::string_view kParameterLetters = "abcdmnpqstuv@k";
constexpr std::string_view kFigureLetters = "PQRSTUVABCDEFGHIJKLMNO";
constexpr std::array<std::string_view, kUserFunctions> kUserFunctionNames{"f",  "g",  "h",  "f1",
                                                                          "f2", "f3", "f4", "f5"};

// Splits "NAME=VALUE"; false when there is no "=" or no name.
bool splitDefinition(const std::string& text, std::string& name, std::string& value) {
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    name = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

int userFunctionSlot(const std::string& name) {
    for (std::size_t i = 0; i < kUserFunctionNames.size(); ++i)
        if (name == kUserFunctionNames[i]) return static_cast<int>(i) + 1;
    return 0;
}

int explicitFunctionSlot(const std::string& name) {
    if (name.size() < 2 || name.size() > 3 || name[0] != 'y') return 0;
    const auto n = parseInteger(name.substr(1));
    return n && *n >= 1 && *n <= kExplicitFunctions && std::to_string(*n) == name.substr(1)
               ? static_cast<int>(*n)
               : 0;
}

std::size_t slot(int n) {
    return static_cast<std::size_t>(n - 1);
}
} // namespace

EvalSession::EvalSession(const EngineSettings& settings, std::ostream& err, std::string prefix)
    : settings_(settings), err_(err), prefix_(std::move(prefix)), compileEnv_{settings_, box_} {}

bool EvalSession::setParameter(const std::string& option) {
    std::string name, value;
    const auto number = splitDefinition(option, name, value) ? parseNumber(value) : std::nullopt;
    const std::string letter = utf8ToText(name);
    const auto slot =
        letter.size() == 1 ? kParameterLetters.find(letter[0]) : std::string_view::npos;
    if (!number || slot == std::string_view::npos) {
        err_ << prefix_
             << "--param expects a parameter letter (a b c d m n p q s t u v \xCE\xB8 k) = a "
                "number, got \""
             << option << "\"\n";
        return false;
    }
    parameters_.value(static_cast<int>(slot) + 1) = *number;
    return true;
}

int EvalSession::define(const std::string& option) {
    std::string name, text;
    if (!splitDefinition(option, name, text)) return badDefinition(option);
    text = utf8ToText(text);
    if (const int n = userFunctionSlot(name))
        return compiled(document_.userFunctions[slot(n)], text, kModeRelation);
    if (const int n = explicitFunctionSlot(name))
        return compiled(document_.explicitFunctions[slot(n)], text, kModeExplicit);
    const auto figure = name.size() == 1 ? kFigureLetters.find(name[0]) : std::string_view::npos;
    if (figure == std::string_view::npos) return badDefinition(option);
    return definePoint(static_cast<int>(figure) + 1, text);
}

int EvalSession::defineFigureOption(const std::string& option) {
    const auto figure = parseFigureOption(option, prefix_, err_);
    if (!figure) return kExitUsage;
    return defineFigure(document_.figures[slot(figure->figure)], *figure, settings_, err_)
               ? kExitOk
               : kExitFailure;
}

int EvalSession::badDefinition(const std::string& option) {
    err_ << prefix_
         << "--def expects NAME=EXPR with NAME one of f g h f1..f5, y1..y20 or a figure letter P "
            "Q R S T U V A..O, got \""
         << option << "\"\n";
    return kExitUsage;
}

int EvalSession::compiled(CompiledExpression& record, const std::string& text, int mode) {
    setSource(record, text, kModePlain - 1, compileEnv_);
    if (compile(record, mode, true, compileEnv_) && box_.entries.empty()) return kExitOk;
    for (const auto& e : box_.entries) err_ << textToUtf8(e.text, true) << "\n";
    return kExitFailure;
}

int EvalSession::definePoint(int n, const std::string& whole) {
    FigureEntry& figure = document_.figures[slot(n)];
    figure.kind = 1;
    std::string xText, yText;
    splitWholePoint(whole, settings_.listSeparatorChar, xText, yText);
    if (const int status = compiled(figure.whole, whole, n)) return status;
    if (const int status = compiled(figure.x, xText, n)) return status;
    return compiled(figure.y, yText, n);
}

} // namespace tarlix::cli
