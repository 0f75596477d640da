// Passes 8 to 17: spaces, pairs, point vectors and the operands of powers, functions and
// quotients.
#include "expression/BracketPlan.h"
#include "expression/GapText.h"
#include "expression/NormalisePasses.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <vector>

namespace tarlix::passes {

namespace {
bool isRunToken(int c) {
    return isConstant(c) || isVariable(c) || isPoint(c) || isReference(c) || isFunction(c) ||
           isPostfix(c) || c == tkPower || isAggregate(c) || isPrime(c);
}

// Functions whose operand is always bracketed, even when it is already one group.
bool alwaysBracketed(int c) {
    return (c >= tkAsin && c <= tkTanh) || isPowerPrefix(c) || c == tkLog || c == tkLn ||
           c == tkNegate;
}

bool takesOwnGroup(int c) {
    return isMultiArg(c) || isTwoArg(c) || isUserFunction(c) || isAntiderivative(c) ||
           isPlainGroup(c);
}
} // namespace

namespace {
template <typename Text>
std::size_t operandRunEnd(const Text& t, std::size_t start, bool spaceAfterFunction) {
    std::size_t j = start;
    while (j < t.size()) {
        const int c = code(t[j]);
        if (c == tkOpen) {
            const std::size_t close = closeOf(t, j);
            if (close == npos) return t.size();
            j = close + 1;
        } else if (isRunToken(c)) {
            ++j;
            if (spaceAfterFunction && isFunction(c) && at(t, j) == tkSpace) ++j;
        } else {
            break;
        }
    }
    return j;
}

// For each "(", the commas at depth one inside its group; one pass for all.
std::vector<int> groupCommas(const std::string& t) {
    std::vector<int> commas(t.size(), 0);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) open.push_back(i);
        if (c == tkClose && !open.empty()) open.pop_back();
        if (c == tkComma && !open.empty()) ++commas[open.back()];
    }
    return commas;
}
} // namespace

void spaceMarking(std::string& t) {
    // From the end, so that each space is judged by the token that now follows it.
    std::vector<bool> drop(t.size(), false);
    int next = t.empty() ? -1 : code(t.back());
    for (std::size_t i = t.size() >= 2 ? t.size() - 2 : 0; i >= 1 && i < t.size(); --i) {
        const int c = code(t[i]);
        const int before = code(t[i - 1]);
        drop[i] = c == tkSpace && (isPostfix(next) || next == tkDivide || next == tkPower ||
                                   isFunction(before) || before == tkDivide || before == tkPower);
        if (!drop[i]) next = c;
    }
    std::string out;
    out.reserve(t.size() + 1);
    for (std::size_t i = 0; i < t.size(); ++i)
        if (!drop[i]) out += t[i];
    out += tokenChar(tkSpace);
    t = std::move(out);
}

void pairLiterals(std::string& t) {
    if (!hasToken(t, [](int c) { return c == tkComma; })) return;
    const std::vector<int> commas = groupCommas(t);
    std::string out;
    out.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (code(t[i]) == tkOpen && commas[i] == 1) {
            const int before = i == 0 ? -1 : code(t[i - 1]);
            if (!isPrime(before) && !isFunction(before) && !isAggregate(before))
                out += tokenChar(tkCPS);
        }
        out += t[i];
    }
    t = std::move(out);
}

void pointPairs(std::string& t) {
    if (!hasToken(t, isPoint)) return;
    std::string out;
    out.reserve(t.size() + 8);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i + 1 >= t.size() || !isPoint(code(t[i])) || !isPoint(code(t[i + 1]))) {
            out += t[i];
            continue;
        }
        const bool norm =
            !out.empty() && code(out.back()) == tkOpenAbs && at(t, i + 2) == tkCloseAbs;
        if (norm) out.pop_back();
        out += tokenChar(norm ? tkNORM : tkVEC);
        out += tokens({tkOpen, code(t[i]), tkComma, code(t[i + 1]), tkClose});
        i += norm ? 2 : 1;
    }
    t = std::move(out);
}

void logarithmForm(std::string& t) {
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        if (code(t[i]) == tkLog && code(t[i + 1]) == tkOpen && topLevelCommas(t, i + 1) == 1)
            t[i] = tokenChar(tkLogBase);
}

