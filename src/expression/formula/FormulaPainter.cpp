#include "expression/formula/FormulaPainter.h"

#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <tuple>

namespace tarlix {

namespace {
constexpr const char* kTimes = "Times New Roman";
constexpr const char* kSymbol = "Symbol";
constexpr int kSmallestSize = 4;
constexpr double kSuperscriptScale = 0.65;
constexpr double kCubeIndexScale = 0.6;
constexpr double kGrownSign = 1.214; // brackets, bars and radicals against their content
constexpr double kBigSign = 1.5;     // Sum, Product and the integral against the text
constexpr char kRadicalSign = '\xD6';
// No sign grows taller than the largest picture; a formula deep enough to reach this is drawn
// plainly before it gets here, but tall content (fractions in fractions) can still ask for more.
constexpr int kMostGrownPixels = 1 << 15;

int rounded(double v) {
    return static_cast<int>(std::lround(v));
}
int scaled(int size, double factor) {
    return std::max(kSmallestSize, rounded(size * factor));
}
// Text ascent as a share of the line height of Times New Roman.
int ascentOf(int height) {
    return rounded(height * 0.8);
}
// The height of the math axis (where fraction bars and minus signs sit) above the baseline.
int axisOf(int size) {
    return rounded(formulaPixels(size) * 0.3);
}

FormulaBox joined(FormulaBox a, const FormulaBox& b) {
    a.width += b.width;
    a.ascent = std::max(a.ascent, b.ascent);
    a.descent = std::max(a.descent, b.descent);
    return a;
}
} // namespace

int formulaPixels(int size) {
    return fontPixelHeight(size);
}
int spacingUnit(int size) {
    return std::max(1, rounded(formulaPixels(size) / 10.0));
}
int lineThickness(int size) {
    return std::max(1, rounded(formulaPixels(size) / 15.0));
}

FormulaPainter::FormulaPainter(Canvas& canvas, Color ink, bool mask, FormulaMetrics* metrics,
                               bool bold)
    : canvas_(canvas), savedBrush_(canvas.brush()), ink_(ink), mask_(mask), bold_(bold),
      metrics_(metrics ? *metrics : ownMetrics_) {
    canvas_.setBrush(Brush{kWhite, BrushStyle::Clear});
}

FormulaPainter::~FormulaPainter() {
    flush();
    canvas_.setBrush(savedBrush_);
}

FormulaBox FormulaPainter::measure(const FormulaNode& n, int size) {
    const auto found = measured_.find(&n);
    if (found != measured_.end() && found->second.first == size) return found->second.second;
    const FormulaBox box = place(n, size, 0, 0, false);
    measured_[&n] = {size, box};
    return box;
}

FormulaBox FormulaPainter::place(const FormulaNode& n, int size, int x, int baseline, bool draw) {
    if (!draw) {
        const auto found = measured_.find(&n);
        if (found != measured_.end() && found->second.first == size) return found->second.second;
    }
    FormulaBox box;
    switch (n.kind) {
    case FormulaKind::Text:
    case FormulaKind::Operator:
        box = text(n, size, x, baseline, draw);
        break;
    case FormulaKind::Row:
        box = row(n.children, size, x, baseline, draw);
        break;
    case FormulaKind::Superscript:
        box = superscript(n, {}, size, x, baseline, draw);
        break;
    case FormulaKind::Brackets:
    case FormulaKind::Bars:
        box = enclosed(n, size, x, baseline, draw);
        break;
    case FormulaKind::Fraction:
        box = fraction(n, size, x, baseline, draw);
        break;
    case FormulaKind::Radical:
        box = radical(n, size, x, baseline, draw);
        break;
    case FormulaKind::Overbar:
    case FormulaKind::Arrow:
        box = overbar(n, size, x, baseline, draw);
        break;
    }
    measured_[&n] = {size, box};
    return box;
}

void FormulaPainter::useFont(const FontSpec& f) {
    const bool same =
        fontSet_ && font_.name == f.name && font_.size == f.size && font_.style == f.style;
    if (same) return;
    font_ = Font{f.name, f.size, f.style, ink_};
    fontSet_ = true;
    canvas_.setFont(font_);
}

// Texts repeat within a formula (signs, brackets, letters), and the drawing measures what the
// layout measured already; the font is switched only to measure a text not yet measured.
Size FormulaPainter::extentIn(const FontSpec& f, const std::string& text) {
    auto key = std::make_tuple(f.name, f.size, f.style, text);
    if (const Size* known = metrics_.find(key)) return *known;
    useFont(f);
    const Size s = canvas_.textExtent(text);
    metrics_.add(std::move(key), s);
    return s;
}

// Texts are kept and drawn at the end, font by font, and texts that follow each other in one
// font on one line are drawn as one: the platform lays out each text it is given and switching
// fonts costs it more than the drawing, while a formula is mostly short texts in few fonts.
void FormulaPainter::textAt(const FontSpec& f, int x, int y, const std::string& text, int width) {
    const auto sameFont = [&](const PendingText& t) {
        return t.font.size == f.size && t.font.style == f.style &&
               std::string_view(t.font.name) == f.name;
    };
    for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) {
        if (!sameFont(*it)) continue;
        if (it->y == y && it->end == x) {
            it->text += text;
            it->end = x + width;
            return;
        }
        break;
    }
    pending_.push_back({f, x, y, text, x + width});
}

