// Passes 1 to 7: signs, absolute-value brackets, point components and numbers.
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <charconv>
#include <vector>

namespace tarlix::passes {

namespace {
bool isNumberDigit(int c) {
    return c >= Token::Digit0 && c <= Token::Digit9;
}

// A "+", or a "-" that does not start a number: the sign needs a signed zero in front.
bool signNeedsZero(const std::string& t, std::size_t i) {
    const int c = at(t, i);
    return c == Token::Plus || (c == Token::Minus && !isNumberDigit(at(t, i + 1)));
}
} // namespace

void spacesAndSigns(std::string& t) {
    // A run of spaces stands as one; a space before a sign goes.
    std::string kept;
    kept.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != Token::Space) {
            kept += t[i];
            continue;
        }
        std::size_t next = i + 1;
        while (next < t.size() && code(t[next]) == Token::Space) ++next;
        if (next == t.size() || (code(t[next]) != Token::Plus && code(t[next]) != Token::Minus))
            kept += t[i];
        i = next - 1;
    }
    std::string out;
    out.reserve(kept.size() + kept.size() / 4 + 1);
    if (signNeedsZero(kept, 0)) out += tokenChar(Token::SZero);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const int c = code(kept[i]);
        out += kept[i];
        const bool opens =
            isRelational(c) || c == Token::Open || c == Token::Comma || c == Token::OpenAbs;
        if (opens && signNeedsZero(kept, i + 1)) out += tokenChar(Token::SZero);
    }
    t = std::move(out);
}

void absoluteBrackets(std::string& t) {
    if (!hasToken(t, [](int c) { return c == Token::OpenAbs || c == Token::CloseAbs; })) return;
    std::string out;
    out.reserve(t.size() + 8);
    for (char ch : t) {
        if (code(ch) == Token::OpenAbs)
            out += tokens({Token::Abs, Token::Open});
        else
            out += code(ch) == Token::CloseAbs ? tokenChar(Token::Close) : ch;
    }
    t = std::move(out);
}

void negativeNumbers(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != Token::Minus) continue;
        const int before = i == 0 ? int{Token::Open} : code(t[i - 1]);
        if (!isRelational(before) && before != Token::Open && before != Token::Comma) continue;
        const int next = at(t, i + 1);
        if (isBinary(next) || isPostfix(next) || next == Token::Close) continue;
        t[i] = tokenChar(Token::Negate);
    }
}

namespace {
// For each position, whether it lies inside the argument group of "cof", "sol" or "Igr",
// whose bound or polynomial variable x is not the figure's coordinate.
std::vector<bool> insideBoundGroups(const std::string& t) {
    std::vector<bool> inside(t.size());
    std::vector<bool> bounds; // one for each "(" still open: whether it opens such a group
    int open = 0;             // how many of those do
    for (std::size_t i = 0; i < t.size(); ++i) {
        inside[i] = open > 0;
        const int c = code(t[i]);
        if (c == Token::Open) {
            const int fn = i > 0 ? code(t[i - 1]) : -1;
            bounds.push_back(fn == Token::Cof || fn == Token::Sol || fn == Token::Igr);
            open += bounds.back() ? 1 : 0;
        } else if (c == Token::Close && !bounds.empty()) {
            open -= bounds.back() ? 1 : 0;
            bounds.pop_back();
        }
    }
    return inside;
}
} // namespace

void pointMode(std::string& t, int figure) {
    const int point = figureToken(figure);
    const std::vector<bool> inside = insideBoundGroups(t);
    std::string out;
    out.reserve(t.size() * 2);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == Token::R)
            out += tokens({point, Token::DotR});
        else if (c == Token::X && !inside[i])
            out += tokens({point, Token::DotX});
        else if (c == Token::Y)
            out += tokens({point, Token::DotY});
        else
            out += c == Token::PointX ? tokenChar(point) : t[i];
    }
    t = std::move(out);
}

void pointComponents(std::string& t) {
    if (!hasToken(t, isPoint)) return;
    std::string pairs;
    pairs.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i + 1 < t.size() && isPoint(code(t[i])) && isPoint(code(t[i + 1]))) {
            pairs += tokenChar(Token::Open);
            pairs.append(t, i, 2);
            pairs += tokenChar(Token::Close);
            ++i;
        } else {
            pairs += t[i];
        }
    }
    std::string out;
    out.reserve(pairs.size() + 16);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int c = code(pairs[i]);
        const int component = at(pairs, i + 1);
        if (!isFigure(c) || component < Token::DotX || component > Token::DotR) {
            out += pairs[i];
            continue;
        }
        const int n = figureNumber(c);
        const int multiple = n / 14 * 14;
        const int k = component - Token::DotX + 1;
        out += tokens({Token::Open, Token::PointFn, Token::Open, wholeNumberSlot(multiple),
                       Token::Plus, wholeNumberSlot(n - multiple), Token::Comma, wholeNumberSlot(k),
                       Token::Close, Token::Close});
        ++i;
    }
    t = std::move(out);
}

void thetaAxis(std::string& t) {
    std::string out;
    out.reserve(t.size() + 8);
    for (char ch : t) {
        if (code(ch) == Token::Theta)
            out += tokens({Token::Open, Token::X, Token::Plus, Token::Theta, Token::Times,
                           wholeNumberSlot(0), Token::Close});
        else
            out += ch;
    }
    t = std::move(out);
}

namespace {
Value numberValue(std::string text, char decimalChar) {
    for (char& ch : text)
        if (ch == decimalChar) ch = '.';
    long double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size())
        return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(v));
}
} // namespace

bool numbers(std::string& t, const EngineSettings& settings, ConstTable& consts) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!isDigit(code(t[i]))) continue;
        std::size_t end = i;
        while (end < t.size() && isDigit(code(t[end]))) ++end;
        const int first = code(t[i]);
        if (end == i + 1 && first > Token::Digit0 && first <= Token::Digit9) {
            t[i] = tokenChar(wholeNumberSlot(first - Token::Digit0));
            continue;
        }
        if (consts.next >= kConstCount) return false;
        std::string text;
        for (std::size_t j = i; j < end; ++j) text += tokenName(code(t[j]), settings);
        const auto slot = static_cast<std::size_t>(consts.next++);
        consts.text[slot] = text;
        consts.value[slot] = numberValue(text, settings.decimalChar);
        t.replace(i, end - i, 1, tokenChar(static_cast<int>(slot)));
    }
    return true;
}

} // namespace tarlix::passes