namespace {
// For each position, the end of the run that operandRunEnd would find from it (without the
// spaces after functions), read from the end of the text in one pass.
std::vector<std::size_t> runEnds(const std::string& t, const std::vector<std::size_t>& matches) {
    std::vector<std::size_t> ends(t.size() + 1, t.size());
    for (std::size_t p = t.size(); p-- > 0;) {
        const int c = code(t[p]);
        if (c == tkOpen)
            ends[p] = matches[p] == npos ? t.size() : ends[matches[p] + 1];
        else
            ends[p] = isRunToken(c) ? ends[p + 1] : p;
    }
    return ends;
}

// The brackets of the operands that each "^" (or each function and "/") takes after it. The
// operand of one that stands inside the operand of another ends where that one ends, and is
// bracketed as a group of its own: so when every group of the text is closed, every choice can
// be read from the text as it stands. Otherwise the choices are made on the text as it grows.
template <typename Choose> void bracketOperands(std::string& text, Choose choose) {
    const std::vector<std::size_t> matches = matchingBrackets(text);
    if (!hasUnclosedGroup(text, matches)) {
        const std::vector<std::size_t> ends = runEnds(text, matches);
        const auto runEnd = [&](std::size_t start) { return ends[start]; };
        const auto oneGroup = [&](std::size_t from, std::size_t to) {
            return to > from && code(text[from]) == tkOpen && matches[from] == to - 1;
        };
        const auto closeAt = [&](std::size_t open) { return matches[open]; };
        BracketPlan plan(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            std::size_t from = 0;
            std::size_t to = 0;
            if (choose(text, i, runEnd, oneGroup, closeAt, from, to)) plan.enclose(from, to);
        }
        text = plan.apply(text);
        return;
    }
    GapText t(std::move(text));
    const auto runEnd = [&](std::size_t start) { return operandRunEnd(t, start, false); };
    const auto oneGroup = [&](std::size_t from, std::size_t to) { return isOneGroup(t, from, to); };
    const auto closeAt = [&](std::size_t open) { return closeOf(t, open); };
    // Each bracket pair built here nests the rest of the operand one level deeper. Once the text
    // read so far is nested past the limit, it is refused whatever else is built, so the pass
    // stops there instead of scanning the rest once per operator.
    int depth = 0;
    for (std::size_t i = 0; i < t.size() && depth <= kMaxBuiltNesting; ++i) {
        depth += code(t[i]) == tkOpen ? 1 : code(t[i]) == tkClose ? -1 : 0;
        std::size_t from = 0;
        std::size_t to = 0;
        if (choose(t, i, runEnd, oneGroup, closeAt, from, to)) enclose(t, from, to);
    }
    text = t.take();
}
} // namespace

void exponentOperands(std::string& t) {
    if (!hasToken(t, [](int c) { return c == tkPower; })) return;
    bracketOperands(t, [](const auto& t, std::size_t i, auto runEnd, auto oneGroup, auto,
                          std::size_t& from, std::size_t& to) {
        if (i + 1 >= t.size() || code(t[i]) != tkPower) return false;
        const int next = code(t[i + 1]);
        if (isBinary(next) || isPostfix(next)) return false;
        from = i + 1;
        to = runEnd(from);
        return to > from && !oneGroup(from, to);
    });
}

void powerPrefixArguments(std::string& text) {
    if (!hasToken(text, [](int c) { return c == tkPower; })) return;
    GapText t(std::move(text));
    int depth = 0; // as in bracketOperands: past the limit, the text is refused anyway
    for (std::size_t i = 0; i + 2 < t.size() && depth <= kMaxBuiltNesting; ++i) {
        depth += code(t[i]) == tkOpen ? 1 : code(t[i]) == tkClose ? -1 : 0;
        if (!isPowerPrefix(code(t[i])) || code(t[i + 1]) != tkPower || code(t[i + 2]) != tkOpen)
            continue;
        const std::size_t close = closeOf(t, i + 2);
        if (close == npos) continue;
        std::size_t start = close + 1;
        if (at(t, start) == tkSpace) t.erase(start, 1);
        const std::size_t end = operandRunEnd(t, start, true);
        if (end > start && !isOneGroup(t, start, end)) enclose(t, start, end);
    }
    text = t.take();
}

void functionMarking(std::string& t) {
    if (!hasToken(t, [](int c) { return isFunction(c) || isAggregate(c); })) return;
    std::string out;
    out.reserve(t.size() + t.size() / 4);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        const int before = i == 0 ? -1 : code(t[i - 1]);
        const bool marked =
            !isFunction(before) && before != tkDivide && before != tkPower && before != tkSpace;
        if ((isFunction(c) || isAggregate(c)) && marked) out += tokenChar(tkMarker);
        out += t[i];
    }
    t = std::move(out);
}

void functionOperands(std::string& t) {
    if (!hasToken(t, [](int c) { return isFunction(c) || c == tkDivide; })) return;
    bracketOperands(t, [](const auto& t, std::size_t i, auto runEnd, auto oneGroup, auto closeAt,
                          std::size_t& from, std::size_t& to) {
        const int c = code(t[i]);
        if (!isFunction(c) && c != tkDivide) return false;
        from = i + 1;
        if ((isUserFunction(c) || isAntiderivative(c)) && isPrime(at(t, from))) ++from;
        if (isPowerPrefix(c) && at(t, from) == tkPower && at(t, from + 1) == tkOpen) {
            const std::size_t close = closeAt(from + 1);
            if (close == npos) return false;
            from = close + 1;
        }
        if (takesOwnGroup(c) && at(t, from) == tkOpen) return false;
        to = runEnd(from);
        const bool always = c == tkDivide || alwaysBracketed(c);
        return to > from && (always || !oneGroup(from, to));
    });
}

void deleteMarkers(std::string& t) {
    std::erase(t, tokenChar(tkMarker));
}

} // namespace tarlix::passes