void FormulaPainter::flush() {
    std::stable_sort(
        pending_.begin(), pending_.end(), [](const PendingText& a, const PendingText& b) {
            const int byName = std::string_view(a.font.name).compare(b.font.name);
            if (byName != 0) return byName < 0;
            return std::tie(a.font.size, a.font.style) < std::tie(b.font.size, b.font.style);
        });
    for (const PendingText& t : pending_) {
        useFont(t.font);
        canvas_.textOut(t.x, t.y, t.text);
    }
    pending_.clear();
}

FormulaBox FormulaPainter::text(const FormulaNode& n, int size, int x, int baseline, bool draw) {
    FontSpec f{kTimes, size, FontStyle::Plain};
    switch (n.face) {
    case FormulaFace::Name:
        f.style = FontStyle::Bold | FontStyle::Italic;
        break;
    case FormulaFace::Upright:
    case FormulaFace::Plain:
        break;
    case FormulaFace::Symbol:
        f.name = kSymbol;
        break;
    case FormulaFace::SymbolItalic:
        f.name = kSymbol;
        f.style = FontStyle::Italic;
        break;
    case FormulaFace::BigSymbol:
        f.name = kSymbol;
        f.size = scaled(size, kBigSign);
        break;
    }
    if (bold_ && f.name == std::string_view(kTimes)) f.style |= FontStyle::Bold;
    const Size extent = extentIn(f, n.text);
    const int gap = n.kind == FormulaKind::Operator ? 3 * spacingUnit(size) : 0;
    FormulaBox box{extent.width + 2 * gap, ascentOf(extent.height), 0};
    if (n.face == FormulaFace::BigSymbol) box.ascent = axisOf(size) + extent.height / 2;
    box.descent = extent.height - box.ascent;
    if (draw) textAt(f, x + gap, baseline - box.ascent, n.text, extent.width);
    return box;
}

FormulaBox FormulaPainter::row(const std::vector<FormulaNode>& parts, int size, int x, int baseline,
                               bool draw) {
    FormulaBox box;
    FormulaBox previous;
    for (const FormulaNode& part : parts) {
        const FormulaBox b = part.kind == FormulaKind::Superscript
                                 ? superscript(part, previous, size, x + box.width, baseline, draw)
                                 : place(part, size, x + box.width, baseline, draw);
        box = joined(box, b);
        previous = b;
    }
    return box;
}

// Raised at least 0.45 of the text's height, and so that its lower quarter overlaps the top of
// a tall part before it.
FormulaBox FormulaPainter::superscript(const FormulaNode& n, const FormulaBox& base, int size,
                                       int x, int baseline, bool draw) {
    const int small = scaled(size, kSuperscriptScale);
    const FormulaBox content = row(n.children, small, 0, 0, false);
    const int raise =
        std::max(rounded(formulaPixels(size) * 0.45), base.ascent - content.ascent * 3 / 4);
    if (draw) row(n.children, small, x, baseline - raise, true);
    return {content.width, raise + content.ascent, std::max(0, content.descent - raise)};
}

FormulaBox FormulaPainter::enclosed(const FormulaNode& n, int size, int x, int baseline,
                                    bool draw) {
    const FormulaBox c = row(n.children, size, 0, 0, false);
    const bool bars = n.kind == FormulaKind::Bars;
    const std::string open = bars ? "|" : n.text.substr(0, 1);
    const std::string close = bars ? "|" : n.text.substr(1, 1);
    const int contentHeight = std::max(c.ascent + c.descent, formulaPixels(size));
    const FontSpec grown = grownFont(kTimes, open, rounded(contentHeight * kGrownSign));
    const Size left = extentIn(grown, open);
    const Size right = extentIn(grown, close);
    // The brackets are centred on the content.
    const int top = baseline - std::max(c.ascent, ascentOf(formulaPixels(size))) -
                    (left.height - contentHeight) / 2;
    if (draw) {
        textAt(grown, x, top, open, left.width);
        textAt(grown, x + left.width + c.width, top, close, right.width);
        row(n.children, size, x + left.width, baseline, true);
    }
    return {left.width + c.width + right.width, std::max(c.ascent, baseline - top),
            std::max(c.descent, top + left.height - baseline)};
}

