#include "expression/formula/DrawFormula.h"

#include "expression/NestingLimits.h"
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"
#include "expression/formula/FormulaPainter.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {
constexpr int kLeftMargin = 3;
constexpr int kSmallestFittedSize = 4;
// Brackets, bars and radicals grow a fifth over their content at every level: deeper than this
// the outer ones would be many times the picture's height, and the formula is shown plainly.
constexpr int kMaxGrownNesting = 16;
constexpr std::size_t kLongestPlainText = 2000;

bool beyondLimits(const std::string& t) {
    return t.size() > kMaxExpressionTokens || maxDepth(t) > kMaxTypedNesting ||
           longestChain(t) > kMaxBuiltNesting;
}

// The groups the compiler sees, without the rewrites that only evaluation needs (signed zeros,
// negations, point components), so that the formula reads as typed.
bool displayNormalise(std::string& t, const EngineSettings& settings, ConstTable& consts) {
    return passes::groupingPasses(t, settings, consts) && maxDepth(t) <= kMaxBuiltNesting;
}

std::string tokenNames(const std::string& t, const EngineSettings& settings) {
    std::string out;
    for (char c : t) out += tokenName(code(c), settings);
    return out;
}

// How many brackets, bars and radicals the deepest part of the formula sits in.
int grownNesting(const FormulaNode& n) {
    int deepest = 0;
    for (const FormulaNode& child : n.children) deepest = std::max(deepest, grownNesting(child));
    const bool grows = n.kind == FormulaKind::Brackets || n.kind == FormulaKind::Bars ||
                       n.kind == FormulaKind::Radical;
    return deepest + (grows ? 1 : 0);
}

FormulaNode plainText(std::string text) {
    // No row or picture shows more; the platform would lay out every character of a longer one.
    if (text.size() > kLongestPlainText) text = text.substr(0, kLongestPlainText) + "...";
    FormulaNode n;
    n.kind = FormulaKind::Text;
    n.face = FormulaFace::Plain;
    n.text = std::move(text);
    return n;
}
} // namespace

PreparedFormula prepareFormula(const std::string& tokens, const EngineSettings& settings) {
    PreparedFormula out;
    out.plainTail = plainText({});
    std::string t = tokens;
    const auto marker = t.find(tokenChar(Token::Unrecognised));
    if (marker != std::string::npos) {
        out.plainTail = plainText(t.substr(marker + 1));
        t.erase(marker);
    }
    ConstTable consts;
    std::string grouped = t;
    if (beyondLimits(t) || !displayNormalise(grouped, settings, consts)) {
        out.formula = plainText(tokenNames(t, settings));
        return out;
    }
    out.formula = buildFormulaTree(grouped, consts.text, settings);
    if (grownNesting(out.formula) > kMaxGrownNesting)
        out.formula = plainText(tokenNames(t, settings));
    return out;
}

namespace {
FormulaExtent layOut(FormulaPainter& painter, const PreparedFormula& formula, int size, int x,
                     int baseline, bool draw) {
    const FormulaBox box = painter.place(formula.formula, size, x, baseline, draw);
    FormulaExtent extent{box.width, baseline - box.ascent, baseline + box.descent};
    if (formula.plainTail.text.empty()) return extent;
    const int gap = spacingUnit(size);
    const FormulaBox tail =
        painter.place(formula.plainTail, size, x + box.width + gap, baseline, draw);
    extent.width += gap + tail.width;
    extent.top = std::min(extent.top, baseline - tail.ascent);
    extent.bottom = std::max(extent.bottom, baseline + tail.descent);
    return extent;
}
} // namespace

FormulaExtent drawFormulaAt(Canvas& canvas, const PreparedFormula& formula,
                            const FormulaStyle& style, int x, int baseline, bool draw) {
    FormulaPainter painter(canvas, style.ink, style.mask, style.metrics, style.bold);
    return layOut(painter, formula, style.size, x, baseline, draw);
}

Rect drawFormula(Canvas& image, const std::string& tokens, const EngineSettings& settings,
                 const FormulaStyle& style) {
    const Brush saved = image.brush();
    image.setBrush(Brush{kWhite, BrushStyle::Solid});
    image.fillRect(Rect{0, 0, image.width(), image.height()});
    image.setBrush(saved);

    const PreparedFormula formula = prepareFormula(tokens, settings);
    FormulaPainter painter(image, style.ink, style.mask, style.metrics, style.bold);
    FormulaStyle fitted = style;
    const int height = image.height();
    auto baselineFor = [&](int size) {
        const int pixels = formulaPixels(size);
        return (height - pixels) / 2 + static_cast<int>(std::lround(pixels * 0.8));
    };
    int baseline = baselineFor(fitted.size);
    FormulaExtent e = layOut(painter, formula, fitted.size, kLeftMargin, baseline, false);
    // Smaller until it fits: sizes are whole points, so one scaling may leave it a little tall.
    while (e.bottom - e.top > height - 1 && fitted.size > kSmallestFittedSize) {
        const double factor = (height - 1.0) / (e.bottom - e.top);
        fitted.size = std::max(kSmallestFittedSize,
                               std::min(fitted.size - 1, static_cast<int>(fitted.size * factor)));
        baseline = baselineFor(fitted.size);
        e = layOut(painter, formula, fitted.size, kLeftMargin, baseline, false);
    }
    if (e.top < 0)
        baseline -= e.top;
    else if (e.bottom > height)
        baseline -= std::min(e.bottom - height, e.top);
    e = layOut(painter, formula, fitted.size, kLeftMargin, baseline, true);
    return Rect{kLeftMargin, e.top, kLeftMargin + e.width, e.bottom};
}

} // namespace tarlix
