#include "render/markup/DrawMarkup.h"

#include "expression/Tokenizer.h"
#include "expression/Vocabulary.h"
#include "expression/formula/DrawFormula.h"
#include "platform/RecordingCanvas.h"
#include "render/markup/ConvertMarkup.h"
#include "render/markup/MarkupFields.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarlix {

namespace {
using namespace markup;

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kSymbol = "Symbol";
constexpr int kNothingDrawn = 100;
// Each fraction measures its parts before drawing them, so the work doubles with each level:
// deeper fractions are shown as their text.
constexpr int kMaxFractionNesting = 8;

int rounded(double v) {
    return static_cast<int>(std::lround(v));
}

struct TextState {
    int startSize = 10;
    int size = 10;
    FontStyle style = FontStyle::Plain;
    Color colour = kBlack;
    bool symbol = false;
    int lineBaseline = 0; // the baseline the size tags reset to
    int baseline = 0;
    int vectorStart = 0;
};

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "RRGGBB"; nothing when a character is not a hex digit.
std::optional<Color> hexColour(const std::string& six) {
    int v[6];
    for (int i = 0; i < 6; ++i)
        if ((v[i] = hexDigit(six[static_cast<std::size_t>(i)])) < 0) return std::nullopt;
    return rgbColor(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
}

// The position of the "}" that closes a group opened just before from, or the end of the text
// (a missing final "}" is supplied).
std::size_t groupEnd(const std::string& codes, std::size_t from) {
    int depth = 1;
    for (std::size_t i = from; i < codes.size(); ++i) {
        if (codes[i] == '{' || codes[i] == kFraction) ++depth;
        if (codes[i] == '}' && --depth == 0) return i;
    }
    return codes.size();
}

// Numerator and denominator: split at the first "|" outside inner groups, else at "/".
std::pair<std::string, std::string> fractionParts(const std::string& group) {
    for (char separator : {'|', '/'}) {
        int depth = 0;
        for (std::size_t i = 0; i < group.size(); ++i) {
            const char c = group[i];
            if (c == '{' || c == kFraction) ++depth;
            if (c == '}') --depth;
            if (c == separator && depth == 0) return {group.substr(0, i), group.substr(i + 1)};
        }
    }
    return {group, {}};
}

class MarkupPainter {
public:
    MarkupPainter(Canvas& canvas, const MarkupEnv& env, bool draw, int hA, int x, int baseline,
                  int depth = 0)
        : canvas_(canvas), env_(env), draw_(draw), hA_(hA),
          x_(x), extent_{baseline, baseline - kNothingDrawn}, depth_(depth) {}

    void drawCodes(const std::string& codes, TextState& s) {
        std::string run;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const char c = codes[i];
            if (c == '{' || c == kFraction) {
                drawRun(run, s);
                const std::size_t end = groupEnd(codes, i + 1);
                const std::string group = codes.substr(i + 1, end - i - 1);
                if (c == '{')
                    formulaGroup(group, s);
                else if (depth_ < kMaxFractionNesting)
                    fraction(group, s);
                else
                    asText(group, s);
                i = end;
            } else if (static_cast<unsigned char>(c) > kLastCode) {
                run += c;
            } else {
                drawRun(run, s);
                i = control(codes, i, s, run);
            }
        }
        drawRun(run, s);
    }

    int x() const { return x_; }
    MarkupExtent extent() const { return extent_; }

private:
    Color shown(Color c) const { return env_.colour ? env_.colour(c) : c; }

    void useRunFont(const TextState& s) {
        const int size = rounded(s.size * (s.symbol ? 1.1 : 1.07));
        canvas_.setFont(Font{s.symbol ? kSymbol : kTimes, size, s.style, shown(s.colour)});
    }

    void extend(int top, int bottom) {
        extent_.top = std::min(extent_.top, top);
        extent_.bottom = std::max(extent_.bottom, bottom);
    }

    void drawRun(std::string& run, const TextState& s) {
        if (run.empty()) return;
        useRunFont(s);
        const int h = canvas_.textExtent("A").height;
        const int top = s.baseline - h + rounded(h / 4.0) - rounded(hA_ / 6.0);
        const char* descenders = s.symbol ? "bcfghmrxyzV_{}[]()|" : "gjpqyQ_{}[]()|";
        const bool descends = run.find_first_of(descenders) != std::string::npos;
        const int bottom = top + (descends ? h : rounded(0.85 * h));
        if (draw_) canvas_.textOut(x_, top, run);
        x_ += canvas_.textExtent(run).width + rounded(h / 20.0);
        extend(top + rounded(hA_ / 8.0), bottom);
        run.clear();
    }

    // A formula group, typeset at 1.1 times the size. A value field that failed, or a group that
    // is no expression, is text ("error" would read as the product e r r or).
    void formulaGroup(const std::string& group, TextState& s) {
        std::string source;
        for (char c : group)
            if (static_cast<unsigned char>(c) > kLastCode && c != kFraction) source += c;
        int cursor = 0;
        std::string typed = source;
        const std::string tokens = tokenize(typed, cursor, env_.settings);
        const bool failedField = source.find(kFieldError) != std::string::npos;
        if (failedField || tokens.find(tokenChar(Token::Unrecognised)) != std::string::npos) {
            drawRun(source, s);
            return;
        }
        FormulaStyle style;
        style.size = rounded(s.size * 1.1);
        style.ink = shown(s.colour);
        const PreparedFormula formula = prepareFormula(tokens, env_.settings);
        const FormulaExtent e = drawFormulaAt(canvas_, formula, style, x_, s.baseline, draw_);
        x_ += e.width + rounded(fontPixelHeight(s.size) / 20.0);
        extend(e.top, e.bottom);
    }

    void asText(const std::string& group, const TextState& s) {
        std::string text;
        for (char c : group)
            if (static_cast<unsigned char>(c) > kLastCode && c != kFraction) text += c;
        drawRun(text, s);
    }

    // Measures a part of a fraction: its width and extents relative to baseline 0.
    std::pair<int, MarkupExtent> measured(const std::string& codes, const TextState& s) {
        MarkupPainter p(canvas_, env_, false, hA_, 0, 0, depth_ + 1);
        TextState t = s;
        t.baseline = t.lineBaseline = 0;
        p.drawCodes(codes, t);
        return {p.x(), p.extent()};
    }

    void drawPart(const std::string& codes, const TextState& s, int x, int baseline) {
        MarkupPainter p(canvas_, env_, true, hA_, x, baseline, depth_ + 1);
        TextState t = s;
        t.baseline = t.lineBaseline = baseline;
        p.drawCodes(codes, t);
    }

    void fraction(const std::string& group, const TextState& s) {
        const auto [numerator, denominator] = fractionParts(group);
        const auto [wN, eN] = measured(numerator, s);
        const auto [wD, eD] = measured(denominator, s);
        useRunFont(s);
        const int h8 = canvas_.textExtent("8").height;
        const int space = rounded(0.1 * s.size);
        const int width = std::max(wN, wD) + 3 * space;
        const int thick = std::max(1, rounded(h8 / 20.0));
        const int barY = s.baseline - rounded(0.45 * h8);
        const int numeratorBaseline = barY - thick - eN.bottom;
        const int denominatorBaseline = barY + thick - eD.top;
        if (draw_) {
            drawPart(numerator, s, x_ + space + (width - 3 * space - wN) / 2, numeratorBaseline);
            drawPart(denominator, s, x_ + space + (width - 3 * space - wD) / 2,
                     denominatorBaseline);
            line(x_ + space - thick, barY, x_ + width + 1, barY, thick, s.colour);
        }
        extend(numeratorBaseline + eN.top, denominatorBaseline + eD.bottom);
        x_ += width + space;
    }

    void line(int x0, int y0, int x1, int y1, int width, Color colour) {
        Pen p;
        p.color = shown(colour);
        p.width = width;
        canvas_.setPen(p);
        canvas_.moveTo(x0, y0);
        canvas_.lineTo(x1, y1);
    }

    // The arrow over the text since the vector began: along the top of the text line, with a
    // barb back and up from its right end.
    void vectorArrow(const TextState& s) {
        const int fontHeight = fontPixelHeight(s.size);
        const int lineY = s.baseline - fontHeight;
        const int width = std::max(1, rounded(fontHeight / 20.0));
        line(s.vectorStart, lineY, x_, lineY, width, s.colour);
        line(x_, lineY, x_ - s.size / 2, lineY - (s.size / 2) / 2, width, s.colour);
    }

    // Applies the control code at i; returns the position of its last character.
    std::size_t control(const std::string& codes, std::size_t i, TextState& s, std::string& run) {
        switch (codes[i]) {
        case kNormal:
            s.style = FontStyle::Plain;
            s.colour = defaultColour_;
            s.size = s.startSize;
            s.baseline = s.lineBaseline;
            s.symbol = false;
            break;
        case kBoldOn:
            s.style |= FontStyle::Bold;
            break;
        case kBoldOff:
            s.style = without(s.style, FontStyle::Bold);
            break;
        case kItalicOn:
            s.style |= FontStyle::Italic;
            break;
        case kItalicOff:
            s.style = without(s.style, FontStyle::Italic);
            break;
        case kUnderlineOn:
            s.style |= FontStyle::Underline;
            break;
        case kUnderlineOff:
            s.style = without(s.style, FontStyle::Underline);
            break;
        case kColourOff:
            s.colour = defaultColour_;
            break;
        case kColour: {
            const std::string six = codes.substr(i + 1, 6);
            const std::optional<Color> colour = six.size() == 6 ? hexColour(six) : std::nullopt;
            if (colour)
                s.colour = *colour;
            else
                run = six; // not a colour: its characters are text
            return i + six.size();
        }
        case kLarge:
            s.size = rounded(1.3 * s.startSize);
            break;
        case kSmall:
            s.size = rounded(0.7 * s.startSize);
            break;
        case kSubscript:
            s.size = rounded(0.6 * s.startSize);
            break;
        case kSuperscript:
            s.size = rounded(0.6 * s.startSize);
            s.baseline = s.lineBaseline - rounded(0.4 * hA_);
            break;
        case kSizeOff:
            s.size = s.startSize;
            s.baseline = s.lineBaseline;
            break;
        case kVectorOn:
            s.vectorStart = x_;
            break;
        case kVectorOff:
            if (draw_) vectorArrow(s);
            break;
        case kSymbolOn:
            s.symbol = true;
            break;
        case kSymbolOff:
            s.symbol = false;
            break;
        default:
            break;
        }
        return i;
    }

public:
    Color defaultColour_ = kBlack;

private:
    Canvas& canvas_;
    const MarkupEnv& env_;
    bool draw_;
    int hA_;
    int x_;
    MarkupExtent extent_;
    int depth_;
};
} // namespace

