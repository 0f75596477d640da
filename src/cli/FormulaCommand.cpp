// tarlix-cli formula: draws an expression as a typeset formula, as the data panel shows it.
#include "base/Text1252.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/PictureOutput.h"
#include "expression/Calc.h"
#include "expression/formula/DrawFormula.h"
#include "platform/qt/QtHeadless.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace tarlix::cli {

namespace {
constexpr const char* kPrefix = "tarlix-cli formula: ";
constexpr int kDefaultSize = 24;
constexpr int kMinSize = 4;
constexpr int kMaxSize = 200;

// The data panel's row height for a formula of that size.
int rowHeight(int size) {
    return static_cast<int>(std::lround(96 / 72.0 * (size * 2.2 + 2)));
}

std::optional<int> wholeInRange(const std::optional<std::string>& text, int low, int high) {
    if (!text) return std::nullopt;
    const auto n = parseInteger(*text);
    if (!n || *n < low || *n > high) return std::nullopt;
    return static_cast<int>(*n);
}

// A text the compiler refuses is reported; a rest the tokenizer did not recognise is drawn
// plainly after the formula, as the data panel does, with the message as a warning.
bool compiles(const std::string& text, const EngineSettings& settings, std::string& tokens,
              std::ostream& err) {
    RecordingMessageBox box;
    CompileEnv env{settings, box};
    CompiledExpression record;
    setSource(record, text, kModePlain - 1, env);
    tokens = record.tokens;
    const bool ok = compile(record, kModeRelation, true, env);
    for (const auto& e : box.entries) err << kPrefix << textToUtf8(e.text, true) << "\n";
    return ok || tokens.find(tokenChar(Token::Unrecognised)) != std::string::npos;
}
// Whether anything was drawn: a picture left white is no drawing of the formula.
bool hasInk(const Canvas& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) return true;
    return false;
}
} // namespace

int runFormula(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto parsed =
        CliArgs::parse(args, {{"--size", true}, {"--height", true}, {"-o", true}}, err);
    if (!parsed) return kExitUsage;
    const auto output = parsed->value("-o");
    if (parsed->positional().size() != 1 || !output) {
        err << kPrefix << "give one expression and -o OUT.png\n";
        return kExitUsage;
    }
    const auto size = parsed->has("--size")
                          ? wholeInRange(parsed->value("--size"), kMinSize, kMaxSize)
                          : std::optional<int>(kDefaultSize);
    const auto height =
        parsed->has("--height")
            ? wholeInRange(parsed->value("--height"), kMinPicturePixels, kMaxPicturePixels)
            : std::optional<int>(size ? std::min(rowHeight(*size), kMaxPicturePixels) : 0);
    if (!size || !height) {
        err << kPrefix << "--size takes points " << kMinSize << ".." << kMaxSize
            << ", --height pixels " << kMinPicturePixels << ".." << kMaxPicturePixels << "\n";
        return kExitUsage;
    }
    std::string tokens;
    const EngineSettings& settings = parsed->settings();
    if (!compiles(utf8ToText(parsed->positional().front()), settings, tokens, err))
        return kExitFailure;

    FormulaStyle style;
    style.size = *size;
    QtHeadless platform;
    auto probe = platform.createImage(kMaxPicturePixels, *height);
    const Rect drawn = drawFormula(*probe, tokens, settings, style);
    const int width = std::clamp(drawn.right + 3, kMinPicturePixels, kMaxPicturePixels);
    auto image = platform.createImage(width, *height);
    drawFormula(*image, tokens, settings, style);
    if (!hasInk(*image)) {
        err << kPrefix << "nothing of the formula fits a picture " << *height
            << " pixels high; no picture written\n";
        return kExitFailure;
    }
    const SaveResult saved = platform.savePng(*image, *output);
    if (saved.ok()) return kExitOk;
    err << kPrefix << saveFailureText(*output, saved) << "\n";
    return kExitFailure;
}

} // namespace tarlix::cli
