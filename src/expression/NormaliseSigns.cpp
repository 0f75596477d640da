// Passes 1 to 7: signs, absolute-value brackets, point components and numbers.
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <charconv>

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

void replaceToken(std::string& t, std::size_t i, std::initializer_list<int> codes) {
    std::string with;
    for (int c : codes) with += tokenChar(c);
    t.replace(i, 1, with);
}
} // namespace

void spacesAndSigns(std::string& t) {
    const std::string twoSpaces(2, tokenChar(tkSpace));
    for (auto at2 = t.find(twoSpaces); at2 != npos; at2 = t.find(twoSpaces)) t.erase(at2, 1);
    for (std::size_t i = 0; i + 1 < t.size();) {
        if (code(t[i]) == tkSpace && (code(t[i + 1]) == tkPlus || code(t[i + 1]) == tkMinus))
            t.erase(i, 1);
        else
            ++i;
    }
    if (signNeedsZero(t, 0)) t.insert(0, 1, tokenChar(tkSZERO));
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        const bool opens = isRelational(c) || c == tkOpen || c == tkComma || c == tkOpenAbs;
        if (opens && signNeedsZero(t, i + 1)) t.insert(i + 1, 1, tokenChar(tkSZERO));
    }
}

void absoluteBrackets(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) == tkOpenAbs) replaceToken(t, i, {tkAbs, tkOpen});
        if (code(t[i]) == tkCloseAbs) t[i] = tokenChar(tkClose);
    }
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
// True when position i lies inside the argument group of "cof", "sol" or "Igr", whose bound
// or polynomial variable x is not the figure's coordinate.
bool insideBoundGroup(const std::string& t, std::size_t i) {
    int depth = 0;
    for (std::size_t j = i; j-- > 0;) {
        const int c = code(t[j]);
        if (c == tkClose) ++depth;
        if (c != tkOpen) continue;
        if (depth > 0) {
            --depth;
            continue;
        }
        const int fn = j > 0 ? code(t[j - 1]) : -1;
        if (fn == tkCof || fn == tkSol || fn == tkIgr) return true;
    }
    return false;
}
} // namespace

void pointMode(std::string& t, int figure) {
    const int point = figureToken(figure);
    for (std::size_t i = t.size(); i-- > 0;) {
        const int c = code(t[i]);
        if (c == tkR)
            replaceToken(t, i, {point, tkDotR});
        else if (c == tkX && !insideBoundGroup(t, i))
            replaceToken(t, i, {point, tkDotX});
        else if (c == tkY)
            replaceToken(t, i, {point, tkDotY});
        else if (c == tkPointX)
            t[i] = tokenChar(point);
    }
}

void pointComponents(std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        if (isPoint(code(t[i])) && isPoint(code(t[i + 1]))) {
            enclose(t, i, i + 2);
            i += 3;
        }
    }
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const int c = code(t[i]);
        const int component = code(t[i + 1]);
        if (!isFigure(c) || component < tkDotX || component > tkDotR) continue;
        const int n = figureNumber(c);
        const int multiple = n / 14 * 14;
        const int k = component - tkDotX + 1;
        std::string with;
        for (int x : std::initializer_list<int>{
                 tkOpen, tkPointFn, tkOpen, wholeNumberSlot(multiple), tkPlus,
                 wholeNumberSlot(n - multiple), tkComma, wholeNumberSlot(k), tkClose, tkClose})
            with += tokenChar(x);
        t.replace(i, 2, with);
        i += with.size() - 1;
    }
}

void thetaAxis(std::string& t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) != tkTheta) continue;
        replaceToken(t, i, {tkOpen, tkX, tkPlus, tkTheta, tkTimes, wholeNumberSlot(0), tkClose});
        i += 6;
    }
}

namespace {
Value numberValue(std::string text, char decimalChar) {
    for (char& ch : text)
        if (ch == decimalChar) ch = '.';
    long double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return makeUndefined(vkReal);
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