FormulaBox FormulaPainter::fraction(const FormulaNode& n, int size, int x, int baseline,
                                    bool draw) {
    const FormulaNode& numerator = n.children[0];
    const FormulaNode& denominator = n.children[1];
    const FormulaBox top = measure(numerator, size);
    const FormulaBox bottom = measure(denominator, size);
    const int unit = spacingUnit(size);
    const int thick = lineThickness(size);
    const int width = std::max(top.width, bottom.width) + 2 * unit;
    const int barY = baseline - axisOf(size);
    const int topBaseline = barY - unit - top.descent;
    const int bottomBaseline = barY + thick + unit + bottom.ascent;
    if (draw) {
        place(numerator, size, x + (width - top.width) / 2, topBaseline, true);
        place(denominator, size, x + (width - bottom.width) / 2, bottomBaseline, true);
        line(x + unit / 2, barY, x + width - unit / 2, barY, size);
    }
    return {width + unit, baseline - (topBaseline - top.ascent),
            bottomBaseline + bottom.descent - baseline};
}

FormulaBox FormulaPainter::radical(const FormulaNode& n, int size, int x, int baseline, bool draw) {
    const FormulaBox c = row(n.children, size, 0, 0, false);
    const int unit = spacingUnit(size);
    const int thick = lineThickness(size);
    const int contentHeight = std::max(c.ascent + c.descent, formulaPixels(size));
    const std::string sign(1, kRadicalSign);
    const FontSpec grown = grownFont(kSymbol, sign, rounded(contentHeight * kGrownSign));
    const Size s = extentIn(grown, sign);
    const int barY = baseline - std::max(c.ascent, ascentOf(formulaPixels(size))) - unit;
    // The sign's top meets the bar; its foot goes down past the content.
    const int signTop = barY - rounded(s.height * 0.08);
    const int start = x + s.width;
    if (draw) {
        textAt(grown, x, signTop, sign, s.width);
        line(start - unit, barY, start + c.width + unit, barY, size);
        if (n.cubeRoot) {
            textAt({kTimes, scaled(size, kCubeIndexScale), FontStyle::Plain}, x,
                   signTop + s.height / 6, "3", 0);
        }
        row(n.children, size, start, baseline, true);
    }
    return {s.width + c.width + 2 * unit, baseline - std::min(barY - thick, signTop),
            std::max(c.descent, signTop + s.height - baseline)};
}

// The conjugate's bar, or the vector arrow over two point names.
FormulaBox FormulaPainter::overbar(const FormulaNode& n, int size, int x, int baseline, bool draw) {
    const FormulaBox c = row(n.children, size, 0, 0, false);
    const int unit = spacingUnit(size);
    const bool arrow = n.kind == FormulaKind::Arrow;
    const int lift = arrow ? rounded(1.5 * unit) : unit;
    const int barY = baseline - c.ascent - lift;
    if (draw) {
        row(n.children, size, x, baseline, true);
        const int end = x + c.width;
        line(x, barY, end, barY, size);
        if (arrow) {
            line(end, barY, end - 2 * unit, barY - unit, size);
            line(end, barY, end - 2 * unit, barY + unit, size);
        }
    }
    const int head = arrow ? unit : 0;
    return {c.width, c.ascent + lift + head + lineThickness(size), c.descent};
}

FontSpec FormulaPainter::grownFont(const char* name, const std::string& sign, int pixelHeight) {
    // The sign's height at a known size gives the size of the grown height.
    constexpr int kReference = 20;
    const int reference = std::max(1, extentIn({name, kReference, FontStyle::Plain}, sign).height);
    const int height = std::min(pixelHeight, kMostGrownPixels);
    return {name, std::max(kSmallestSize, height * kReference / reference), FontStyle::Plain};
}

// A line as thick as the size asks, drawn as rows of one-pixel lines: thin lines keep the pen
// mode exactly and cost the platform far less than stroking a wide pen with round ends.
void FormulaPainter::line(int x0, int y0, int x1, int y1, int size) {
    Pen p;
    p.color = ink_;
    p.width = 1;
    p.mode = mask_ ? PenMode::Mask : PenMode::Copy;
    canvas_.setPen(p);
    const int thick = lineThickness(size);
    for (int k = 0; k < thick; ++k) {
        const int dy = k - thick / 2;
        canvas_.moveTo(x0, y0 + dy);
        canvas_.lineTo(x1, y1 + dy);
    }
}

} // namespace tarlix
