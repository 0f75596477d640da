// Passes 1 to 7: signs, absolute-value brackets, point components and numbers.
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <charconv>
#include <vector>

namespace tarlix::passes {

namespace {
bool isNumberDigit(int c) {
    return c >= tkDigit0 && c <= tkDigit9;
}

// A "+", or a "-" that does not start a number: the sign needs a signed zero in front.
bool signNeedsZero(const std::string& t, std::size_t i) {
    const int c = at(t, i);
    return c == tkPlus || (c == tkMinus && !isNumberDigit(at(t, i + 1)));
}
} // namespace

void spacesAndSigns(std::string& t) {
    // A run of spaces stands as one; a space before a sign goes.
    std::string kept;
    kept.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != tkSpace) {
            kept += t[i];
            continue;
        }
        std::size_t next = i + 1;
        while (next < t.size() && code(t[next]) == tkSpace) ++next;
        if (next == t.size() || (code(t[next]) != tkPlus && code(t[next]) != tkMinus)) kept += t[i];
        i = next - 1;
    }
    std::string out;
    out.reserve(kept.size() + kept.size() / 4 + 1);
    if (signNeedsZero(kept, 0)) out += tokenChar(tkSZERO);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const int c = code(kept[i]);
        out += kept[i];
        const bool opens = isRelational(c) || c == tkOpen || c == tkComma || c == tkOpenAbs;
        if (opens && signNeedsZero(kept, i + 1)) out += tokenChar(tkSZERO);
    }
    t = std::move(out);
}

void absoluteBrackets(std::string& t) {
    if (!hasToken(t, [](int c) { return c == tkOpenAbs || c == tkCloseAbs; })) return;
    std::string out;
    out.reserve(t.size() + 8);
    for (char ch : t) {
        if (code(ch) == tkOpenAbs)
            out += tokens({tkAbs, tkOpen});
        else
            out += code(ch) == tkCloseAbs ? tokenChar(tkClose) : ch;
    }
    t = std::move(out);
}

void negativeNumbers(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != tkMinus) continue;
        const int before = i == 0 ? int{tkOpen} : code(t[i - 1]);
        if (!isRelational(before) && before != tkOpen && before != tkComma) continue;
        const int next = at(t, i + 1);
        if (isBinary(next) || isPostfix(next) || next == tkClose) continue;
        t[i] = tokenChar(tkNegate);
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
        if (c == tkOpen) {
            const int fn = i > 0 ? code(t[i - 1]) : -1;
            bounds.push_back(fn == tkCof || fn == tkSol || fn == tkIgr);
            open += bounds.back() ? 1 : 0;
        } else if (c == tkClose && !bounds.empty()) {
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
        if (c == tkR)
            out += tokens({point, tkDotR});
        else if (c == tkX && !inside[i])
            out += tokens({point, tkDotX});
        else if (c == tkY)
            out += tokens({point, tkDotY});
        else
            out += c == tkPointX ? tokenChar(point) : t[i];
    }
    t = std::move(out);
}

void pointComponents(std::string& t) {
    if (!hasToken(t, isPoint)) return;
    std::string pairs;
    pairs.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i + 1 < t.size() && isPoint(code(t[i])) && isPoint(code(t[i + 1]))) {
            pairs += tokenChar(tkOpen);
            pairs.append(t, i, 2);
            pairs += tokenChar(tkClose);
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
        if (!isFigure(c) || component < tkDotX || component > tkDotR) {
            out += pairs[i];
            continue;
        }
        const int n = figureNumber(c);
        const int multiple = n / 14 * 14;
        const int k = component - tkDotX + 1;
        out +=
            tokens({tkOpen, tkPointFn, tkOpen, wholeNumberSlot(multiple), tkPlus,
                    wholeNumberSlot(n - multiple), tkComma, wholeNumberSlot(k), tkClose, tkClose});
        ++i;
    }
    t = std::move(out);
}

void thetaAxis(std::string& t) {
    std::string out;
    out.reserve(t.size() + 8);
    for (char ch : t) {
        if (code(ch) == tkTheta)
            out += tokens({tkOpen, tkX, tkPlus, tkTheta, tkTimes, wholeNumberSlot(0), tkClose});
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
        if (end == i + 1 && first > tkDigit0 && first <= tkDigit9) {
            t[i] = tokenChar(wholeNumberSlot(first - tkDigit0));
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
