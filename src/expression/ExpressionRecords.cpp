#include "expression/ExpressionRecords.h"

#include <string_view>
#include <utility>

namespace tarlix {

void setWholeNumberSlots(ConstantTexts& text, std::array<Value, kConstCount>& value) {
    for (int slot = 0; slot < kFirstOwnConstant; ++slot) {
        text[static_cast<std::size_t>(slot)] = std::to_string(slot - 1);
        value[static_cast<std::size_t>(slot)] = makeReal(slot - 1);
    }
}

const CompiledExpression& FigureExpressions::part(FigurePart p) const {
    switch (p) {
    case FigurePart::X:
        return x;
    case FigurePart::Y:
        return y;
    case FigurePart::Radius:
        return radius;
    default:
        return whole;
    }
}

CompiledExpression& FigureExpressions::part(FigurePart p) {
    return const_cast<CompiledExpression&>(std::as_const(*this).part(p));
}

namespace {
std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Position of the bracket that closes the one at open, or npos.
std::size_t closingBracket(std::string_view s, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        if (s[i] == '(') ++depth;
        if (s[i] == ')' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

// E when text is "(" E suffix, suffix starting with the bracket that closes the first one.
bool bracketedWith(std::string_view text, std::string_view suffix, std::string_view& inner) {
    if (text.size() < suffix.size() + 1 || text.front() != '(') return false;
    if (text.substr(text.size() - suffix.size()) != suffix) return false;
    if (closingBracket(text, 0) != text.size() - suffix.size()) return false;
    inner = text.substr(1, text.size() - suffix.size() - 1);
    return true;
}
} // namespace

std::string joinWholePoint(const std::string& xText, const std::string& yText, char separator) {
    if (xText.empty() && yText.empty()) return {};
    std::string_view ex, ey;
    if (bracketedWith(xText, ").x", ex) && bracketedWith(yText, ").y", ey) && ex == ey)
        return std::string(ex);
    return "(" + xText + separator + yText + ")";
}

void splitWholePoint(const std::string& wholeText, char separator, std::string& xText,
                     std::string& yText) {
    const std::string_view w = trim(wholeText);
    xText.clear();
    yText.clear();
    if (w.empty()) return;
    if (w.front() == '(' && closingBracket(w, 0) == w.size() - 1) {
        int depth = 0;
        for (std::size_t i = 0; i < w.size(); ++i) {
            if (w[i] == '(') ++depth;
            if (w[i] == ')') --depth;
            if (w[i] == separator && depth == 1) {
                xText = std::string(w.substr(1, i - 1));
                yText = std::string(w.substr(i + 1, w.size() - i - 2));
                return;
            }
        }
    }
    xText = "(" + std::string(w) + ").x";
    yText = "(" + std::string(w) + ").y";
}

} // namespace tarlix
