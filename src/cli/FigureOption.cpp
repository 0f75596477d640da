#include "cli/FigureOption.h"

#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "document/NewObjectDefaults.h"
#include "document/Project.h"
#include "expression/Compiler.h"

#include <array>
#include <ostream>
#include <string_view>

namespace tarlix::cli {

namespace {

struct KindName {
    std::string_view name;
    FigureKind kind;
    std::size_t minParts;
    std::size_t maxParts;
};

constexpr std::array<KindName, 6> kKinds{{
    {"point", FigureKind::Point, 1, 1},
    {"circle", FigureKind::Circle, 2, 2},
    {"hline", FigureKind::HorizontalLine, 1, 2},
    {"vline", FigureKind::VerticalLine, 1, 2},
    {"polar", FigureKind::Polar, 1, 4},
    {"curve", FigureKind::Parametric, 1, 4},
}};

constexpr Extended kDefaultCurveStep = 0.01L;
constexpr int kLabelUpperRight = 3;

std::vector<std::string> splitParts(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ';')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

void help(std::ostream& err, const std::string& prefix, const std::string& text) {
    err << prefix
        << "--figure expects L=POINT, circle:L=CENTRE;RADIUS, hline:L=Y[;WIDTH], "
           "vline:L=X[;WIDTH], polar:L=R[;LOW;HIGH[;STEP]] or curve:L=POINT[;LOW;HIGH[;STEP]] "
           "with L one of P Q R S T U V A..O, got \""
        << text << "\"\n";
}

// Compiles the figure's texts, writing the compiler's messages with the figure's letter.
class FigureCompiler {
public:
    FigureCompiler(const EngineSettings& settings, std::ostream& err, char letter)
        : env_{settings, box_}, err_(err), letter_(letter) {}

    bool operator()(CompiledExpression& record, const std::string& text, int mode) {
        box_.entries.clear();
        setSource(record, text, kModePlain - 1, env_);
        if (compile(record, mode, true, env_) && box_.entries.empty()) return true;
        for (const auto& e : box_.entries)
            err_ << letter_ << ": " << textToUtf8(e.text, true) << "\n";
        return false;
    }

private:
    RecordingMessageBox box_;
    CompileEnv env_;
    std::ostream& err_;
    char letter_;
};

} // namespace

std::optional<FigureOption> parseFigureOption(const std::string& text, const std::string& prefix,
                                              std::ostream& err) {
    FigureOption option;
    std::string rest = text;
    const KindName* kind = &kKinds[0];
    if (const auto colon = rest.find(':'); colon != std::string::npos && colon < rest.find('=')) {
        const std::string name = rest.substr(0, colon);
        kind = nullptr;
        for (const KindName& k : kKinds)
            if (k.name == name) kind = &k;
        rest = rest.substr(colon + 1);
    }
    const auto eq = rest.find('=');
    const std::string letter = eq == std::string::npos ? "" : rest.substr(0, eq);
    const auto at = letter.size() == 1 ? std::string_view(kFigureLetters).find(letter[0])
                                       : std::string_view::npos;
    if (!kind || at == std::string_view::npos) {
        help(err, prefix, text);
        return std::nullopt;
    }
    option.figure = static_cast<int>(at) + 1;
    option.kind = kind->kind;
    option.parts = splitParts(utf8ToText(rest.substr(eq + 1)));
    const bool curveRange = isCurveKind(option.kind) && option.parts.size() == 2;
    if (option.parts.size() < kind->minParts || option.parts.size() > kind->maxParts ||
        curveRange) {
        help(err, prefix, text);
        return std::nullopt;
    }
    return option;
}

bool defineFigure(FigureEntry& f, const FigureOption& o, const EngineSettings& settings,
                  std::ostream& err) {
    const int n = o.figure;
    const char letter = figureLetter(n);
    FigureCompiler compiled(settings, err, letter);
    const FigureDefaults defaults;
    f = blankFigure(n);
    f.kind = o.kind;
    f.pointColor = defaults.pointColor;
    f.lineColor = defaults.lineColor;
    f.pointSize = static_cast<std::uint8_t>(defaults.pointWidth);
    f.lineWidth = static_cast<std::uint8_t>(isCurveKind(o.kind) ? 2 : defaults.lineWidth);
    f.labelPosition = kLabelUpperRight;
    const char separator = settings.listSeparatorChar;
    const std::string first = o.parts[0];
    const std::string second = o.parts.size() > 1 ? o.parts[1] : "0";
    std::string whole, xText, yText, radius;
    switch (o.kind) {
    case FigureKind::HorizontalLine:
        yText = first;
        radius = second;
        break;
    case FigureKind::VerticalLine:
        xText = first;
        radius = second;
        break;
    case FigureKind::Polar:
        xText = "r cos@";
        yText = "r sin@";
        whole = joinWholePoint(xText, yText, separator);
        radius = first;
        break;
    default:
        whole = first;
        splitWholePoint(whole, separator, xText, yText);
        radius = o.kind == FigureKind::Circle ? second : "";
        break;
    }
    if (isCurveKind(o.kind)) {
        f.paramLetter = o.kind == FigureKind::Polar ? '@' : 't';
        f.paramStep = kDefaultCurveStep;
        if (o.parts.size() >= 3) {
            f.paramLow.source = o.parts[1];
            f.paramHigh.source = o.parts[2];
        }
        if (o.parts.size() == 4) {
            const auto step = parseNumber(textToUtf8(o.parts[3], false));
            if (!step || !(*step > 0)) {
                err << letter << ": the step of a curve must be a positive number\n";
                return false;
            }
            f.paramStep = *step;
        }
        if (!compiled(f.paramLow, f.paramLow.source, kModePlain) ||
            !compiled(f.paramHigh, f.paramHigh.source, kModePlain))
            return false;
    }
    f.radius.source = radius;
    if (!whole.empty() && !compiled(f.whole, whole, n)) return false;
    if (!xText.empty() && !compiled(f.x, xText, n)) return false;
    if (!yText.empty() && !compiled(f.y, yText, n)) return false;
    if (!radius.empty() && !compiled(f.radius, radius, n)) return false;
    return true;
}

} // namespace tarlix::cli