MarkupExtent drawMarkup(Canvas& canvas, const MarkupEnv& env, int& x, int y,
                        const std::string& text, const MarkupOptions& options) {
    const std::string codes = convertMarkup(text.substr(0, text.find("//")), options.mode, env);
    const Font saved = canvas.font();
    const Brush savedBrush = canvas.brush();
    canvas.setBrush(Brush{kWhite, BrushStyle::Clear});
    TextState s;
    s.startSize = s.size = saved.size;
    s.colour = options.defaultColour;
    s.baseline = s.lineBaseline = y;
    canvas.setFont(Font{kTimes, s.startSize, FontStyle::Plain, options.defaultColour});
    const int hA = canvas.textExtent("A").height;
    MarkupPainter painter(canvas, env, options.draw, hA, x, y);
    painter.defaultColour_ = options.defaultColour;
    painter.drawCodes(codes, s);
    x = painter.x();
    canvas.setBrush(savedBrush);
    if (!options.keepFont) canvas.setFont(saved);
    return painter.extent();
}

MarkupExtent drawMarkupLine(Canvas& canvas, const MarkupEnv& env, int& x, int y,
                            const std::string& text, const MarkupOptions& options) {
    return drawMarkup(canvas, env, x, y + fontPixelHeight(canvas.font().size), text, options);
}

} // namespace tarlix
